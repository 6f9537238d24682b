#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;
struct Ortstabelle;

constexpr int OrtBosKaesten = 15; // the window has boxes for BOS-Kennung 0 to E only
constexpr int OrtKlartextLaenge = 50;

// What the place window's inputs hold: the chosen entries of the three digit lists (-1 when
// none is chosen), the name and the ticked BOS boxes as bits 0 to 14.
struct OrtEingabe {
    int landeskennung = -1;
    int ortskennung1 = -1;
    int ortskennung2 = -1;
    QString klartext;
    quint16 bos = 0;

    bool operator==(const OrtEingabe&) const = default;
};

// The inputs a picked list line fills in: the digits read from its first three characters,
// the name without trailing blanks and the boxes from the slot's mask.
OrtEingabe ortAusZeile(const Ortstabelle& orte, int zeile);

// Accepts the inputs into the table: an entry with the same digits and name gets the ticked
// boxes as its new set (a BOS-Kennung F it held is dropped), otherwise the place is added in
// the first free slot. Incomplete input changes nothing; a full table takes no new place.
// Returns the slot that was changed, -1 when none was.
int OrtUebernehmen(Arbeitsbereich& ab, const OrtEingabe& eingabe);

} // namespace tabulo
