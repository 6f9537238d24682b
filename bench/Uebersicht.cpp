#include "Flotte.h"
#include "Ziele.h"
#include "core/overview/FeldVerschieben.h"
#include "core/undo/Rueckgaengig.h"
#include "overview/FensterAnsicht.h"
#include "overview/Form1.h"
#include "vehicles/FahrzeugListView.h"
#include "vehicles/Form2.h"

#include <QCoreApplication>

using namespace tabulo;
using namespace tabulo::bench;

namespace {

// The main window and the vehicle list window on the fleet, shown; all 416 fields show a vehicle.
struct FlotteMitFenstern : Flotte {
    FesteRueckfrage rueckfrage{Antwort::Ok};
    Form1 form1{ab, rueckfrage};
    Form2 form2{ab, rueckfrage};
    FlotteMitFenstern() {
        form1.resize(900, 700);
        form1.show();
        form2.show();
        QCoreApplication::processEvents();
        form1.rasterAnwenden();
        QCoreApplication::processEvents();
    }
    // What is still to be drawn is drawn: the visible overview window and both vehicle lists.
    void malen() {
        QCoreApplication::processEvents();
        form1.tabFrame(form1.aktuellesFenster()).repaint();
        form2.ListView1->viewport()->repaint();
        form2.ListView2->viewport()->repaint();
    }
};

} // namespace

// A vehicle from the list dropped on field 0 in "Nach Rechts" with "letztes Fenster": all 415
// fields after it move on, the list of vehicles not placed is rebuilt, everything repainted.
static void Ablegen_NachRechts(benchmark::State& state) {
    FlotteMitFenstern f;
    f.ab.einfuegemodus = NachRechts;
    f.ab.listenmodus = LetztesFenster;
    int fahrzeug = 0;
    for (auto _ : state) {
        fahrzeug = (fahrzeug + 7) % FlottenFahrzeuge;
        f.ab.listenZiehen = 2;
        FahrzeugAufFeldAblegen(f.ab, &f.ab.fahrzeuge[fahrzeug], 0);
        f.malen();
        if (f.ab.felder[0].kennung != f.ab.fahrzeuge[fahrzeug].kennung)
            state.SkipWithError("the vehicle is not in the field");
    }
}
BENCHMARK(Ablegen_NachRechts)->Unit(benchmark::kMillisecond);

// Only the repaint of the same windows.
static void Ablegen_NurMalen(benchmark::State& state) {
    FlotteMitFenstern f;
    for (auto _ : state)
        f.malen();
}
BENCHMARK(Ablegen_NurMalen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("vehicle dropped on a field, Nach Rechts (415 move)", "Ablegen_NachRechts",
            "repainting the same windows", "Ablegen_NurMalen", Grenze::Millisekunden, 16.0);

// The same drop, recorded as a step, then taken back, everything repainted: the undo key right
// after a drop.
static void Ablegen_Rueckgaengig(benchmark::State& state) {
    FlotteMitFenstern f;
    f.ab.einfuegemodus = NachRechts;
    f.ab.listenmodus = LetztesFenster;
    const Feld vorher = f.ab.felder[0];
    int fahrzeug = 0;
    for (auto _ : state) {
        fahrzeug = (fahrzeug + 7) % FlottenFahrzeuge;
        FahrzeugAufFeldAblegen(f.ab, &f.ab.fahrzeuge[fahrzeug], 0);
        Rueckgaengig(f.ab);
        f.malen();
        if (!(f.ab.felder[0] == vorher))
            state.SkipWithError("the drop was not taken back");
    }
}
BENCHMARK(Ablegen_Rueckgaengig)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("vehicle drop recorded and undone (415 move)", "Ablegen_Rueckgaengig",
            "the drop alone, repainted", "Ablegen_NachRechts", Grenze::Millisekunden, 16.7);

// A resize: the grid for the new size given to all eight windows, the visible one repainted.
static void Raster_NachGroessenaenderung(benchmark::State& state) {
    FlotteMitFenstern f;
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
    FlotteMitFenstern f;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        f.form1.tabFrame(f.form1.aktuellesFenster()).repaint();
    }
}
BENCHMARK(Raster_NurMalen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("grid layout of all 416 fields after a resize", "Raster_NachGroessenaenderung",
            "repainting the window at the same size", "Raster_NurMalen", Grenze::Millisekunden, 8.0);
