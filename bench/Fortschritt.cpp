#include "Flotte.h"
#include "Ziele.h"
#include "core/actions/Aktionsliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "ui/Fortschrittsstreifen.h"

#include <QCoreApplication>

using namespace tabulo;
using namespace tabulo::bench;

// A long pass reporting every element to a shown progress strip, beside the same pass reporting
// to nothing: the strip may cost no more than a few per cent.

namespace {

// A few per cent are at stake, less than the noise between two runs of a whole load: more
// repetitions than the other cases, so that the medians settle.
constexpr int StreifenWiederholungen = 11;

// A shown strip of the main window's size, or a report that goes nowhere.
struct Streifen {
    QWidget fenster;
    Fortschrittsstreifen streifen{&fenster};
    Fortschritt ohne;
    Fortschritt& fortschritt;

    explicit Streifen(bool mitStreifen)
        : fortschritt(mitStreifen ? static_cast<Fortschritt&>(streifen) : ohne) {
        streifen.setGeometry(4, 7, 140, 17);
        fenster.resize(300, 40);
        fenster.show();
        QCoreApplication::processEvents();
    }
};

// One fleet for both sides of a pair: with a fleet each, the two loads ran on heaps laid out
// differently, and that alone moved them apart by more than the strip costs.
Flotte& streifenFlotte() {
    static Flotte f;
    return f;
}

// The vehicle list save's pass: 10,000 slices in status colour 2.
void fahrzeugePolstern(benchmark::State& state, bool mitStreifen) {
    Flotte& f = streifenFlotte();
    Streifen s(mitStreifen);
    Fortschritt& fortschritt = s.fortschritt;
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
BENCHMARK(Fortschritt_Fahrzeuge_Streifen)->Unit(benchmark::kMillisecond)->Repetitions(StreifenWiederholungen);
static void Fortschritt_Fahrzeuge_Ohne(benchmark::State& state) {
    fahrzeugePolstern(state, false);
}
BENCHMARK(Fortschritt_Fahrzeuge_Ohne)->Unit(benchmark::kMillisecond)->Repetitions(StreifenWiederholungen);
TABULO_ZIEL("vehicle save pass (10,000 slices) with the strip", "Fortschritt_Fahrzeuge_Streifen",
            "the same pass without a strip", "Fortschritt_Fahrzeuge_Ohne", Grenze::Verhaeltnis, 1.1);

// The action load draws 100,000 slices into the main window's strip.
static void Fortschritt_Aktionen(benchmark::State& state, bool mitStreifen) {
    Flotte& f = streifenFlotte();
    Streifen s(mitStreifen);
    FesteRueckfrage rueckfrage(Antwort::Ok);
    for (auto _ : state)
        AktionenLaden(f.ab, f.pfad(QStringLiteral("Aktion.BIN")), rueckfrage, s.fortschritt);
}
BENCHMARK_CAPTURE(Fortschritt_Aktionen, Streifen, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(StreifenWiederholungen);
BENCHMARK_CAPTURE(Fortschritt_Aktionen, Ohne, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(StreifenWiederholungen);
TABULO_ZIEL("action load (100,000 slices) with the strip", "Fortschritt_Aktionen/Streifen",
            "the same load without a strip", "Fortschritt_Aktionen/Ohne", Grenze::Verhaeltnis, 1.1);
