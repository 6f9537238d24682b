#include "Harness.h"

#include "Koerper.h"

#include <cstdio>
#include <cstdlib>

namespace tabulo::fuzz {

namespace {

constexpr Harness harnesse[] = {
    {"status_datei", statusDateiHarness},   {"fahrzeug_datei", fahrzeugDateiHarness},
    {"orte_datei", orteDateiHarness},       {"aktion_datei", aktionDateiHarness},
    {"buendel_datei", buendelDateiHarness}, {"einstellungen", einstellungenHarness},
};

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
