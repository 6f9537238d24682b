#include "Flotte.h"
#include "Prozess.h"
#include "Ziele.h"

#include <QTemporaryDir>

using namespace tabulo;
using namespace tabulo::bench;

namespace {

// The fleet's files and settings, once for every child: settings go to the configuration folder
// the benchmark program set up for itself, never the user's.
const QString& startOrdner() {
    static QTemporaryDir ordner;
    static const bool geschrieben = [] {
        flottenDateienSchreiben(ordner.path());
        QtEinstellungsSpeicher speicher;
        flottenEinstellungen(speicher);
        return true;
    }();
    (void)geschrieben;
    static const QString pfad = ordner.path();
    return pfad;
}

void prozessFall(benchmark::State& state, Kind kind) {
    const QString& ordner = startOrdner();
    double mib = 0;
    for (auto _ : state) {
        const ProzessMessung m = prozessMessen(kind, ordner);
        if (!m.ok) {
            state.SkipWithError(qPrintable(m.fehler));
            return;
        }
        state.SetIterationTime(m.ms / 1e3);
        mib = std::max(mib, m.mib);
    }
    state.counters["MiB"] = mib;
}

} // namespace

// A bare Qt main window: its process started, the window shown.
static void Start_LeeresFenster(benchmark::State& state) {
    prozessFall(state, Kind::LeeresFenster);
}
BENCHMARK(Start_LeeresFenster)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

// The program on the fleet: settings read, 416 fields, Fahrzeug.BIN, Status.BIN and Orte.BIN
// read, main window and vehicle list window shown; then the action window opened, which reads
// Aktion.BIN.
static void Start_Tabulo(benchmark::State& state) {
    prozessFall(state, Kind::Tabulo);
}
BENCHMARK(Start_Tabulo)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

TABULO_ZIEL("start-up on the fleet", "Start_Tabulo", "bare Qt main window", "Start_LeeresFenster",
            Grenze::Verhaeltnis, 3.0);
TABULO_ZIEL("peak memory on the fleet", "Start_Tabulo", "bare Qt main window", "Start_LeeresFenster",
            Grenze::MiB, 150.0);
