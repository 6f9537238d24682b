#include "files/FahrzeugDatei.h"

#include <benchmark/benchmark.h>

using namespace tabulo;

// Decoding a fleet-sized vehicle file beside copying its bytes.
static void BM_FahrzeugeLesen(benchmark::State& state) {
    QByteArray daten;
    for (int i = 0; i < state.range(0); ++i)
        daten.append(QByteArray(FahrzeugSatzLaenge, 'A'));
    for (auto _ : state)
        benchmark::DoNotOptimize(fahrzeugSaetzeLesen(daten));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FahrzeugeLesen)->Arg(10000);
