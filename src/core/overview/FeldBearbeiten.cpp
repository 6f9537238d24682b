#include "core/overview/FeldBearbeiten.h"

#include "core/common/Arbeitsbereich.h"
#include "core/overview/FeldInhalt.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/Fahrzeugliste.h"

namespace tabulo {

QString feldEditEintrag(const Fahrzeug& f) {
    return f.rufname + QLatin1Char(' ') + f.kennung + QStringLiteral(" (") + f.stat + QStringLiteral(") ") +
           f.zeit + QLatin1Char(' ') + f.info;
}

FeldEditInhalt FeldBearbeiten(const Arbeitsbereich& ab, int i) {
    FeldEditInhalt inhalt;
    const Feld& feld = ab.felder[i];
    inhalt.feld = i;
    inhalt.auswahl = feld.feldtyp >= FeldFrei && feld.feldtyp <= FeldText ? feld.feldtyp : -1;
    // "Frei" is no text to offer.
    inhalt.text = feld.feldtyp == FeldFrei ? QString() : feld.text;
    inhalt.fahrzeuge = ab.fahrzeuge;
    inhalt.eintraege.reserve(static_cast<qsizetype>(ab.fahrzeuge.size()));
    for (int j = 0; j < static_cast<int>(ab.fahrzeuge.size()); ++j) {
        inhalt.eintraege << feldEditEintrag(ab.fahrzeuge[j]);
        if (ab.fahrzeuge[j].kennung == feld.kennung)
            inhalt.gewaehlt = j;
    }
    if (inhalt.gewaehlt < 0 && !inhalt.eintraege.isEmpty())
        inhalt.gewaehlt = 0;
    return inhalt;
}

bool FeldEditUebernehmen(Arbeitsbereich& ab, const FeldEditInhalt& inhalt, int auswahl, int eintrag,
                         const QString& text) {
    const int f = inhalt.feld;
    if (f < 0 || f >= AnzahlFelder)
        return false;
    Aufzeichnung schritt(
        ab,
        QStringLiteral("Feld %1 in Fenster %2 bearbeitet").arg(f % FelderProFenster + 1).arg(fensterVon(f)));
    Feld& feld = ab.felder[f];
    switch (auswahl) {
    case FeldFahrzeug:
        if (eintrag < 0 || eintrag >= static_cast<int>(inhalt.fahrzeuge.size()))
            return false;
        feldMitFahrzeug(ab, feld, inhalt.fahrzeuge[eintrag]);
        break;
    case FeldText:
        feldMitText(feld, text.left(FeldTextLaenge));
        break;
    default:
        feldFreimachen(feld);
        break;
    }
    FahrzeuglisteAktualisieren(ab);
    ab.markieren(DokStatusuebersicht);
    ab.felderGeaendert();
    return true;
}

} // namespace tabulo
