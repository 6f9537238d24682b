#include "core/places/OrtEingabe.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/places/Ortstabelle.h"
#include "core/undo/Aufzeichnung.h"

namespace tabulo {

namespace {

int ziffer(const QString& zeile, int pos) {
    QString zeichen = zeile.mid(pos, 1);
    return HexWert(zeichen);
}

bool gueltigeZiffer(int wert) {
    return wert >= 0 && wert < 16;
}

} // namespace

OrtEingabe ortAusZeile(const Ortstabelle& orte, int zeile) {
    OrtEingabe eingabe;
    if (zeile < 0 || zeile >= orte.liste.size())
        return eingabe;
    const QString& text = orte.liste[zeile];
    eingabe.landeskennung = ziffer(text, 0);
    eingabe.ortskennung1 = ziffer(text, 1);
    eingabe.ortskennung2 = ziffer(text, 2);
    eingabe.klartext = ohneEndLeerzeichen(text.mid(4, OrtKlartextLaenge));
    if (zeile < OrtSlots)
        eingabe.bos = static_cast<quint16>(orte.maske[zeile] & ((1u << OrtBosKaesten) - 1));
    return eingabe;
}

int OrtUebernehmen(Arbeitsbereich& ab, const OrtEingabe& eingabe) {
    if (!gueltigeZiffer(eingabe.landeskennung) || !gueltigeZiffer(eingabe.ortskennung1) ||
        !gueltigeZiffer(eingabe.ortskennung2) || ohneRandLeerzeichen(eingabe.klartext).isEmpty())
        return -1;

    const QString schluessel = rechtsAuffuellen(
        QString(hexZeichen(eingabe.landeskennung)) + hexZeichen(eingabe.ortskennung1) +
            hexZeichen(eingabe.ortskennung2) + QLatin1Char(' ') + eingabe.klartext.left(OrtKlartextLaenge),
        OrtEintragLaenge);
    const quint32 maske = eingabe.bos & ((1u << OrtBosKaesten) - 1);
    Aufzeichnung schritt(ab, QStringLiteral("Ortskennung %1 \u00fcbernommen").arg(schluessel.left(3)));
    Ortstabelle& orte = ab.orte;
    int slot = -1;
    for (int i = 0; i < OrtSlots && slot < 0; ++i) {
        if (orte.text[i] == schluessel) {
            slot = i;
        } else if (i < OrtMaxEintraege && ohneRandLeerzeichen(orte.text[i]).isEmpty()) {
            orte.text[i] = schluessel;
            slot = i;
        }
    }
    if (slot < 0)
        return -1;
    orte.maske[slot] = maske;
    orte.zeileSetzen(slot, ab.bosName);
    orte.anzahl = orte.satzAnzahl();
    ab.markieren(DokOrtskennungen);
    ab.orteGeaendert();
    return slot;
}

} // namespace tabulo
