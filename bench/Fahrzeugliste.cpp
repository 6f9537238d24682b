#include "core/vehicles/Fahrzeugliste.h"

#include "Flotte.h"
#include "Ziele.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "vehicles/Form2.h"

#include <QCoreApplication>

using namespace tabulo;
using namespace tabulo::bench;

namespace {

// The vehicle list window on the fleet, shown, as it listens to every refresh.
struct FlotteMitForm2 : Flotte {
    FesteRueckfrage rueckfrage{Antwort::Ja};
    Form2 form2{ab, rueckfrage};
    FlotteMitForm2() {
        form2.show();
        QCoreApplication::processEvents();
    }
};

} // namespace

// The refresh after every change of vehicles or fields.
static void Aktualisieren(benchmark::State& state) {
    FlotteMitForm2 f;
    for (auto _ : state)
        FahrzeuglisteAktualisieren(f.ab);
    if (f.ab.nichtAufgenommen.size() != FlottenFahrzeuge - AnzahlFelder)
        state.SkipWithError("wrong number of vehicles not placed");
}
BENCHMARK(Aktualisieren)->Unit(benchmark::kMillisecond);

// The same pass with a plain text search per vehicle, as the list of identifiers is defined.
static void Aktualisieren_Textsuche(benchmark::State& state) {
    FlotteMitForm2 f;
    for (auto _ : state) {
        f.ab.kennungsListe = kennungsListeBilden(f.ab);
        f.ab.nichtAufgenommen.clear();
        for (int i = 0; i < static_cast<int>(f.ab.fahrzeuge.size()); ++i)
            if (!f.ab.kennungsListe.contains(f.ab.fahrzeuge[i].kennung))
                f.ab.nichtAufgenommen.push_back(i);
        f.ab.fahrzeugeGeaendert();
    }
}
BENCHMARK(Aktualisieren_Textsuche)->Unit(benchmark::kMillisecond);

TABULO_ZIEL("FahrzeuglisteAktualisieren", "Aktualisieren", "the same with a plain text search",
            "Aktualisieren_Textsuche", Grenze::Millisekunden, 2.0);

// Importing the fleet's own file: every record conflicts, the answer is Ja.
static void FahrzeugImport(benchmark::State& state) {
    FlotteMitForm2 f;
    const QString pfad = f.pfad(QStringLiteral("Fahrzeug.BIN"));
    for (auto _ : state) {
        state.PauseTiming();
        f.ab.fahrzeuge = fahrzeugSaetzeLesen(flottenDateien().fahrzeuge);
        FahrzeuglisteAktualisieren(f.ab);
        state.ResumeTiming();
        FahrzeuglisteImportieren(f.ab, f.rueckfrage, pfad);
    }
    if (f.ab.fahrzeuge.size() != FlottenFahrzeuge)
        state.SkipWithError("the import added vehicles");
}
BENCHMARK(FahrzeugImport)->Unit(benchmark::kMillisecond);

// Reading and decoding the same file, the least an import has to do.
static void FahrzeugImport_Dekodieren(benchmark::State& state) {
    Flotte f;
    const QString pfad = f.pfad(QStringLiteral("Fahrzeug.BIN"));
    for (auto _ : state)
        benchmark::DoNotOptimize(fahrzeugSaetzeLesen(*dateiLesen(pfad).daten));
}
BENCHMARK(FahrzeugImport_Dekodieren)->Unit(benchmark::kMillisecond);

TABULO_ZIEL("vehicle import 10,000 into 10,000, all Ja", "FahrzeugImport", "reading and decoding the file",
            "FahrzeugImport_Dekodieren", Grenze::Millisekunden, 100.0);
