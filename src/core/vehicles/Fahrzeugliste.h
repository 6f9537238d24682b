#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;

// The identifiers of the 416 fields, each preceded by one blank.
QString kennungsListeBilden(const Arbeitsbereich& ab);

// Rebuilds KennungsListe from the fields and the list of vehicles not placed in the overview,
// and tells the windows. Every change of vehicles or fields ends with this.
void FahrzeuglisteAktualisieren(Arbeitsbereich& ab);

// The next vehicle field after `nach` (round to the start) that shows the identifier, -1 for none;
// blanks around identifiers do not count.
int naechstesFeldMit(const Arbeitsbereich& ab, const QString& kennung, int nach);
// The first entry of the vehicle list with the identifier, -1 for none; blanks around identifiers
// do not count, and an empty identifier (a free or text field's) finds none.
int fahrzeugZeileMitKennung(const Arbeitsbereich& ab, const QString& kennung);

// Deletes vehicle `zeile` of the list and frees every vehicle field that shows it.
void FahrzeugLoeschen(Arbeitsbereich& ab, int zeile, Fortschritt& fortschritt);

// Deletes vehicle `zeile` of the list as chosen in the list of vehicles not placed: no field
// shows it, so no field changes.
void NichtAufgenommenLoeschen(Arbeitsbereich& ab, int zeile);

} // namespace tabulo
