#include "Harness.h"

#include "Koerper.h"

#include <cstdio>
#include <cstdlib>

namespace tabulo::fuzz {

namespace {

// clang-format off
constexpr Harness harnesse[] = {
    // the codecs, record by record
    {"status_datei", statusDateiHarness},
    {"fahrzeug_datei", fahrzeugDateiHarness},
    {"orte_datei", orteDateiHarness},
    {"aktion_datei", aktionDateiHarness},
    {"buendel_datei", buendelDateiHarness},
    // the stored settings
    {"einstellungen", einstellungenHarness},
    // whole files through the documents' load, import and start-up operations
    {"fahrzeugliste", fahrzeuglisteHarness},
    {"orte_laden", orteLadenHarness},
    {"status_laden", statusLadenHarness},
    {"buendel_laden", buendelLadenHarness},
    {"aktionen_laden", aktionenLadenHarness},
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
