#pragma once

#include "core/actions/Aktion.h"
#include "core/files/DateiSchreiber.h"

#include <QString>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class EinstellungsSpeicher;
class Fortschritt;
class Rueckfrage;

inline const QString AktionDateiName = QStringLiteral("Aktion.BIN");

// The count label `Anzahl`. After an import or a generation it warns in red above 999 entries
// (the host reads no more), but nothing stops the list from growing; a load or a deletion
// shows the count alone.
struct AnzahlAnzeige {
    QString text;
    bool rot = false;
    bool operator==(const AnzahlAnzeige&) const = default;
};
AnzahlAnzeige anzahlAnzeige(const Arbeitsbereich& ab);

// What makes two actions the same: Kennung, status and direction as the record would hold
// them (Kennung cut or padded to 8, first status character or a blank, direction digit).
QString aktionsIdentitaet(const Aktion& aktion);

enum class LadeErgebnis {
    Geladen,
    DateiFehlt, // the list stays, the flag is cleared all the same
    Abgewiesen, // wrong length or unreadable: told, nothing changed
};

// Replaces the action list by the records of the file. A file whose length is no whole number
// of records is refused as a whole, and save-all keeps off it until the list is changed
// (see `aktionDateiGeschuetzt`). A direction byte is read as a number: a digit gives its
// value, anything else direction 0.
LadeErgebnis AktionenLaden(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage,
                           Fortschritt& fortschritt);

// Whether the file at pfad is the action file refused last and the list has not been changed
// since; save-all does not write over it then.
bool aktionDateiGeschuetzt(const Arbeitsbereich& ab, const QString& pfad);
// The actions were not written because pfad is that file: they stay unsaved, and the user is
// told under `titel` how to save them. Save-all and the "Ja" of the load question both keep off.
void aktionDateiGeschuetztMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& titel,
                                 const QString& pfad);

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

// The import's merge of records already decoded, as one step named `name`.
ImportErgebnis aktionenZusammenfuehren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, std::vector<Aktion> saetze,
                                       const QString& name);

// Fills the call name (looked up in the vehicle list) and the direction's name of new entries.
void aktionenNachschlagen(const Arbeitsbereich& ab, std::vector<Aktion>& aktionen);

// Removes the entries whose row is marked (rows beyond the list are ignored). Returns how many
// went. Removing marks the actions as unsaved, so neither the quit question nor save-all
// forgets a deletion.
int AktionenEntfernen(Arbeitsbereich& ab, const std::vector<bool>& markiert);
void AlleAktionenLoeschen(Arbeitsbereich& ab);

// The host's switch whether it may run actions, "AktionErlaubt" in "Einstellungen".
bool aktionenErlaubt(const EinstellungsSpeicher& speicher);
void aktionenErlaubtSpeichern(EinstellungsSpeicher& speicher, bool erlaubt);

} // namespace tabulo
