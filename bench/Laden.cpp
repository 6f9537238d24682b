#include "Flotte.h"
#include "Ziele.h"
#include "core/common/Fortschritt.h"
#include "core/files/AktionDatei.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/OrteDatei.h"
#include "core/files/StatusDatei.h"
#include "core/overview/StatusUebersicht.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/places/Ortstabelle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <vector>

using namespace tabulo;
using namespace tabulo::bench;

// Each load of a fleet file beside reading and decoding its records and doing what must follow
// them: the list of vehicles not placed after Status.BIN and Fahrzeug.BIN, the slot table after
// Orte.BIN. The loads run on the fleet's workspace, so the overview looks its vehicles up in
// 10,000 entries and the refresh covers them all. A load holds within one 60 Hz frame.

namespace {
constexpr double EinFrameMs = 16.7;

template <typename Dekodieren>
void dekodieren(Flotte& f, const QString& name, qsizetype satzLaenge, Dekodieren satz) {
    const LeseErgebnis gelesen = dateiLesen(f.pfad(name));
    const QByteArrayView daten(*gelesen.daten);
    for (qsizetype pos = 0; pos + satzLaenge <= daten.size(); pos += satzLaenge)
        benchmark::DoNotOptimize(satz(daten.sliced(pos, satzLaenge)));
}

// What follows the vehicle and overview loads; the fleet's workspace holds what they load.
void nichtAufgenommen(Flotte& f) {
    FahrzeuglisteAktualisieren(f.ab);
}

void ortstabelle(const QStringList& saetze, const Arbeitsbereich& ab) {
    Ortstabelle orte;
    for (const QString& satz : saetze)
        orte.satzEinfuegen(satz);
    orte.listeBilden(ab.bosName);
    benchmark::DoNotOptimize(orte);
}
} // namespace

static void Laden_Status(benchmark::State& state) {
    Flotte f;
    Fortschritt ohne;
    for (auto _ : state)
        if (StatusLaden(f.ab, f.pfad(QStringLiteral("Status.BIN")), ohne).art != StatusLadeErgebnis::Geladen)
            state.SkipWithError("not loaded");
}
BENCHMARK(Laden_Status)->Unit(benchmark::kMillisecond);
static void Dekodieren_Status(benchmark::State& state) {
    Flotte f;
    for (auto _ : state) {
        dekodieren(f, QStringLiteral("Status.BIN"), StatusSatzLaenge, statusSatzLesen);
        nichtAufgenommen(f);
    }
}
BENCHMARK(Dekodieren_Status)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Status.BIN (416 fields)", "Laden_Status", "reading, decoding, the list not placed",
            "Dekodieren_Status", Grenze::Verhaeltnis, 1.5, EinFrameMs);

// The fields filled from the same records, as a load must fill them: each vehicle record matched
// to its row among the 10,000 vehicles, then the list not placed. The floor of the status load.
static void Dekodieren_StatusEintragen(benchmark::State& state) {
    Flotte f;
    for (auto _ : state) {
        const LeseErgebnis gelesen = dateiLesen(f.pfad(QStringLiteral("Status.BIN")));
        statusSaetzeEintragen(f.ab, *gelesen.daten, nullptr);
        nichtAufgenommen(f);
    }
}
BENCHMARK(Dekodieren_StatusEintragen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Status.BIN, floor: fields filled", "Laden_Status",
            "reading, decoding, matching the vehicles, the list", "Dekodieren_StatusEintragen", Grenze::Keine,
            0.0);

static void Laden_Fahrzeuge(benchmark::State& state) {
    Flotte f;
    FesteRueckfrage rueckfrage(Antwort::Ok);
    for (auto _ : state)
        if (!FahrzeuglisteLaden(f.ab, rueckfrage, f.pfad(QStringLiteral("Fahrzeug.BIN"))))
            state.SkipWithError("not loaded");
}
BENCHMARK(Laden_Fahrzeuge)->Unit(benchmark::kMillisecond);
static void Dekodieren_Fahrzeuge(benchmark::State& state) {
    Flotte f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            fahrzeugSaetzeLesen(*dateiLesen(f.pfad(QStringLiteral("Fahrzeug.BIN"))).daten));
        nichtAufgenommen(f);
    }
}
BENCHMARK(Dekodieren_Fahrzeuge)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Fahrzeug.BIN (10,000 vehicles)", "Laden_Fahrzeuge",
            "reading, decoding, the list not placed", "Dekodieren_Fahrzeuge", Grenze::Verhaeltnis, 1.5,
            EinFrameMs);

