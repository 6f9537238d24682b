#include "Flotte.h"
#include "Ziele.h"
#include "core/common/Fortschritt.h"
#include "core/files/AktionDatei.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/OrteDatei.h"
#include "core/files/StatusDatei.h"
#include "core/overview/StatusUebersicht.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

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

// Reading each file and decoding its records, nothing more: what a load costs beyond that is
// the load's own work (lookups, the list refresh, flags). Shown for scale.
namespace {
template <typename Dekodieren>
void dekodieren(benchmark::State& state, const QString& name, qsizetype satzLaenge, Dekodieren satz) {
    Flotte f;
    const QString pfad = f.pfad(name);
    for (auto _ : state) {
        const LeseErgebnis gelesen = dateiLesen(pfad);
        const QByteArrayView daten(*gelesen.daten);
        for (qsizetype pos = 0; pos + satzLaenge <= daten.size(); pos += satzLaenge)
            benchmark::DoNotOptimize(satz(daten.sliced(pos, satzLaenge)));
    }
}
} // namespace

static void Dekodieren_Status(benchmark::State& state) {
    dekodieren(state, QStringLiteral("Status.BIN"), StatusSatzLaenge, statusSatzLesen);
}
BENCHMARK(Dekodieren_Status)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Status.BIN", "Laden_Status", "reading and decoding its records", "Dekodieren_Status",
            Grenze::Keine, 0.0);

static void Dekodieren_Fahrzeuge(benchmark::State& state) {
    Flotte f;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            fahrzeugSaetzeLesen(*dateiLesen(f.pfad(QStringLiteral("Fahrzeug.BIN"))).daten));
}
BENCHMARK(Dekodieren_Fahrzeuge)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Fahrzeug.BIN", "Laden_Fahrzeuge", "reading and decoding its records",
            "Dekodieren_Fahrzeuge", Grenze::Keine, 0.0);

static void Dekodieren_Orte(benchmark::State& state) {
    Flotte f;
    for (auto _ : state)
        benchmark::DoNotOptimize(ortSaetzeLesen(*dateiLesen(f.pfad(QStringLiteral("Orte.BIN"))).daten));
}
BENCHMARK(Dekodieren_Orte)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Orte.BIN", "Laden_Orte", "reading and decoding its records", "Dekodieren_Orte",
            Grenze::Keine, 0.0);

static void Dekodieren_Aktionen(benchmark::State& state) {
    dekodieren(state, QStringLiteral("Aktion.BIN"), AktionSatzLaenge, aktionSatzLesen);
}
BENCHMARK(Dekodieren_Aktionen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Aktion.BIN", "Laden_Aktionen", "reading and decoding its records", "Dekodieren_Aktionen",
            Grenze::Keine, 0.0);
