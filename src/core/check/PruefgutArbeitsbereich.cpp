#include "core/actions/Aktionsliste.h"
#include "core/check/Pruefgut.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/files/StandardDatei.h"

namespace tabulo {

Pruefgut pruefgutAusArbeitsbereich(const Arbeitsbereich& ab) {
    Pruefgut gut;
    gut.bosName = ab.bosName;
    gut.landName = ab.landName;
    auto& felder = gut.felder.emplace();
    felder.reserve(AnzahlFelder);
    for (const Feld& f : ab.felder)
        felder.push_back({f.feldtyp, f.kennung});
    gut.fahrzeuge = ab.fahrzeuge;
    auto& orte = gut.orte.emplace();
    // The table ends at its first free slot, as every scan of the editor does.
    for (int i = 0; i < OrtSlots && !ab.orte.text[i].isEmpty(); ++i) {
        const QString& t = ab.orte.text[i];
        orte.push_back({i, QString(), ab.orte.maske[i] & 0xFFFFu, t.left(3), ohneEndLeerzeichen(t.mid(4))});
    }
    // Until the action window is opened the actions are its file in the working directory.
    if (ab.aktionenMenueAktiv)
        gut.aktionen = ab.aktionen;
    else
        aktionenDateiLesen(gut, standardDateiImArbeitsordner(AktionDateiName));
    return gut;
}

} // namespace tabulo
