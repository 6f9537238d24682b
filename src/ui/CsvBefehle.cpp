#include "ui/CsvBefehle.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/files/DateiLesen.h"
#include "core/files/DateiSchreiber.h"
#include "ui/CsvExportWahl.h"
#include "ui/CsvZuordnung.h"

#include <QFileInfo>

namespace tabulo {

namespace {

const QString CsvFilter = QStringLiteral("Alle Dateien (*.*)|*.*|CSV-Dateien (*.csv)|*.csv|");

QString vorgabeName(CsvTabelle tabelle) {
    switch (tabelle) {
    case CsvTabelle::Fahrzeuge:
        return QStringLiteral("Fahrzeuge.csv");
    case CsvTabelle::Orte:
        return QStringLiteral("Orte.csv");
    case CsvTabelle::Aktionen:
        return QStringLiteral("Aktionen.csv");
    }
    return {};
}

} // namespace

void csvExportBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, CsvTabelle tabelle, QWidget* eltern) {
    const QString titel = QStringLiteral("%1 als CSV exportieren").arg(csvTabellenName(tabelle));
    CsvExportWahl wahl(titel, csvFormatLesen(ab.speicher()), eltern);
    if (wahl.exec() != QDialog::Accepted)
        return;
    csvFormatSpeichern(ab.speicher(), wahl.format());
    DateiDialog dialog{titel, CsvFilter, 2, vorgabeName(tabelle), true, false, true};
    const auto pfad = rueckfrage.dateiWaehlen(dialog);
    if (!pfad)
        return;
    const SchreibErgebnis ergebnis =
        ab.schreiber().schreiben(*pfad, csvExportieren(ab, tabelle, wahl.format()));
    if (!ergebnis)
        rueckfrage.meldung(titel, schreibFehlerText(*pfad, ergebnis.fehler), Symbol::Fehler);
}

void csvImportBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, CsvTabelle tabelle, QWidget* eltern) {
    const QString titel = QStringLiteral("%1 aus CSV importieren").arg(csvTabellenName(tabelle));
    DateiDialog dialog{titel, CsvFilter, 2, vorgabeName(tabelle), false, true, false};
    const auto pfad = rueckfrage.dateiWaehlen(dialog);
    if (!pfad)
        return;
    LeseErgebnis gelesen = dateiLesen(*pfad);
    if (!gelesen.daten) {
        rueckfrage.meldung(titel, leseFehlerText(*pfad, gelesen.fehler), Symbol::Fehler);
        return;
    }
    // A file that is no text table is refused before the mapping: no separator or code mends it.
    const CsvDaten probe = csvLesen(*gelesen.daten);
    if (!probe) {
        rueckfrage.meldung(titel, QStringLiteral("\"%1\" wird nicht importiert: %2").arg(*pfad, probe.fehler),
                           Symbol::Fehler);
        return;
    }
    CsvZuordnung zuordnung(tabelle, std::move(*gelesen.daten), QFileInfo(*pfad).fileName(), eltern);
    if (zuordnung.exec() != QDialog::Accepted)
        return;
    const CsvImportBericht bericht = csvImportieren(ab, rueckfrage, tabelle, zuordnung.daten(),
                                                    zuordnung.zuordnung(), zuordnung.kopfzeile());
    rueckfrage.meldung(titel, csvBerichtText(bericht),
                       bericht.abgewiesen.isEmpty() ? Symbol::Keins : Symbol::Ausrufezeichen);
}

} // namespace tabulo
