#include "actions/Aktionen.h"

#include "files/AktionDatei.h"
#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "model/AktionenGenerieren.h"
#include "model/AktionenModell.h"
#include "model/Aktionsliste.h"
#include "model/Arbeitsbereich.h"
#include "model/Fortschritt.h"
#include "model/Rueckfrage.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

using namespace tabulo;

namespace {

struct StummeRueckfrage : Rueckfrage {
    Antwort frage(const QString&, const QString&, Knoepfe, Symbol) override { return Antwort::Abbrechen; }
    std::optional<QString> dateiWaehlen(const DateiDialog&) override { return std::nullopt; }
    std::optional<Farbe> farbeWaehlen(Farbe) override { return std::nullopt; }
};

// 10,000 vehicles; all ten statuses give 100,000 actions.
void flotte(Arbeitsbereich& ab) {
    for (int i = 0; i < 10000; ++i) {
        Fahrzeug f;
        f.rufname = QStringLiteral("Fzg %1").arg(i);
        f.kennung = QStringLiteral("6A%1").arg(i, 6, 16, QLatin1Char('0')).toUpper();
        ab.fahrzeuge.push_back(f);
    }
}

GenerierAuswahl alleStati() {
    GenerierAuswahl a;
    a.stati.fill(true);
    a.richtung[0] = true;
    a.vorlage = QStringLiteral("C:\\Programme\\Velastat\\Kestrix.exe *?");
    return a;
}

} // namespace

static void BM_AktionenGenerieren(benchmark::State& state) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    flotte(ab);
    for (auto _ : state) {
        ab.aktionen.clear();
        GenerierAuswahl a = alleStati();
        AktionenGenerieren(ab, a);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_AktionenGenerieren)->Unit(benchmark::kMillisecond);

static void BM_AktionenLadenUndSpeichern(benchmark::State& state) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    flotte(ab);
    GenerierAuswahl a = alleStati();
    AktionenGenerieren(ab, a);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Aktion.BIN"));
    aktionenSchreiben(ab, pfad);
    StummeRueckfrage rueckfrage;
    Fortschritt fortschritt;
    for (auto _ : state) {
        AktionenLaden(ab, pfad, rueckfrage, fortschritt);
        aktionenSchreiben(ab, pfad);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_AktionenLadenUndSpeichern)->Unit(benchmark::kMillisecond);

static void BM_AktionenImportInSichSelbst(benchmark::State& state) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    flotte(ab);
    GenerierAuswahl a = alleStati();
    AktionenGenerieren(ab, a);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Aktion.BIN"));
    aktionenSchreiben(ab, pfad);
    StummeRueckfrage rueckfrage; // answers Cancel at the first known record
    Fortschritt fortschritt;
    struct Ja : StummeRueckfrage {
        Antwort frage(const QString&, const QString&, Knoepfe, Symbol) override { return Antwort::Ja; }
    } ja;
    for (auto _ : state)
        AktionenImportieren(ab, pfad, ja, fortschritt);
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_AktionenImportInSichSelbst)->Unit(benchmark::kMillisecond);

// The window's list after 100,000 new actions: refresh, jump to the end, paint.
static void BM_AktionenListeZeigen(benchmark::State& state) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    flotte(ab);
    StummeRueckfrage rueckfrage;
    Fortschritt fortschritt;
    Aktionen fenster(ab, rueckfrage, fortschritt);
    fenster.show();
    for (auto _ : state) {
        ab.aktionen.clear();
        GenerierAuswahl a = alleStati();
        AktionenGenerieren(ab, a);
        fenster.ListView1->scrollToBottom();
        fenster.ListView1->viewport()->repaint();
        benchmark::DoNotOptimize(fenster.ListView1->verticalScrollBar()->value());
    }
}
BENCHMARK(BM_AktionenListeZeigen)->Unit(benchmark::kMillisecond);
