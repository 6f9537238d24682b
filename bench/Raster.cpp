#include "Flotte.h"
#include "Ziele.h"
#include "app/FensterAnsicht.h"
#include "app/Form1.h"

#include <QCoreApplication>

using namespace tabulo;
using namespace tabulo::bench;

namespace {

// The main window on the fleet, shown, all 416 fields showing a vehicle.
struct FlotteMitForm1 : Flotte {
    FesteRueckfrage rueckfrage{Antwort::Ok};
    Form1 form1{ab, rueckfrage};
    FlotteMitForm1() {
        form1.resize(900, 700);
        form1.show();
        QCoreApplication::processEvents();
        form1.rasterAnwenden();
    }
};

} // namespace

// A resize: the grid for the new size given to all eight windows, the visible one repainted.
static void Raster_NachGroessenaenderung(benchmark::State& state) {
    FlotteMitForm1 f;
    bool breit = false;
    for (auto _ : state) {
        breit = !breit;
        const int vorher = f.form1.raster().fw;
        f.form1.resize(breit ? 1200 : 900, breit ? 900 : 700);
        QCoreApplication::processEvents();
        f.form1.tabFrame(f.form1.aktuellesFenster()).repaint();
        if (f.form1.raster().fw == vorher)
            state.SkipWithError("the grid did not follow the size");
    }
}
BENCHMARK(Raster_NachGroessenaenderung)->Unit(benchmark::kMillisecond);

// Repainting the visible window at the same size.
static void Raster_NurMalen(benchmark::State& state) {
    FlotteMitForm1 f;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        f.form1.tabFrame(f.form1.aktuellesFenster()).repaint();
    }
}
BENCHMARK(Raster_NurMalen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("grid layout of all 416 fields after a resize", "Raster_NachGroessenaenderung",
            "repainting the window at the same size", "Raster_NurMalen", Grenze::Millisekunden, 8.0);
