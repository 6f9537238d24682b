#pragma once

#include "core/common/TextIndex.h"
#include "core/vehicles/Fahrzeug.h"

#include <QString>
#include <functional>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;
struct Feld;

// Row of the first vehicle for every identifier of the list: a field shows the first row whose
// identifier equals its own. `erster(kennung)` gives the row, -1 for none; the list must not
// change while the index is used (moving the vector keeps its rows where they are).
struct FahrzeugKennung {
    const Fahrzeug* fahrzeuge;
    QStringView operator()(int zeile) const { return fahrzeuge[zeile].kennung; }
};
using ErsteFahrzeugZeilen = TextIndex<FahrzeugKennung>;
ErsteFahrzeugZeilen ersteFahrzeugZeilen(const std::vector<Fahrzeug>& fahrzeuge);

// Brings every vehicle field whose identifier is in the vehicle list up to date with its first
// row, one progress slice per field (the strip is full after field 414). Fields whose vehicle is
// not in the list keep what they show.
void felderNachziehen(Arbeitsbereich& ab, Fortschritt& fortschritt,
                      const std::function<void(Feld&, const Fahrzeug&)>& uebernehmen);

} // namespace tabulo
