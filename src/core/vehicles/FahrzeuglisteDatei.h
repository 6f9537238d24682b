#pragma once

#include "core/files/DateiSchreiber.h"
#include "core/vehicles/Fahrzeug.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;
class Rueckfrage;

namespace fahrzeugtext {
inline const QString Laden = QStringLiteral("Fahrzeugliste Laden");
inline const QString Speichern = QStringLiteral("Fahrzeugliste Speichern");
inline const QString Importieren = QStringLiteral("Fahrzeugliste Importieren");
inline const QString UngueltigeDatei = QStringLiteral("Keine g\u00fcltige Fahrzeug-Datei!");
inline const QString ImportTitel = QStringLiteral("Fahrzeuge Importieren");
inline const QString ImportFrage = QStringLiteral(
    "Die zu importierenden Datei enth\u00e4lt Fahrzeuge, die bereits angelegt sind. Sollen diese "
    "existierenden Fahrzeuge von den importierten \u00fcberschrieben werden?");
} // namespace fahrzeugtext

// The file contents of a vehicle list and the entries as they look afterwards: every text
// padded to its record width. `Aufgenommen` says whether the (unpadded) identifier occurs in
// the given identifier list. `schritt(k, n)` is told about each entry k of n.
struct FahrzeugDateiInhalt {
    QByteArray bytes;
    std::vector<Fahrzeug> gepolstert;
};
FahrzeugDateiInhalt fahrzeuglisteKodieren(const std::vector<Fahrzeug>& liste, const QString& kennungsListe,
                                          const std::function<void(qint64, qint64)>& schritt = {});

// Replaces the list by the records of a file and clears the list's flag. A file that cannot be
// read or is no whole number of records is reported and changes nothing; then false.
bool FahrzeuglisteLaden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& pfad);

// Writes the whole list in list order. Only when the file is safely written are the entries
// padded in place and the list's flag cleared; a failed write changes nothing and its result
// carries the reason for the caller's message.
SchreibErgebnis FahrzeuglisteSpeichern(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt);

// Merges the records of a file into the list: new identifiers are appended; for identifiers
// the list or the overview already has, the user is asked once whether to overwrite them.
// False when the file was not read (reported).
bool FahrzeuglisteImportieren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& pfad);

// What merging records into the list did with them.
struct ZusammenfuehrErgebnis {
    int angehaengt = 0;
    int ueberschrieben = 0; // records that overwrote present vehicles ("Ja")
    int uebersprungen = 0;  // records skipped by "Nein"
    int ungelesen = 0;      // records after "Abbrechen"
};

// The columns records carry; overwriting a present vehicle takes only these, so a table with a
// few columns never blanks the others.
using FahrzeugSpalten = std::array<bool, Fahrzeug::AnzahlSpalten>;
inline constexpr FahrzeugSpalten AlleFahrzeugSpalten = {true, true, true, true, true, true, true, true};

// The import's merge, as one step named `schritt`: records whose identifier is new are appended;
// for identifiers the list or the overview already has, the user is asked once whether to
// overwrite them (the list's entries and the overview's fields).
ZusammenfuehrErgebnis fahrzeugeZusammenfuehren(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                               std::vector<Fahrzeug> saetze, const FahrzeugSpalten& spalten,
                                               const QString& schritt);

} // namespace tabulo
