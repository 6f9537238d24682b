#include "Flotte.h"
#include "Ziele.h"
#include "files/DateiLesen.h"
#include "model/FahrzeuglisteDatei.h"
#include "model/Fortschritt.h"
#include "model/OrteLadenSpeichern.h"
#include "model/StatusUebersicht.h"

using namespace tabulo;
using namespace tabulo::bench;

// Each load of a fleet file beside reading its bytes. The loads run on the fleet's workspace,
// so the overview looks its vehicles up in 10,000 entries and the refresh covers them all.

namespace {
void lesen(benchmark::State& state, const QString& name) {
    Flotte f;
    const QString pfad = f.pfad(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(dateiLesen(pfad));
}
} // namespace

static void Laden_Status(benchmark::State& state) {
    Flotte f;
    Fortschritt ohne;
    for (auto _ : state)
        if (StatusLaden(f.ab, f.pfad(QStringLiteral("Status.BIN")), ohne).art != StatusLadeErgebnis::Geladen)
            state.SkipWithError("not loaded");
}
BENCHMARK(Laden_Status)->Unit(benchmark::kMillisecond);
static void Lesen_Status(benchmark::State& state) {
    lesen(state, QStringLiteral("Status.BIN"));
}
BENCHMARK(Lesen_Status)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Status.BIN (416 fields)", "Laden_Status", "reading its bytes", "Lesen_Status",
            Grenze::Verhaeltnis, 3.0);

static void Laden_Fahrzeuge(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage rueckfrage(Antwort::Ok);
    for (auto _ : state)
        if (!FahrzeuglisteLaden(f.ab, rueckfrage, f.pfad(QStringLiteral("Fahrzeug.BIN"))))
            state.SkipWithError("not loaded");
}
BENCHMARK(Laden_Fahrzeuge)->Unit(benchmark::kMillisecond);
static void Lesen_Fahrzeuge(benchmark::State& state) {
    lesen(state, QStringLiteral("Fahrzeug.BIN"));
}
BENCHMARK(Lesen_Fahrzeuge)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Fahrzeug.BIN (10,000 vehicles)", "Laden_Fahrzeuge", "reading its bytes", "Lesen_Fahrzeuge",
            Grenze::Verhaeltnis, 3.0);

static void Laden_Orte(benchmark::State& state) {
    Flotte f;
    for (auto _ : state)
        if (!OrteLaden(f.ab, f.pfad(QStringLiteral("Orte.BIN"))))
            state.SkipWithError("not loaded");
}
BENCHMARK(Laden_Orte)->Unit(benchmark::kMillisecond);
static void Lesen_Orte(benchmark::State& state) {
    lesen(state, QStringLiteral("Orte.BIN"));
}
BENCHMARK(Lesen_Orte)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Orte.BIN (200 places)", "Laden_Orte", "reading its bytes", "Lesen_Orte",
            Grenze::Verhaeltnis, 3.0);
