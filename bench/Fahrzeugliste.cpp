#include "model/Fahrzeugliste.h"

#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "files/FahrzeugDatei.h"
#include "model/Arbeitsbereich.h"
#include "model/FahrzeugModelle.h"
#include "model/FahrzeuglisteDatei.h"
#include "model/Rueckfrage.h"
#include "vehicles/FahrzeugListView.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tabulo;

namespace {

// Answers every question with Ja.
struct JaRueckfrage : Rueckfrage {
    Antwort frage(const QString&, const QString&, Knoepfe, Symbol) override { return Antwort::Ja; }
    std::optional<QString> dateiWaehlen(const DateiDialog&) override { return std::nullopt; }
    std::optional<Farbe> farbeWaehlen(Farbe) override { return std::nullopt; }
};

std::vector<Fahrzeug> flotte(int n) {
    std::vector<Fahrzeug> liste;
    for (int i = 0; i < n; ++i) {
        Fahrzeug f;
        f.kennung = QStringLiteral("%1").arg(i * 7919 % n, 8, 16, QLatin1Char('0')).toUpper();
        f.rufname = QStringLiteral("Fzg %1").arg(i);
        f.stat = QStringLiteral("2");
        f.zeit = QStringLiteral("12:00:00");
        f.folgetelegramm = QStringLiteral("00");
        liste.push_back(f);
    }
    return liste;
}

QString flottenDatei(const QTemporaryDir& ordner, int n) {
    QByteArray bytes;
    for (const Fahrzeug& f : flotte(n))
        bytes += fahrzeugSatzSchreiben(f, false);
    const QString pfad = ordner.filePath(QStringLiteral("Fahrzeug.BIN"));
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(bytes);
    return pfad;
}

struct Umfeld {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    JaRueckfrage rf;
    QTemporaryDir ordner;
};

} // namespace

// Loading a fleet file into the list with both list views attached.
static void BM_FahrzeuglisteLadenMitAnsicht(benchmark::State& state) {
    Umfeld u;
    const QString pfad = flottenDatei(u.ordner, static_cast<int>(state.range(0)));
    FahrzeugModell m1(u.ab);
    NichtAufgenommenModell m2(u.ab);
    FahrzeugListView v1(m1);
    FahrzeugListView v2(m2);
    v1.resize(600, 300);
    v2.resize(600, 300);
    for (auto _ : state)
        FahrzeuglisteLaden(u.ab, u.rf, pfad);
}
BENCHMARK(BM_FahrzeuglisteLadenMitAnsicht)->Arg(10000)->Unit(benchmark::kMillisecond);

// The refresh that follows every change of vehicles or fields.
static void BM_FahrzeuglisteAktualisieren(benchmark::State& state) {
    Umfeld u;
    u.ab.fahrzeuge = flotte(static_cast<int>(state.range(0)));
    for (int i = 0; i < AnzahlFelder; ++i)
        u.ab.felder[i].kennung = u.ab.fahrzeuge[i].kennung;
    FahrzeugModell m1(u.ab);
    NichtAufgenommenModell m2(u.ab);
    for (auto _ : state)
        FahrzeuglisteAktualisieren(u.ab);
}
BENCHMARK(BM_FahrzeuglisteAktualisieren)->Arg(10000)->Unit(benchmark::kMillisecond);

// A column click: sorting the list and keeping the selection.
static void BM_SpalteSortieren(benchmark::State& state) {
    Umfeld u;
    u.ab.fahrzeuge = flotte(static_cast<int>(state.range(0)));
    FahrzeugModell m1(u.ab);
    NichtAufgenommenModell m2(u.ab);
    FahrzeugListView v1(m1);
    v1.selectionModel()->select(m1.index(5000, 0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (auto _ : state)
        m1.spalteGeklickt(1);
}
BENCHMARK(BM_SpalteSortieren)->Arg(10000)->Unit(benchmark::kMillisecond);

// Importing a fleet into itself: every record present, every one overwritten.
static void BM_ImportAllesVorhanden(benchmark::State& state) {
    Umfeld u;
    const QString pfad = flottenDatei(u.ordner, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        u.ab.fahrzeuge = flotte(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        FahrzeuglisteImportieren(u.ab, u.rf, pfad);
    }
}
BENCHMARK(BM_ImportAllesVorhanden)->Arg(10000)->Unit(benchmark::kMillisecond);
