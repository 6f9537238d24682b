#include "core/overview/FeldVerschieben.h"

#include "core/common/Arbeitsbereich.h"
#include "core/overview/FeldInhalt.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/Fahrzeugliste.h"

namespace tabulo {

namespace {
bool gueltig(int feld) {
    return feld >= 0 && feld < AnzahlFelder;
}

// One step of a shift: the parts of field von go to field nach.
void verschieben(Arbeitsbereich& ab, int nach, int von) {
    Feld& ziel = ab.felder[nach];
    feldUebernehmen(ab, ziel, ab.felder[von]);
    ziel.statusSichtbar = ziel.feldtyp == FeldFahrzeug;
}

template <typename Index> void inReihenfolgeVerschieben(Arbeitsbereich& ab, int pl, int pz, Index feldAn) {
    if (pl > pz)
        for (int p = pl; p > pz; --p)
            verschieben(ab, feldAn(p), feldAn(p - 1));
    else
        for (int p = pl; p < pz; ++p)
            verschieben(ab, feldAn(p), feldAn(p + 1));
}

QString ablageName(const Arbeitsbereich& ab, int s) {
    const QString name = feldName(ab.felder[s]);
    switch (ab.einfuegemodus) {
    case Tauschen:
        return name + QStringLiteral(" getauscht");
    case Ueberschreiben:
        return name + QStringLiteral(" kopiert");
    default:
        return name + QStringLiteral(" verschoben");
    }
}

// What every drop on a field ends with.
void ablageEnde(Arbeitsbereich& ab, int t) {
    ab.rahmenFarbe[t] = farbe::NormalB;
    ab.felderGeaendert();
    FahrzeuglisteAktualisieren(ab);
}
} // namespace

void FeldKopieren(Arbeitsbereich& ab, int ziel, int quelle) {
    if (!gueltig(ziel) || !gueltig(quelle) || ziel == quelle)
        return;
    feldUebernehmen(ab, ab.felder[ziel], ab.felder[quelle]);
}

void ZeilenweiseVerschieben(Arbeitsbereich& ab, int luecke, int ziel) {
    if (!gueltig(luecke) || !gueltig(ziel))
        return;
    inReihenfolgeVerschieben(ab, luecke, ziel, [](int p) { return p; });
}

void SpaltenweiseVerschieben(Arbeitsbereich& ab, int luecke, int ziel) {
    if (!gueltig(luecke) || !gueltig(ziel))
        return;
    inReihenfolgeVerschieben(ab, SpaltenPosition(luecke), SpaltenPosition(ziel),
                             [](int p) { return ZeilenIndex(p); });
}

int verschiebeEnde(const Arbeitsbereich& ab, int t) {
    return ab.listenmodus == LetztesFenster ? AnzahlFelder - 1 : letztesFeld(fensterVon(t));
}

void FeldAufFeldAblegen(Arbeitsbereich& ab, int s, int t) {
    if (!gueltig(s) || !gueltig(t))
        return;
    Aufzeichnung schritt(ab, ablageName(ab, s));
    const Feld kopie = ab.felder[s];
    switch (ab.einfuegemodus) {
    case NachRechts:
        ZeilenweiseVerschieben(ab, s, t);
        break;
    case NachUnten:
        SpaltenweiseVerschieben(ab, s, t);
        break;
    case Tauschen:
        FeldKopieren(ab, s, t);
        break;
    default:
        break;
    }
    feldUebernehmen(ab, ab.felder[t], kopie);
    ab.listenZiehen = 0;
    ab.feldZiehen = 0;
    ab.rahmenFarbe[s] = farbe::NormalB;
    if (s != t)
        ab.markieren(DokStatusuebersicht);
    ablageEnde(ab, t);
}

void FahrzeugAufFeldAblegen(Arbeitsbereich& ab, const Fahrzeug* fahrzeug, int t) {
    if (!gueltig(t))
        return;
    Aufzeichnung schritt(ab, fahrzeug ? fahrzeugName(*fahrzeug) + QStringLiteral(" abgelegt") : QString());
    if (fahrzeug) {
        const int ende = verschiebeEnde(ab, t);
        if (ab.einfuegemodus == NachRechts)
            ZeilenweiseVerschieben(ab, ende, t);
        else if (ab.einfuegemodus == NachUnten)
            SpaltenweiseVerschieben(ab, ende, t);
        feldMitFahrzeug(ab, ab.felder[t], *fahrzeug);
        ab.markieren(DokStatusuebersicht);
    }
    ab.listenZiehen = 0;
    ab.feldZiehen = 0;
    ablageEnde(ab, t);
}

void SonstigesAufFeldAblegen(Arbeitsbereich& ab, int t) {
    if (gueltig(t))
        ablageEnde(ab, t);
}

void FeldEntfernen(Arbeitsbereich& ab, int s) {
    if (!gueltig(s))
        return;
    Aufzeichnung schritt(ab, feldName(ab.felder[s]) + QStringLiteral(" entfernt"));
    if (ab.listenZiehen == 0 && ab.feldZiehen == 1) {
        int ende = verschiebeEnde(ab, s);
        if (ab.einfuegemodus == NachRechts)
            ZeilenweiseVerschieben(ab, s, ende);
        else if (ab.einfuegemodus == NachUnten)
            SpaltenweiseVerschieben(ab, s, ende);
        else
            ende = s;
        feldFreimachen(ab.felder[ende]);
        ab.markieren(DokStatusuebersicht);
        ab.feldZiehen = 0;
        ab.listenZiehen = 0;
    }
    ab.rahmenFarbe[s] = farbe::NormalB;
    ab.felderGeaendert();
    FahrzeuglisteAktualisieren(ab);
}

} // namespace tabulo