static void Laden_Orte(benchmark::State& state) {
    Flotte f;
    for (auto _ : state)
        if (!OrteLaden(f.ab, f.pfad(QStringLiteral("Orte.BIN"))))
            state.SkipWithError("not loaded");
}
BENCHMARK(Laden_Orte)->Unit(benchmark::kMillisecond);
static void Dekodieren_Orte(benchmark::State& state) {
    Flotte f;
    for (auto _ : state)
        ortstabelle(ortSaetzeLesen(*dateiLesen(f.pfad(QStringLiteral("Orte.BIN"))).daten), f.ab);
}
BENCHMARK(Dekodieren_Orte)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Orte.BIN (200 places)", "Laden_Orte", "reading, decoding, the slot table",
            "Dekodieren_Orte", Grenze::Verhaeltnis, 1.5, EinFrameMs);

static void Dekodieren_Aktionen(benchmark::State& state) {
    Flotte f;
    for (auto _ : state)
        dekodieren(f, QStringLiteral("Aktion.BIN"), AktionSatzLaenge, aktionSatzLesen);
}
BENCHMARK(Dekodieren_Aktionen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Aktion.BIN (100,000 actions)", "Laden_Aktionen", "reading and decoding its records",
            "Dekodieren_Aktionen", Grenze::Verhaeltnis, 1.5, EinFrameMs);

// The same records decoded and kept, as a load must keep them, the previous ones freed: the
// floor of the action load, which has 100,000 entries to write to fresh memory.
static void Dekodieren_AktionenBehalten(benchmark::State& state) {
    Flotte f;
    std::vector<AktionSatz> behalten;
    for (auto _ : state) {
        const LeseErgebnis gelesen = dateiLesen(f.pfad(QStringLiteral("Aktion.BIN")));
        const QByteArrayView daten(*gelesen.daten);
        std::vector<AktionSatz> neu;
        neu.reserve(static_cast<size_t>(daten.size() / AktionSatzLaenge));
        for (qsizetype pos = 0; pos + AktionSatzLaenge <= daten.size(); pos += AktionSatzLaenge)
            neu.push_back(aktionSatzLesen(daten.sliced(pos, AktionSatzLaenge)));
        behalten = std::move(neu);
    }
}
BENCHMARK(Dekodieren_AktionenBehalten)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("load Aktion.BIN, floor: records kept", "Laden_Aktionen",
            "reading, decoding, keeping the records", "Dekodieren_AktionenBehalten", Grenze::Keine, 0.0);

// What follows a load on its own, inside the baselines above: shown for scale.
static void Nachher_NichtAufgenommen(benchmark::State& state) {
    Flotte f;
    for (auto _ : state)
        nichtAufgenommen(f);
}
BENCHMARK(Nachher_NichtAufgenommen)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("the list not placed alone (10,000 vehicles)", "Nachher_NichtAufgenommen",
            "reading, decoding Fahrzeug.BIN, the list", "Dekodieren_Fahrzeuge", Grenze::Keine, 0.0);

static void Nachher_Ortstabelle(benchmark::State& state) {
    Flotte f;
    const QStringList saetze = ortSaetzeLesen(flottenDateien().orte);
    for (auto _ : state)
        ortstabelle(saetze, f.ab);
}
BENCHMARK(Nachher_Ortstabelle)->Unit(benchmark::kMillisecond);
TABULO_ZIEL("the slot table alone (200 places)", "Nachher_Ortstabelle",
            "reading, decoding Orte.BIN, the table", "Dekodieren_Orte", Grenze::Keine, 0.0);
