#include "actions/Aktionen.h"

#include "Flotte.h"
#include "Ziele.h"
#include "core/actions/AktionenGenerieren.h"
#include "core/actions/Aktionsliste.h"
#include "core/common/Fortschritt.h"
#include "core/files/DateiLesen.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

using namespace tabulo;
using namespace tabulo::bench;

namespace {

// The action window on the fleet, shown.
struct FlotteMitAktionen : Flotte {
    FesteRueckfrage rueckfrage{Antwort::Ja};
    Fortschritt ohne;
    Aktionen fenster{ab, rueckfrage, ohne};
    FlotteMitAktionen() {
        fenster.show();
        QCoreApplication::processEvents();
    }
    // What the user sees after the list changed: the list at its end, painted.
    void zeigen() {
        QCoreApplication::processEvents();
        fenster.ListView1->scrollToBottom();
        fenster.ListView1->viewport()->repaint();
        fenster.Anzahl->repaint();
    }
};

// Every vehicle, every status, direction 0: 100,000 actions.
GenerierAuswahl alleStati() {
    GenerierAuswahl a;
    a.stati.fill(true);
    a.richtung[0] = true;
    return a;
}

} // namespace

// "Go!" with all ten statuses selected: 100,000 new actions, counted and shown.
static void Aktionen_Generieren(benchmark::State& state) {
    FlotteMitAktionen f;
    f.fenster.auswahlZeigen(alleStati());
    for (auto _ : state) {
        state.PauseTiming();
        f.ab.aktionen.clear();
        f.ab.aktionenGeaendert(false);
        f.zeigen();
        state.ResumeTiming();
        f.fenster.ButtonAutoGen->click();
        f.zeigen();
    }
    if (f.ab.aktionen.size() != FlottenAktionen)
        state.SkipWithError("wrong number of actions");
}
BENCHMARK(Aktionen_Generieren)->Unit(benchmark::kMillisecond);

// The window taking a list of 100,000 actions it did not show yet: counted and shown.
static void Aktionen_Zeigen(benchmark::State& state) {
    FlotteMitAktionen f;
    std::vector<Aktion> alle = f.ab.aktionen;
    for (auto _ : state) {
        state.PauseTiming();
        f.ab.aktionen.clear();
        f.ab.aktionenGeaendert(false);
        f.zeigen();
        f.ab.aktionen = alle;
        state.ResumeTiming();
        f.ab.aktionenGeaendert(false);
        f.zeigen();
    }
}
BENCHMARK(Aktionen_Zeigen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("generating 100,000 actions and showing them", "Aktionen_Generieren",
            "showing 100,000 actions already made", "Aktionen_Zeigen", Grenze::Millisekunden, 300.0);

// Importing the fleet's own action file: every identity is there, the answer is Ja.
static void Aktionen_Import(benchmark::State& state) {
    FlotteMitAktionen f;
    const QString pfad = f.pfad(QStringLiteral("Aktion.BIN"));
    for (auto _ : state) {
        const ImportErgebnis e = AktionenImportieren(f.ab, pfad, f.rueckfrage, f.ohne);
        f.zeigen();
        if (e.ueberschrieben != FlottenAktionen || e.angehaengt != 0)
            state.SkipWithError("not every action was overwritten");
    }
}
BENCHMARK(Aktionen_Import)->Unit(benchmark::kMillisecond);

// Loading the same file, the least an import has to do.
static void Aktionen_Laden(benchmark::State& state) {
    FlotteMitAktionen f;
    const QString pfad = f.pfad(QStringLiteral("Aktion.BIN"));
    for (auto _ : state) {
        if (AktionenLaden(f.ab, pfad, f.rueckfrage, f.ohne) != LadeErgebnis::Geladen)
            state.SkipWithError("not loaded");
        f.zeigen();
    }
}
BENCHMARK(Aktionen_Laden)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("action import 100,000 into 100,000, all Ja", "Aktionen_Import", "loading the same file",
            "Aktionen_Laden", Grenze::Millisekunden, 1000.0);

// The load alone, without a window; its baseline is with the other loads'.
static void Laden_Aktionen(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage rueckfrage(Antwort::Ok);
    Fortschritt ohne;
    for (auto _ : state)
        if (AktionenLaden(f.ab, f.pfad(QStringLiteral("Aktion.BIN")), rueckfrage, ohne) !=
            LadeErgebnis::Geladen)
            state.SkipWithError("not loaded");
}
BENCHMARK(Laden_Aktionen)->Unit(benchmark::kMillisecond);
