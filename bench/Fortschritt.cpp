#include "Flotte.h"
#include "Ziele.h"
#include "app/Fortschrittsstreifen.h"
#include "model/FahrzeuglisteDatei.h"

#include <QCoreApplication>

using namespace tabulo;
using namespace tabulo::bench;

// A long pass reporting every element to a shown progress strip, beside the same pass reporting
// to nothing: the strip may cost no more than a few per cent.

namespace {

// The vehicle list save's pass: 10,000 slices in status colour 2.
void fahrzeugePolstern(benchmark::State& state, bool mitStreifen) {
    Flotte f;
    QWidget fenster;
    Fortschrittsstreifen streifen(&fenster);
    streifen.setGeometry(4, 7, 140, 17);
    fenster.resize(300, 40);
    fenster.show();
    QCoreApplication::processEvents();
    Fortschritt ohne;
    Fortschritt& fortschritt = mitStreifen ? static_cast<Fortschritt&>(streifen) : ohne;
    for (auto _ : state) {
        FortschrittsAnzeige anzeige(fortschritt);
        benchmark::DoNotOptimize(
            fahrzeuglisteKodieren(f.ab.fahrzeuge, f.ab.kennungsListe,
                                  [&](qint64 k, qint64 n) { anzeige.schritt(k, n, 0x008000); }));
    }
}

} // namespace

static void Fortschritt_Fahrzeuge_Streifen(benchmark::State& state) {
    fahrzeugePolstern(state, true);
}
BENCHMARK(Fortschritt_Fahrzeuge_Streifen)->Unit(benchmark::kMillisecond);
static void Fortschritt_Fahrzeuge_Ohne(benchmark::State& state) {
    fahrzeugePolstern(state, false);
}
BENCHMARK(Fortschritt_Fahrzeuge_Ohne)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("vehicle save pass (10,000 slices) with the strip", "Fortschritt_Fahrzeuge_Streifen",
            "the same pass without a strip", "Fortschritt_Fahrzeuge_Ohne", Grenze::Verhaeltnis, 1.1);
