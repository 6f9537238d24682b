#pragma once

#include <QString>
#include <vector>

namespace tabulo {

// How bad a finding is. Errors are what the host program gets wrong in operation, warnings what it
// probably gets wrong, notes what it never wrote itself but copes with.
enum class Schwere { Fehler, Warnung, Hinweis };

// The table a finding belongs to; the files are named as the host names them.
enum class Tabelle { Status, Fahrzeuge, Orte, Aktionen, Einstellungen };

// Every kind of mistake the check knows.
enum class Befundart {
    DateiUngueltig,            // length no whole number of records
    FremdeBytes,               // bytes the host never writes
    KennungUngueltig,          // not eight hexadecimal digits
    KennungKlein,              // lowercase hexadecimal digits
    KennungDoppelt,            // the same identifier twice, entries alike
    KennungDoppeltVerschieden, // the same identifier twice, entries differ
    StatusUngueltig,           // a status outside 0..9
    ZeitUngueltig,             // neither a clock time nor a date
    FeldOhneFahrzeug,          // a field's identifier is not in the list
    FahrzeugMehrfach,          // a vehicle in more than one field
    NichtAufgenommen,          // vehicles in no field
    OrtOhneBos,                // a place entry without a valid BOS-Kennung
    OrtKennungUngueltig,       // Landeskennung or Ortskennung not hexadecimal
    OrtZweiNamen,              // the same place under two names
    AktionOhneFahrzeug,        // an action for an identifier not in the list
    AktionenZuViele,           // more actions than the host reads
    AktionLeer,                // an empty command line
    ProgrammFehlt,             // the command line's program does not exist
};

struct Befund {
    Schwere schwere = Schwere::Hinweis;
    Tabelle tabelle = Tabelle::Status;
    // Field index, row of the list, place slot or record, action row, bundle line; -1 for the
    // table as a whole.
    int nummer = -1;
    Befundart art = Befundart::FremdeBytes;
    QString stelle; // the place for people: "Feld 21 (Fenster 1)", "Satz 3", "Eintrag 2"
    QString text;
    QString klartext; // the identifier decoded, where it helps
};

using Befunde = std::vector<Befund>;

QString schwereText(Schwere s);
// A name of the kind for scripts: "feld-ohne-fahrzeug" and so on.
QString befundartName(Befundart art);
// The file the table is kept in: "Status.BIN" and so on.
QString tabellenDatei(Tabelle t);

// Where in the table, for people: "Feld 21 (Fenster 1)"; records of files as "Satz 3", rows and
// place entries of the editor as "Zeile 3" and "Eintrag 3"; empty for the table as a whole.
QString stelleText(Tabelle t, int nummer, bool ausDateien);

// Errors, then warnings, then notes; inside each by table and place.
void befundeOrdnen(Befunde& befunde);

// "2 Fehler, 1 Warnung, 0 Hinweise"
QString befundZaehlung(const Befunde& befunde);

// Exit code of a check: 2 with errors, 1 with warnings, else 0 (notes alone are fine).
int befundeErgebnis(const Befunde& befunde);

} // namespace tabulo
