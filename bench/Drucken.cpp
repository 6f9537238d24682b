#include "tools/Drucken.h"

#include "Flotte.h"
#include "Ziele.h"
#include "ui/Druckseiten.h"

#include <QFileInfo>
#include <QWidget>

using namespace tabulo;
using namespace tabulo::bench;

namespace {
// All eight windows of the overview and the vehicle list of 10,000.
Druckauswahl fensterUndFahrzeuge() {
    Druckauswahl a;
    a.fahrzeuge = true;
    return a;
}
} // namespace

// The PDF as "Als PDF exportieren" writes it, the file included.
static void Drucken_Pdf(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage rueckfrage{Antwort::Ok};
    QWidget fenster;
    Drucken drucken(f.ab, rueckfrage, &fenster);
    for (auto _ : state)
        if (!drucken.pdfSchreiben(fensterUndFahrzeuge(), f.pfad("Uebersicht.pdf")))
            state.SkipWithError("the PDF was not written");
    state.counters["KiB"] = QFileInfo(f.pfad("Uebersicht.pdf")).size() / 1024.0;
}
BENCHMARK(Drucken_Pdf)->Unit(benchmark::kMillisecond);

// The same pages drawn as images of screen resolution.
static void Drucken_Bilder(benchmark::State& state) {
    Flotte f;
    Druckseiten seiten(f.ab, fensterUndFahrzeuge(), f.ordner.path(), QStringLiteral("06.12.2026"));
    const int anzahl = seiten.planen(QSizeF(841.89 - 2 * 34.02, 595.28 - 2 * 34.02));
    for (auto _ : state)
        for (int s = 0; s < anzahl; ++s)
            benchmark::DoNotOptimize(seiten.bild(s, 96).constBits());
    state.counters["Seiten"] = anzahl;
}
BENCHMARK(Drucken_Bilder)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("PDF of the 8 windows and 10,000 vehicles (265 pages)", "Drucken_Pdf",
            "the same pages drawn as images (96 dpi)", "Drucken_Bilder", Grenze::Millisekunden, 2000.0);
