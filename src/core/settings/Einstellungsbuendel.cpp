#include "core/settings/Einstellungsbuendel.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Text.h"
#include "core/files/BuendelDatei.h"
#include "core/files/DateiLesen.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/vehicles/StatusUmwandlung.h"

#include <cmath>

namespace tabulo {

namespace {
const QString TitelLaden = QStringLiteral("Einstellungen Laden");
const QString TitelSpeichern = QStringLiteral("Einstellungen Speichern");

DateiDialog buendelDialog(const QString& titel, bool speichern) {
    DateiDialog d;
    d.titel = titel;
    d.filter = filter::BinGross;
    d.filterIndex = 2;
    d.dateiname = QStringLiteral("Einstellungen.BIN");
    d.speichern = speichern;
    return d;
}

// The section of a line that is not three fields, so that its group can report it.
QString sektionDerZeile(QStringView zeile) {
    const QStringView rest = zeile.trimmed();
    if (rest.startsWith(QLatin1Char('"'))) {
        const qsizetype ende = rest.indexOf(QLatin1Char('"'), 1);
        return (ende < 0 ? rest.mid(1) : rest.sliced(1, ende - 1)).toString();
    }
    const qsizetype komma = rest.indexOf(QLatin1Char(','));
    return (komma < 0 ? rest : rest.left(komma)).trimmed().toString();
}

// A numbered key by its leading number, as the host reads it ("4.0" and "4b" are 4). A key
// without a number, or whose number is no whole number within the range, is none.
std::optional<int> zahlSchluessel(const QString& schluessel, int von, int bis) {
    const QStringView text = QStringView(schluessel).trimmed();
    QStringView ziffern = text;
    if (ziffern.startsWith(QLatin1Char('+')) || ziffern.startsWith(QLatin1Char('-')))
        ziffern = ziffern.sliced(1);
    if (ziffern.isEmpty() || ziffern[0] < QLatin1Char('0') || ziffern[0] > QLatin1Char('9'))
        return std::nullopt;
    const double wert = fuehrendeZahl(text);
    if (wert != std::trunc(wert) || wert < von || wert > bis)
        return std::nullopt;
    return static_cast<int>(wert);
}

// Keys of the general settings become store keys as they stand; a separator would reach into
// another section.
bool gueltigerSchluessel(const QString& schluessel) {
    return !schluessel.isEmpty() && !schluessel.contains(QLatin1Char('/')) &&
           !schluessel.contains(QLatin1Char('\\'));
}

constexpr Farbe KeineFarbe = 0xFFFFFFFFu;
} // namespace

QString ergebnisText(BuendelErgebnis ergebnis) {
    switch (ergebnis) {
    case BuendelErgebnis::Geladen:
        return QStringLiteral("Gefunden, geladen");
    case BuendelErgebnis::NichtGeladen:
        return QStringLiteral("Gefunden, nicht geladen");
    case BuendelErgebnis::NichtGefunden:
        break;
    }
    return QStringLiteral("Nicht gefunden, nicht geladen");
}

QByteArray buendelErzeugen(const Arbeitsbereich& ab, const BuendelGruppen& gruppen) {
    const EinstellungsSpeicher& s = ab.speicher();
    QByteArray daten;
    if (gruppen.fenstertitel)
        for (int w = 1; w <= AnzahlFenster; ++w) {
            const QString titel = s.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, zahlText(w),
                                          ab.fensterTitel[w - 1]);
            daten += buendelZeileSchreiben({sektion::Fahrzeuguebersicht, zahlText(w), titel});
        }
    if (gruppen.statusfarben)
        for (int k = 0; k < AnzahlStatuswerte; ++k) {
            const QString farbe =
                s.lesen(anwendung::Velastat, sektion::Statusfarben, zahlText(k), zahlText(ab.statusfarbe[k]));
            daten += buendelZeileSchreiben({sektion::Statusfarben, zahlText(k), farbe});
        }
    if (gruppen.einstellungen)
        for (const auto& [schluessel, wert] : s.alleLesen(anwendung::VelastatPlus, sektion::Einstellungen))
            daten += buendelZeileSchreiben({sektion::Einstellungen, schluessel, wert});
    return daten;
}

