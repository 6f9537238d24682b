#pragma once

#include "core/actions/Aktion.h"
#include "core/common/Farbe.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/Dateistand.h"
#include "core/overview/Feld.h"
#include "core/places/Ortstabelle.h"
#include "core/undo/Verlauf.h"
#include "core/vehicles/Fahrzeug.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tabulo {

class EinstellungsSpeicher;

// Bits of the unsaved-change flags.
enum Dokument : quint16 {
    DokFahrzeugliste = 1,
    DokStatusuebersicht = 2,
    DokOrtskennungen = 4,
    DokAktionen = 16,
};

// Insert modes of the overview and how far a list drop shifts.
enum Einfuegemodus : qint16 { NachRechts = 1, NachUnten = 2, Tauschen = 3, Ueberschreiben = 4 };
enum Listenmodus : qint16 { AktuellesFenster = 1, LetztesFenster = 2 };

// Sort state of the vehicle list (a column click sorts it and keeps it sorted).
struct Sortierung {
    bool aktiv = false;
    int spalte = 0;
    bool absteigend = false;
};

// The shared state of the program: the four documents, the reference tables read from the
// settings store, the flags and the few shared values. Windows hold a reference to it; every
// change of data goes through the model functions that take it.
class Arbeitsbereich : public QObject {
    Q_OBJECT

public:
    Arbeitsbereich(EinstellungsSpeicher& speicher, const DateiSchreiber& schreiber,
                   QObject* parent = nullptr);

    EinstellungsSpeicher& speicher() const { return m_speicher; }
    // Every file of the program is written through this one.
    const DateiSchreiber& schreiber() const { return *m_schreiber; }
    void setzeSchreiber(const DateiSchreiber& schreiber) { m_schreiber = &schreiber; }

    // Overview: 416 fields and the eight window titles (the tab captions).
    std::array<Feld, AnzahlFelder> felder;
    std::array<Farbe, AnzahlFelder> rahmenFarbe;
    std::array<QString, AnzahlFenster> fensterTitel = EntwurfsTitel;

    // Vehicle list in list order.
    std::vector<Fahrzeug> fahrzeuge;
    Sortierung sortierung;
    // Rows of the vehicle list whose identifier no field shows, as of the last refresh.
    std::vector<int> nichtAufgenommen;

    Ortstabelle orte;

    // Action list; exists once the action window has been opened.
    std::vector<Aktion> aktionen;
    bool aktionenMenueAktiv = false;
    // Whether the count label warns above 999 entries: import and generation do, load and
    // deletion show the count alone.
    bool aktionenAnzahlWarnen = false;
    // An action file refused on loading or importing. Save-all leaves it alone until the user
    // changes the action list, so unrelated unsaved actions never replace it unasked.
    QString abgewieseneAktionDatei;

    // Reference tables.
    std::array<Farbe, AnzahlStatusfarben> statusfarbe = StandardStatusfarben;
    std::array<QString, 16> bosName;
    std::array<QString, 16> landName;
    std::array<QString, 2> richtungsname;

    QString heute;            // "DD.MM.YY"
    QString startverzeichnis; // working directory at start-up
    qint16 startFertig = 0;   // 10 once start-up has finished
    qint16 einfuegemodus = NachUnten;
    qint16 listenmodus = AktuellesFenster;
    qint16 listenZiehen = 0;
    qint16 feldZiehen = 0;
    qint16 tabZiehen = 0;
    QString kennungsListe;
    // Default files whose several spellings the user has been told about, so each is told once.
    QStringList gemeldeteSchreibweisen;

    // Unsaved-change flags. Marking and freeing tell the history; undo and redo set the flags
    // from it.
    quint16 ungespeichert = 0;
    bool istUngespeichert(Dokument d) const { return (ungespeichert & d) != 0; }
    void markieren(quint16 bits);
    void freigeben(quint16 bits);
    void alleFreigeben();
    void ungespeichertSetzen(quint16 wert);

    // The undo history of every change above.
    Verlauf verlauf;

    // What each file looked like when it was last read or written, so that a file another
    // program changed since is not written over unasked.
    Dateistaende dateien;
    void dateiGemerkt(quint16 dokument, const QString& pfad, const Dateistand& stand);
    void dateiGelesen(quint16 dokument, const QString& pfad, QByteArrayView bytes) {
        dateiGemerkt(dokument, pfad, dateistandNach(pfad, bytes));
    }
    // Writes a document's file through the writer; a written file is remembered as ours.
    SchreibErgebnis dokumentSchreiben(quint16 dokument, const QString& pfad, const QByteArray& daten);

    // Background colour of a status label showing this caption.
    Farbe statusFarbeFuer(const QString& statusText) const;

    // Reads directions, status colours, window titles and the BOS/Landeskennung names.
    void einstellungenLesen();

    // Sets Heute from the given date.
    void setzeHeute(const QDate& datum);

    // Tell the windows that data changed.
    void felderGeaendert() { emit felderVeraendert(); }
    void fahrzeugeGeaendert() { emit fahrzeugeVeraendert(); }
    void orteGeaendert() { emit orteVeraendert(); }
    // The action list was loaded, imported, generated or cut: a refused file is no longer
    // protected from save-all.
    void aktionenGeaendert(bool anzahlWarnen) {
        aktionenAnzahlWarnen = anzahlWarnen;
        abgewieseneAktionDatei.clear();
        emit aktionenVeraendert();
    }
    void titelGeaendert() { emit titelVeraendert(); }
    // Only the box colours of fields changed (drag feedback).
    void rahmenGeaendert() { emit rahmenVeraendert(); }

signals:
    void felderVeraendert();
    void fahrzeugeVeraendert();
    void orteVeraendert();
    void aktionenVeraendert();
    void titelVeraendert();
    void rahmenVeraendert();
    void flagsVeraendert();
    // A document was read from or written to a file (see `dateien`).
    void dateienVeraendert();
    // The BOS and Landeskennung names were read; pick lists built from them follow.
    void namenVeraendert();

private:
    EinstellungsSpeicher& m_speicher;
    const DateiSchreiber* m_schreiber;
};

// Reads a stored colour number; anything that is not a whole number from 0 to 0xFFFFFF
// gives the fallback.
Farbe gespeicherteFarbe(const QString& text, Farbe ersatz);

} // namespace tabulo
