#include "Harness.h"

#include "Koerper.h"

#include <cstdio>
#include <cstdlib>

namespace tabulo::fuzz {

namespace {

// clang-format off
constexpr Harness harnesse[] = {
    // each file format: its records through the codec, the whole file through the operations
    // that load, import and read it at start-up
    {"status", statusHarness},
    {"fahrzeuge", fahrzeugeHarness},
    {"orte", orteHarness},
    {"aktionen", aktionenHarness},
    {"buendel", buendelHarness},
    // the stored settings
    {"einstellungen", einstellungenHarness},
};
// clang-format on

Verletzungsbehandlung behandlung = nullptr;

} // namespace

std::span<const Harness> alleHarnesse() {
    return harnesse;
}

const Harness* harnessNamens(QStringView name) {
    for (const Harness& h : harnesse)
        if (name == QLatin1StringView(h.name))
            return &h;
    return nullptr;
}

void setzeVerletzungsbehandlung(Verletzungsbehandlung b) {
    behandlung = b;
}

void verletzt(const char* bedingung, const char* datei, int zeile) {
    const QString meldung = QStringLiteral("%1:%2: verletzt: %3")
                                .arg(QString::fromUtf8(datei))
                                .arg(zeile)
                                .arg(QString::fromUtf8(bedingung));
    if (behandlung)
        behandlung(meldung); // may throw to the test driver
    std::fprintf(stderr, "%s\n", meldung.toUtf8().constData());
    std::abort();
}

} // namespace tabulo::fuzz
