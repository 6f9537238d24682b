#include "Flotte.h"
#include "Prozess.h"
#include "Ziele.h"

using namespace tabulo;
using namespace tabulo::bench;

namespace {

// A process start varies more than the in-process cases: more repetitions, so the medians settle.
constexpr int StartWiederholungen = 9;

void prozessFall(benchmark::State& state, Kind kind) {
    const QString& ordner = prozessOrdner();
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

// Registered with what all process starts share: time taken by the child, more repetitions.
void startFall(const char* name, Kind kind) {
    benchmark::RegisterBenchmark(name, prozessFall, kind)
        ->UseManualTime()
        ->Iterations(2)
        ->Repetitions(StartWiederholungen)
        ->Unit(benchmark::kMillisecond);
}

const bool StartFaelle = [] {
    // A bare Qt main window: its process started, the window shown.
    startFall("Start_LeeresFenster", Kind::LeeresFenster);
    // The same window showing one line of text: what the first text costs any program.
    startFall("Start_FensterMitText", Kind::FensterMitText);
    // The program's start-up on the fleet: settings read, 416 fields, Fahrzeug.BIN, Status.BIN
    // and Orte.BIN read, main window and vehicle list window shown.
    startFall("Start_Tabulo", Kind::Tabulo);
    // The same, then the action window opened, which reads the 100,000 actions of Aktion.BIN: all
    // four files read, the whole fleet in memory.
    startFall("Start_TabuloUndAktionen", Kind::TabuloUndAktionen);
    return true;
}();

} // namespace

TABULO_ZIEL("start-up on the fleet (three files, two windows)", "Start_Tabulo", "bare Qt main window",
            "Start_LeeresFenster", Grenze::Verhaeltnis, 2.5);
// The floor of the start-up: a window that shows any text pays for finding and loading fonts.
TABULO_ZIEL("start-up, floor: a window showing text", "Start_Tabulo", "bare Qt main window with one label",
            "Start_FensterMitText", Grenze::Keine, 0.0);
TABULO_ZIEL("a window showing text, against the bare one", "Start_FensterMitText", "bare Qt main window",
            "Start_LeeresFenster", Grenze::Keine, 0.0);
// The action file is read when its window is first opened, not at start-up: shown for scale.
TABULO_ZIEL("start-up, then the action window (Aktion.BIN too)", "Start_TabuloUndAktionen",
            "bare Qt main window", "Start_LeeresFenster", Grenze::Keine, 0.0);
TABULO_ZIEL("peak memory, whole fleet with actions", "Start_TabuloUndAktionen", "bare Qt main window",
            "Start_LeeresFenster", Grenze::MiB, 64.0);
