#include "Flotte.h"
#include "Ziele.h"
#include "actions/Aktionen.h"
#include "app/Anwendung.h"
#include "overview/Form1.h"
#include "overview/Menue.h"
#include "vehicles/Form2.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTreeView>
#include <QWindow>
#include <memory>

using namespace tabulo;
using namespace tabulo::bench;

namespace {

// Counts the paints of a widget.
struct Maler : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The program started on the fleet's folder, both windows shown, the action window not yet
// opened. Settings in memory, so nothing reaches the user's store.
struct GestarteteFlotte {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    FesteRueckfrage rueckfrage{Antwort::Ok};
    std::unique_ptr<Anwendung> anwendung;
    explicit GestarteteFlotte(const QString& ordner) {
        flottenEinstellungen(speicher);
        QDir::setCurrent(ordner);
        anwendung = std::make_unique<Anwendung>(ab, rueckfrage);
        anwendung->starten();
        for (int runde = 0; runde < 1000 && !anwendung->form2().windowHandle(); ++runde)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};

} // namespace

// "Aktionen" chosen in the menu for the first time on a fleet with 100,000 actions: the file is
// read, the window built and shown, until its list has been painted.
static void Aktionsfenster_ErstesMal(benchmark::State& state) {
    Flotte f; // the fleet's files
    const QString ordner = f.ordner.path();
    const QString vorher = QDir::currentPath();
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<GestarteteFlotte>(ordner);
        Maler maler;
        state.ResumeTiming();
        g->anwendung->form1().menue.MenuAktionen->trigger();
        QWidget* liste = g->anwendung->aktionen()->ListView1->viewport();
        liste->installEventFilter(&maler);
        for (int runde = 0; runde < 1000 && maler.paints == 0; ++runde)
            QCoreApplication::processEvents();
        state.PauseTiming();
        if (maler.paints == 0 || g->ab.aktionen.size() != FlottenAktionen)
            state.SkipWithError("the list was not painted with every action");
        liste->removeEventFilter(&maler);
        g.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    QDir::setCurrent(vorher);
}
BENCHMARK(Aktionsfenster_ErstesMal)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("action window opened first (100,000 actions)", "Aktionsfenster_ErstesMal",
            "loading Aktion.BIN alone", "Laden_Aktionen", Grenze::Millisekunden, 33.3);
