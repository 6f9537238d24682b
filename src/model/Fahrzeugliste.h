#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;

// The identifiers of the 416 fields, each preceded by one blank.
QString kennungsListeBilden(const Arbeitsbereich& ab);

// Rebuilds KennungsListe from the fields and the list of vehicles not placed in the overview,
// and tells the windows. Every change of vehicles or fields ends with this.
void FahrzeuglisteAktualisieren(Arbeitsbereich& ab);

} // namespace tabulo
