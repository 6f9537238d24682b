#pragma once

#include "files/DateiSchreiber.h"
#include "model/Aktion.h"

#include <QString>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class EinstellungsSpeicher;
class Fortschritt;
class Rueckfrage;

inline const QString AktionDateiName = QStringLiteral("Aktion.BIN");

// The count label `Anzahl`: above 999 entries it warns in red (the host reads no more), but
// nothing stops the list from growing.
struct AnzahlAnzeige {
    QString text;
    bool rot = false;
    bool operator==(const AnzahlAnzeige&) const = default;
};
AnzahlAnzeige anzahlAnzeige(qsizetype anzahl);

// What makes two actions the same: Kennung, status and direction as the record would hold
// them (Kennung cut or padded to 8, first status character or a blank, direction digit).
QString aktionsIdentitaet(const Aktion& aktion);

enum class LadeErgebnis {
    Geladen,
    DateiFehlt, // the list stays, the flag is cleared all the same
    Abgewiesen, // wrong length, unknown direction or unreadable: told, nothing changed
};

// Replaces the action list by the records of the file. A file whose length is no whole number
// of records, or one with a direction other than "0", "1" or a blank, is refused as a whole.
LadeErgebnis AktionenLaden(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage,
                           Fortschritt& fortschritt);

// The file's bytes for the current list, in list order.
QByteArray aktionenDateiInhalt(const std::vector<Aktion>& aktionen);

// Writes the list through the workspace's writer; the flag is cleared only after success.
SchreibErgebnis aktionenSchreiben(Arbeitsbereich& ab, const QString& pfad);

// As above, and tells the user which file failed and why. True when written.
bool AktionenSpeichern(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage);

struct ImportErgebnis {
    bool gelesen = false; // false: no file, or the file was refused; nothing changed
    int angehaengt = 0;
    int ueberschrieben = 0; // entries rewritten by "Ja"
    int uebersprungen = 0;  // records skipped by "Nein"
    bool abgebrochen = false;
};

// Merges the records of another file. A record with the identity of an entry that was there
// before the import asks once whether such entries are to be overwritten; Cancel stops the
// import after the records before it.
ImportErgebnis AktionenImportieren(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage,
                                   Fortschritt& fortschritt);

// Removes the entries whose row is marked (rows beyond the list are ignored). Returns how many
// went. Removing marks the actions as unsaved, so neither the quit question nor save-all
// forgets a deletion.
int AktionenEntfernen(Arbeitsbereich& ab, const std::vector<bool>& markiert);
void AlleAktionenLoeschen(Arbeitsbereich& ab);

// The host's switch whether it may run actions, "AktionErlaubt" in "Einstellungen".
bool aktionenErlaubt(const EinstellungsSpeicher& speicher);
void aktionenErlaubtSpeichern(EinstellungsSpeicher& speicher, bool erlaubt);

} // namespace tabulo