BuendelLadeErgebnis buendelAnwenden(Arbeitsbereich& ab, const QByteArray& daten,
                                    const BuendelGruppen& gruppen) {
    BuendelLadeErgebnis ergebnis;
    EinstellungsSpeicher& s = ab.speicher();
    bool titelGeaendert = false;
    for (const QString& text : buendelZeilen(daten)) {
        const std::optional<BuendelZeile> zeile = buendelZeileLesen(text);
        const QString sekt = zeile ? zeile->sektion : sektionDerZeile(text);
        BuendelErgebnis* gruppe = nullptr;
        bool gewaehlt = false;
        if (sekt == sektion::Fahrzeuguebersicht) {
            gruppe = &ergebnis.fenstertitel;
            gewaehlt = gruppen.fenstertitel;
        } else if (sekt == sektion::Statusfarben) {
            gruppe = &ergebnis.statusfarben;
            gewaehlt = gruppen.statusfarben;
        } else if (sekt == sektion::Einstellungen) {
            gruppe = &ergebnis.einstellungen;
            gewaehlt = gruppen.einstellungen;
        } else {
            continue;
        }
        *gruppe = BuendelErgebnis::NichtGeladen;
        if (!zeile || !gewaehlt)
            continue;

        if (gruppe == &ergebnis.fenstertitel) {
            const auto w = zahlSchluessel(zeile->schluessel, 1, AnzahlFenster);
            if (!w)
                continue;
            s.speichern(anwendung::Velastat, sektion::Fahrzeuguebersicht, zahlText(*w), zeile->wert);
            ab.fensterTitel[*w - 1] = zeile->wert;
            titelGeaendert = true;
        } else if (gruppe == &ergebnis.statusfarben) {
            const auto k = zahlSchluessel(zeile->schluessel, 0, AnzahlStatusfarben - 1);
            const Farbe farbe = gespeicherteFarbe(zeile->wert, KeineFarbe);
            if (!k || farbe == KeineFarbe)
                continue;
            s.speichern(anwendung::Velastat, sektion::Statusfarben, zahlText(*k), zahlText(farbe));
            ab.statusfarbe[*k] = farbe;
        } else {
            if (!gueltigerSchluessel(zeile->schluessel))
                continue;
            s.speichern(anwendung::Velastat, sektion::Einstellungen, zeile->schluessel, zeile->wert);
        }
        *gruppe = BuendelErgebnis::Geladen;
    }
    if (gruppen.statusfarben)
        statusLabelsEinfaerben(ab, true);
    if (titelGeaendert)
        ab.titelGeaendert();
    return ergebnis;
}

bool EinstellungsbuendelSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const BuendelGruppen& gruppen) {
    const auto pfad = dateiDialogZeigen(rueckfrage, buendelDialog(TitelSpeichern, true));
    if (!pfad)
        return false;
    const SchreibErgebnis geschrieben = ab.schreiber().schreiben(*pfad, buendelErzeugen(ab, gruppen));
    if (!geschrieben) {
        rueckfrage.meldung(TitelSpeichern, schreibFehlerText(*pfad, geschrieben.fehler), Symbol::Fehler);
        return false;
    }
    return true;
}

std::optional<BuendelLadeErgebnis> EinstellungsbuendelLaden(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                                            const BuendelGruppen& gruppen) {
    const auto pfad = dateiDialogZeigen(rueckfrage, buendelDialog(TitelLaden, false));
    if (!pfad)
        return std::nullopt;
    const LeseErgebnis gelesen = dateiLesen(*pfad);
    if (!gelesen.daten) {
        rueckfrage.meldung(TitelLaden, leseFehlerText(*pfad, gelesen.fehler), Symbol::Fehler);
        return std::nullopt;
    }
    return buendelAnwenden(ab, *gelesen.daten, gruppen);
}

} // namespace tabulo
