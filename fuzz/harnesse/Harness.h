#pragma once

#include <QByteArrayView>
#include <QString>
#include <span>

namespace tabulo::fuzz {

// One decoder under attack: its name (also the folder of its seed files) and the body that
// feeds it arbitrary bytes and checks what came out.
struct Harness {
    const char* name;
    void (*koerper)(QByteArrayView eingabe);
};

// Every harness, in a fixed order.
std::span<const Harness> alleHarnesse();
const Harness* harnessNamens(QStringView name);

// A broken property. The fuzzer aborts so that the input is kept; the test suite turns it
// into a failure that names the seed file.
[[noreturn]] void verletzt(const char* bedingung, const char* datei, int zeile);
using Verletzungsbehandlung = void (*)(const QString& meldung);
void setzeVerletzungsbehandlung(Verletzungsbehandlung behandlung);

} // namespace tabulo::fuzz

#define FUZZ_PRUEFEN(bedingung)                                                                              \
    do {                                                                                                     \
        if (!(bedingung))                                                                                    \
            ::tabulo::fuzz::verletzt(#bedingung, __FILE__, __LINE__);                                        \
    } while (false)
