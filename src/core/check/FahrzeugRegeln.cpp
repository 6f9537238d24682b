#include "core/check/Pruefregeln.h"
#include "core/overview/Feld.h"
#include "core/vehicles/KennungsSuche.h"

#include <QDate>
#include <QHash>

namespace tabulo {

namespace {

int zweiZiffern(QStringView t, int i) {
    const auto ziffer = [&](int k) { return t[k].isDigit() ? t[k].digitValue() : -1; };
    const int a = ziffer(i), b = ziffer(i + 1);
    return a < 0 || b < 0 ? -1 : a * 10 + b;
}

// "hh:mm:ss" or "TT.MM.JJ", the two forms the host writes into the time column.
bool zeitGueltig(QStringView z) {
    if (z.size() != 8)
        return false;
    const int a = zweiZiffern(z, 0), b = zweiZiffern(z, 3), c = zweiZiffern(z, 6);
    if (a < 0 || b < 0 || c < 0)
        return false;
    if (z[2] == QLatin1Char(':') && z[5] == QLatin1Char(':'))
        return a < 24 && b < 60 && c < 60;
    return z[2] == QLatin1Char('.') && z[5] == QLatin1Char('.') && QDate(2000 + c, b, a).isValid();
}

bool statusGueltig(QStringView s) {
    return s.size() == 1 && s[0] >= QLatin1Char('0') && s[0] <= QLatin1Char('9');
}

} // namespace

void fahrzeugePruefen(Pruefkontext& k) {
    const auto& liste = k.fahrzeuge;
    for (int i = 0; i < static_cast<int>(liste.size()); ++i) {
        const Fahrzeug& f = liste[i];
        const QString& kennung = f.kennung;
        const auto melden = [&](Schwere s, Befundart art, const QString& text) {
            k.melden(s, Tabelle::Fahrzeuge, i, art, text, kennung);
        };
        const Kennungsform form = kennungsform(kennung);
        if (form == Kennungsform::Ungueltig)
            melden(Schwere::Fehler, Befundart::KennungUngueltig,
                   QStringLiteral("Kennung %1 ist keine achtstellige Hexadezimalzahl.")
                       .arg(inAnfuehrung(kennung)));
        else if (form == Kennungsform::Kleinbuchstaben)
            melden(
                Schwere::Warnung, Befundart::KennungKlein,
                QStringLiteral("Kennung %1 enth\u00e4lt Kleinbuchstaben; Felder und Aktionen finden sie nur "
                               "in genau dieser Schreibweise.")
                    .arg(inAnfuehrung(kennung)));
        const int erste = k.fahrzeugEintragen(i);
        if (erste != i) {
            const bool gleich = liste[erste] == f;
            melden(gleich ? Schwere::Warnung : Schwere::Fehler,
                   gleich ? Befundart::KennungDoppelt : Befundart::KennungDoppeltVerschieden,
                   gleich ? QStringLiteral("Kennung %1 steht schon in %2, mit denselben Angaben.")
                                .arg(inAnfuehrung(kennung), k.stelle(Tabelle::Fahrzeuge, erste))
                          : QStringLiteral("Kennung %1 steht schon in %2, mit anderen Angaben; die Felder "
                                           "zeigen die des ersten Eintrags.")
                                .arg(inAnfuehrung(kennung), k.stelle(Tabelle::Fahrzeuge, erste)));
        }
        if (!statusGueltig(f.stat))
            melden(Schwere::Warnung, Befundart::StatusUngueltig,
                   QStringLiteral("Status %1 liegt nicht zwischen 0 und 9.").arg(inAnfuehrung(f.stat)));
        if (!zeitGueltig(f.zeit))
            melden(Schwere::Warnung, Befundart::ZeitUngueltig,
                   QStringLiteral("Zeit %1 ist weder eine Uhrzeit (hh:mm:ss) noch ein Datum (TT.MM.JJ).")
                       .arg(inAnfuehrung(f.zeit)));
    }
}

void felderPruefen(Pruefkontext& k) {
    if (!k.gut.felder)
        return;
    const auto& felder = *k.gut.felder;
    // What the vehicle list window searches: the identifiers the fields show after loading.
    QString kennungsListe;
    QHash<QString, int> erstesFeld;
    for (int j = 0; j < static_cast<int>(felder.size()); ++j) {
        const Pruefgut::FeldAngabe& feld = felder[j];
        kennungsListe += QLatin1Char(' ');
        if (feld.art > FeldText)
            k.melden(Schwere::Hinweis, Tabelle::Status, j, Befundart::FremdeBytes,
                     QStringLiteral("Unbekannte Feldart %1; Velastat kennt nur 0 (frei), 1 (Fahrzeug) und 2 "
                                    "(Text).")
                         .arg(feld.art));
        if (feld.art != FeldFahrzeug) {
            kennungsListe += feld.kennung;
            continue;
        }
        if (k.fahrzeugZeile(feld.kennung) < 0) {
            k.melden(Schwere::Fehler, Tabelle::Status, j, Befundart::FeldOhneFahrzeug,
                     QStringLiteral("Das Feld zeigt Kennung %1, die in der Fahrzeugliste fehlt; es erscheint "
                                    "als frei.")
                         .arg(inAnfuehrung(feld.kennung)),
                     feld.kennung);
            continue;
        }
        kennungsListe += feld.kennung;
        const auto es = erstesFeld.constFind(feld.kennung);
        if (es == erstesFeld.cend())
            erstesFeld.insert(feld.kennung, j);
        else
            k.melden(Schwere::Warnung, Tabelle::Status, j, Befundart::FahrzeugMehrfach,
                     QStringLiteral("Fahrzeug %1 steht schon in %2.")
                         .arg(inAnfuehrung(feld.kennung), k.stelle(Tabelle::Status, *es)),
                     feld.kennung);
    }
    if (!k.gut.fahrzeuge)
        return;
    // Counted as the vehicle list window counts: an identifier anywhere in the text is placed.
    const KennungsSuche suche(kennungsListe);
    int anzahl = 0, erste = -1;
    for (int i = 0; i < static_cast<int>(k.fahrzeuge.size()); ++i)
        if (!suche.enthaelt(k.fahrzeuge[i].kennung) && anzahl++ == 0)
            erste = i;
    if (anzahl > 0)
        k.melden(Schwere::Hinweis, Tabelle::Fahrzeuge, erste, Befundart::NichtAufgenommen,
                 QStringLiteral("%1 von %2 Fahrzeugen stehen in keinem Feld.")
                     .arg(anzahl)
                     .arg(k.fahrzeuge.size()));
}

} // namespace tabulo
