#pragma once

#include "core/files/Csv.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class EinstellungsSpeicher;
class Rueckfrage;

// The three tables that go to and come from spreadsheets.
enum class CsvTabelle { Fahrzeuge, Orte, Aktionen };

// Names as the menus and the dialogs show them ("Fahrzeugliste", ...).
QString csvTabellenName(CsvTabelle tabelle);
// Column captions of the table's list, in column order: the header row of an export and the
// columns an import can fill.
QStringList csvSpalten(CsvTabelle tabelle);
// Whether an import reads the column (the call name of an action is looked up, not taken).
bool csvSpalteEinlesbar(CsvTabelle tabelle, int spalte);
// The columns an import cannot do without.
std::vector<int> csvPflichtSpalten(CsvTabelle tabelle);

// The whole table with a header row.
QByteArray csvExportieren(const Arbeitsbereich& ab, CsvTabelle tabelle, CsvFormat format);

// Whether the first row names columns: one of its fields is a caption of the table.
bool csvKopfzeileVermutet(const CsvDaten& daten, CsvTabelle tabelle);
// For each file column the table column it fills, -1 to ignore it: by caption when the first
// row names columns, else by position.
std::vector<int> csvZuordnungVorschlagen(const CsvDaten& daten, CsvTabelle tabelle, bool kopfzeile);

// What an import did, for its summary.
struct CsvImportBericht {
    int hinzugefuegt = 0;
    int aktualisiert = 0;
    int uebersprungen = 0;  // already there, or "Nein"
    int ungelesen = 0;      // after "Abbrechen"
    int gekuerzt = 0;       // texts cut to their column's width
    QStringList abgewiesen; // "Zeile 7: ..." for each refused row
};

// Imports the rows (after the header row when `kopfzeile`) through the mapping as one step.
// Present entries follow the table's import question, so a file of the host's format and a
// table behave alike. Rows that break a column's rule are refused and listed.
CsvImportBericht csvImportieren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, CsvTabelle tabelle,
                                const CsvDaten& daten, const std::vector<int>& zuordnung, bool kopfzeile);

// The summary the user sees after an import.
QString csvBerichtText(const CsvImportBericht& bericht);

// Separator and code chosen last, kept in Tabulo's own part of the settings store.
CsvFormat csvFormatLesen(const EinstellungsSpeicher& speicher);
void csvFormatSpeichern(EinstellungsSpeicher& speicher, CsvFormat format);

} // namespace tabulo
