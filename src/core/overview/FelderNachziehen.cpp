#include "core/overview/FelderNachziehen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"

namespace tabulo {

ErsteFahrzeugZeilen ersteFahrzeugZeilen(const std::vector<Fahrzeug>& fahrzeuge) {
    const int anzahl = static_cast<int>(fahrzeuge.size());
    ErsteFahrzeugZeilen zeilen(anzahl, FahrzeugKennung{fahrzeuge.data()}, false);
    for (int j = 0; j < anzahl; ++j)
        zeilen.hinzufuegen(j);
    return zeilen;
}

void felderNachziehen(Arbeitsbereich& ab, Fortschritt& fortschritt,
                      const std::function<void(Feld&, const Fahrzeug&)>& uebernehmen) {
    const ErsteFahrzeugZeilen zeilen = ersteFahrzeugZeilen(ab.fahrzeuge);
    FortschrittsAnzeige anzeige(fortschritt);
    for (int i = 0; i < AnzahlFelder; ++i) {
        anzeige.schritt(i, AnzahlFelder - 1);
        Feld& feld = ab.felder[i];
        if (feld.feldtyp != FeldFahrzeug)
            continue;
        const int zeile = zeilen.erster(feld.kennung);
        if (zeile >= 0)
            uebernehmen(feld, ab.fahrzeuge[zeile]);
    }
    ab.felderGeaendert();
}

} // namespace tabulo
