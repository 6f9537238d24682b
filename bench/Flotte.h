#pragma once

#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fleet as large as the program is built for, shared by every benchmark: 10,000 vehicles,
// all 416 fields showing one of them, 200 places and 100,000 actions (every vehicle with all
// ten statuses in direction 0, as the generation makes them).
namespace tabulo::bench {

constexpr int FlottenFahrzeuge = 10000;
constexpr int FlottenOrte = 200;
constexpr int FlottenAktionen = FlottenFahrzeuge * 10;
inline const QString AktionsVorlage = QStringLiteral("C:\\Programme\\Velastat\\Kestrix.exe *?");

// The host program's settings of the fleet: titles, colours, names, directions.
void flottenEinstellungen(EinstellungsSpeicher& speicher);

// The four data files of the fleet, built once.
struct FlottenDateien {
    QByteArray status, fahrzeuge, orte, aktionen;
};
const FlottenDateien& flottenDateien();

// Writes them as Status.BIN, Fahrzeug.BIN, Orte.BIN and Aktion.BIN into a folder.
void flottenDateienSchreiben(const QString& ordner);

// For the cases that start a process: the fleet's files into a folder and its settings into the
// system store, which the benchmark program points at a configuration folder of its own.
void flotteFuerProzesseSchreiben(const QString& ordner);
// A folder written so, once for every such case.
const QString& prozessOrdner();

// A workspace holding the fleet as the start-up and the action window's first opening leave it,
// and a folder with the fleet's files.
struct Flotte {
    Flotte();
    Flotte(const Flotte&) = delete;
    Flotte& operator=(const Flotte&) = delete;

    QString pfad(const QString& name) const { return ordner.filePath(name); }
    // Puts the fleet's vehicles, fields and actions back after a case changed them; nothing to undo.
    void zuruecksetzen();

    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    QTemporaryDir ordner;
};

// Answers every question with the same button and chooses no file or colour.
struct FesteRueckfrage : Rueckfrage {
    explicit FesteRueckfrage(Antwort a) : antwort(a) {}
    Antwort frage(const QString&, const QString&, Knoepfe, Symbol) override { return antwort; }
    std::optional<QString> dateiWaehlen(const DateiDialog&) override { return std::nullopt; }
    std::optional<Farbe> farbeWaehlen(Farbe) override { return std::nullopt; }
    Antwort antwort;
};

} // namespace tabulo::bench
