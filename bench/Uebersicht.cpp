#include "app/FensterAnsicht.h"
#include "app/Form1.h"
#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "files/StatusDatei.h"
#include "model/Arbeitsbereich.h"
#include "model/FeldInhalt.h"
#include "model/Fortschritt.h"
#include "model/Rueckfrage.h"
#include "model/StatusUebersicht.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace tabulo;

namespace {
class StummeRueckfrage : public Rueckfrage {
public:
    Antwort frage(const QString&, const QString&, Knoepfe, Symbol) override { return Antwort::Ok; }
    std::optional<QString> dateiWaehlen(const DateiDialog&) override { return std::nullopt; }
    std::optional<Farbe> farbeWaehlen(Farbe) override { return std::nullopt; }
};

void fahrzeugeFuellen(Arbeitsbereich& ab) {
    for (int i = 0; i < AnzahlFelder; ++i)
        feldMitFahrzeug(ab, ab.felder[i], QStringLiteral("Flo MU %1").arg(i % 1000, 3, 10, QLatin1Char('0')),
                        QStringLiteral("6A%1").arg(i, 6, 10, QLatin1Char('0')), QString::number(i % 10),
                        QStringLiteral("12:34:56"), QStringLiteral("HLF 20"));
}
} // namespace

// Laying out all 416 fields for a new window size, as a resize does.
static void BM_RasterAnwenden(benchmark::State& state) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    ab.startFertig = 10;
    StummeRueckfrage rueckfrage;
    Form1 form(ab, rueckfrage);
    form.show();
    int breite = 800;
    for (auto _ : state) {
        breite = breite == 800 ? 1200 : 800;
        form.resize(breite, 700);
        form.rasterAnwenden();
    }
}
BENCHMARK(BM_RasterAnwenden)->Unit(benchmark::kMillisecond);

// Painting one window of 52 vehicle fields at a large size.
static void BM_FensterMalen(benchmark::State& state) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    fahrzeugeFuellen(ab);
    FensterAnsicht ansicht(ab, 1);
    ansicht.setzeRaster(rasterBerechnen(24000, 15000));
    ansicht.resize(1600, 1000);
    QImage bild(ansicht.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&bild);
        ansicht.render(&p);
    }
}
BENCHMARK(BM_FensterMalen)->Unit(benchmark::kMillisecond);

// Reading an overview of 416 vehicle fields against a fleet of n vehicles.
static void BM_StatusSaetzeEintragen(benchmark::State& state) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    for (int i = 0; i < state.range(0); ++i) {
        Fahrzeug f;
        f.kennung = QStringLiteral("6A%1").arg(i, 6, 10, QLatin1Char('0'));
        f.stat = QStringLiteral("2");
        ab.fahrzeuge.push_back(f);
    }
    fahrzeugeFuellen(ab);
    const QByteArray daten = statusDateiBilden(ab);
    for (auto _ : state)
        statusSaetzeEintragen(ab, daten, nullptr);
}
BENCHMARK(BM_StatusSaetzeEintragen)->Arg(100000)->Unit(benchmark::kMillisecond);
