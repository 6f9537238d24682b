#include "model/FelderNachziehen.h"

#include "model/Arbeitsbereich.h"
#include "model/Fortschritt.h"

namespace tabulo {

QHash<QString, int> ersteFahrzeugZeilen(const std::vector<Fahrzeug>& fahrzeuge) {
    QHash<QString, int> zeilen;
    zeilen.reserve(static_cast<qsizetype>(fahrzeuge.size()));
    for (int j = 0; j < static_cast<int>(fahrzeuge.size()); ++j)
        if (!zeilen.contains(fahrzeuge[j].kennung))
            zeilen.insert(fahrzeuge[j].kennung, j);
    return zeilen;
}

void felderNachziehen(Arbeitsbereich& ab, Fortschritt& fortschritt,
                      const std::function<void(Feld&, const Fahrzeug&)>& uebernehmen) {
    const QHash<QString, int> zeilen = ersteFahrzeugZeilen(ab.fahrzeuge);
    FortschrittsAnzeige anzeige(fortschritt);
    for (int i = 0; i < AnzahlFelder; ++i) {
        anzeige.schritt(i, AnzahlFelder - 1);
        Feld& feld = ab.felder[i];
        if (feld.feldtyp != FeldFahrzeug)
            continue;
        const auto it = zeilen.constFind(feld.kennung);
        if (it != zeilen.cend())
            uebernehmen(feld, ab.fahrzeuge[*it]);
    }
    ab.felderGeaendert();
}

} // namespace tabulo
