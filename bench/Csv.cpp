#include "Flotte.h"
#include "Ziele.h"
#include "core/common/CsvTabelle.h"
#include "core/files/DateiLesen.h"
#include "core/vehicles/FahrzeugModelle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "vehicles/FahrzeugListView.h"
#include "vehicles/Form2.h"

#include <QCoreApplication>
#include <QLineEdit>

using namespace tabulo;
using namespace tabulo::bench;

namespace {
// What a user types into the filter box, one key at a time, and takes back again.
const QStringList Tasten = {"F",     "Fl",   "Flo", "Flo ", "Flo 1", "Flo 12",
                            "Flo 1", "Flo ", "Flo", "Fl",   "F",     ""};
} // namespace

// One key in the vehicle list window's filter box: both lists filtered and repainted.
static void Filtern_Taste(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage rueckfrage(Antwort::Ja);
    Form2 form2(f.ab, rueckfrage);
    form2.show();
    QCoreApplication::processEvents();
    int k = 0;
    for (auto _ : state) {
        form2.Suche->setText(Tasten[k++ % Tasten.size()]);
        form2.ListView1->viewport()->repaint();
        form2.ListView2->viewport()->repaint();
    }
}
BENCHMARK(Filtern_Taste)->Unit(benchmark::kMillisecond);

// The same texts matched against every vehicle, without the window.
static void Filtern_NurVergleich(benchmark::State& state) {
    Flotte f;
    int k = 0;
    for (auto _ : state) {
        const QString text = Tasten[k++ % Tasten.size()];
        int treffer = 0;
        for (const Fahrzeug& fz : f.ab.fahrzeuge)
            treffer += fahrzeugPasst(fz, text);
        benchmark::DoNotOptimize(treffer);
    }
}
BENCHMARK(Filtern_NurVergleich)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("vehicle filter, one key (10,000 vehicles)", "Filtern_Taste", "matching the vehicles alone",
            "Filtern_NurVergleich", Grenze::Millisekunden, 16.7);

// The fleet's vehicle list exported and imported back from the file: every row present, all Ja.
static void CsvImport_Fahrzeuge(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage rueckfrage(Antwort::Ja);
    const QString pfad = f.pfad(QStringLiteral("Fahrzeuge.csv"));
    f.schreiber.schreiben(pfad, csvExportieren(f.ab, CsvTabelle::Fahrzeuge, {}));
    for (auto _ : state) {
        state.PauseTiming();
        f.zuruecksetzen();
        state.ResumeTiming();
        const CsvDaten d = csvLesen(*dateiLesen(pfad).daten);
        const auto b = csvImportieren(f.ab, rueckfrage, CsvTabelle::Fahrzeuge, d,
                                      csvZuordnungVorschlagen(d, CsvTabelle::Fahrzeuge, true), true);
        if (b.aktualisiert != FlottenFahrzeuge)
            state.SkipWithError("not every row updated");
    }
}
BENCHMARK(CsvImport_Fahrzeuge)->Unit(benchmark::kMillisecond);

static void CsvImport_Lesen(benchmark::State& state) {
    Flotte f;
    const QString pfad = f.pfad(QStringLiteral("Fahrzeuge.csv"));
    f.schreiber.schreiben(pfad, csvExportieren(f.ab, CsvTabelle::Fahrzeuge, {}));
    for (auto _ : state)
        benchmark::DoNotOptimize(dateiLesen(pfad));
}
BENCHMARK(CsvImport_Lesen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("CSV import 10,000 into 10,000, all Ja", "CsvImport_Fahrzeuge", "reading the CSV bytes",
            "CsvImport_Lesen", Grenze::Millisekunden, 100.0);

// Export of the 100,000 actions into a file.
static void CsvExport_Aktionen(benchmark::State& state) {
    Flotte f;
    const QString pfad = f.pfad(QStringLiteral("Aktionen.csv"));
    for (auto _ : state)
        if (!f.schreiber.schreiben(pfad, csvExportieren(f.ab, CsvTabelle::Aktionen, {})))
            state.SkipWithError("not written");
}
BENCHMARK(CsvExport_Aktionen)->Unit(benchmark::kMillisecond);

static void CsvExport_Schreiben(benchmark::State& state) {
    Flotte f;
    const QString pfad = f.pfad(QStringLiteral("Aktionen.csv"));
    const QByteArray bytes = csvExportieren(f.ab, CsvTabelle::Aktionen, {});
    for (auto _ : state)
        if (!f.schreiber.schreiben(pfad, bytes))
            state.SkipWithError("not written");
}
BENCHMARK(CsvExport_Schreiben)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("CSV export of 100,000 actions", "CsvExport_Aktionen", "a plain write of the same bytes",
            "CsvExport_Schreiben", Grenze::Millisekunden, 200.0);
