#include "Flotte.h"
#include "Ziele.h"
#include "core/common/AllesSpeichern.h"
#include "core/common/Fortschritt.h"

#include <QDir>

using namespace tabulo;
using namespace tabulo::bench;

namespace {
// The working directory is the fleet's folder while a case runs, as save-all writes the actions
// there.
struct ImOrdner {
    QString vorher = QDir::currentPath();
    explicit ImOrdner(const QString& ordner) { QDir::setCurrent(ordner); }
    ~ImOrdner() { QDir::setCurrent(vorher); }
};
} // namespace

// "Alles Speichern" with every document unsaved: Status.BIN, Fahrzeug.BIN, Orte.BIN, Aktion.BIN;
// `vergleichen` false forgets the files first, so nothing is compared.
static void allesSpeichern(benchmark::State& state, bool vergleichen) {
    Flotte f;
    ImOrdner ordner(f.ordner.path());
    FesteRueckfrage rueckfrage(Antwort::Ok);
    Fortschritt ohne;
    for (auto _ : state) {
        f.ab.markieren(DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen);
        if (!vergleichen)
            f.ab.dateien = {};
        if (!AllesSpeichern(f.ab, rueckfrage, ohne))
            state.SkipWithError("not saved");
    }
}

static void AllesSpeichern_Flotte(benchmark::State& state) {
    allesSpeichern(state, true);
}
BENCHMARK(AllesSpeichern_Flotte)->Unit(benchmark::kMillisecond);

// Both hash what they write; the case above reads and hashes the four files it wrote the round
// before (just written, their times prove nothing), as every save does once after a write.
static void AllesSpeichern_OhneVergleich(benchmark::State& state) {
    allesSpeichern(state, false);
}
BENCHMARK(AllesSpeichern_OhneVergleich)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("save-all of the fleet, the four files checked first", "AllesSpeichern_Flotte",
            "the same save-all without the check", "AllesSpeichern_OhneVergleich", Grenze::Verhaeltnis, 1.1);

// The same bytes in one file, written safely once.
static void AllesSpeichern_EinSchreiben(benchmark::State& state) {
    Flotte f;
    const FlottenDateien& d = flottenDateien();
    const QByteArray alles = d.status + d.fahrzeuge + d.orte + d.aktionen;
    const QString pfad = f.pfad(QStringLiteral("Alles.BIN"));
    for (auto _ : state)
        if (!f.schreiber.schreiben(pfad, alles))
            state.SkipWithError("not written");
}
BENCHMARK(AllesSpeichern_EinSchreiben)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("save-all of the fleet (four files)", "AllesSpeichern_Flotte", "one safe write of the same bytes",
            "AllesSpeichern_EinSchreiben", Grenze::Verhaeltnis, 2.0);
