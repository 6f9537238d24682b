#include "Flotte.h"
#include "Prozess.h"
#include "Ziele.h"

using namespace tabulo;
using namespace tabulo::bench;

namespace {

const QStringList DateienDerFlotte = {QStringLiteral("Status.BIN"), QStringLiteral("Fahrzeug.BIN"),
                                      QStringLiteral("Orte.BIN"), QStringLiteral("Aktion.BIN")};

void befehlFall(benchmark::State& state, const QStringList& befehl, int hoechsterCode) {
    const QString& ordner = prozessOrdner();
    for (auto _ : state) {
        const ProzessMessung m = befehlMessen(befehl, ordner, hoechsterCode);
        if (!m.ok) {
            state.SkipWithError(qPrintable(m.fehler));
            return;
        }
        state.SetIterationTime(m.ms / 1e3);
    }
}

} // namespace

// The whole command-line check of the fleet's folder: start, the four files read, every rule,
// the findings printed (the fleet has more actions than the host reads: exit code 2).
static void Pruefen_Prozess(benchmark::State& state) {
    befehlFall(state, {QStringLiteral(TABULO_CLI), QStringLiteral("pruefen"), QStringLiteral(".")}, 2);
}
BENCHMARK(Pruefen_Prozess)->UseManualTime()->Iterations(2)->Repetitions(9)->Unit(benchmark::kMillisecond);

// The same files read by cat, as a process of its own.
static void Pruefen_Cat(benchmark::State& state) {
    befehlFall(state, QStringList{QStringLiteral("cat")} + DateienDerFlotte, 0);
}
BENCHMARK(Pruefen_Cat)->UseManualTime()->Iterations(2)->Repetitions(9)->Unit(benchmark::kMillisecond);

TABULO_ZIEL("tabulo-cli pruefen of the fleet's folder (process)", "Pruefen_Prozess",
            "cat of the same four files (process)", "Pruefen_Cat", Grenze::Millisekunden, 300.0);
