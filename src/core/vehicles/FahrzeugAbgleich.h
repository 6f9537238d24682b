#pragma once

#include "core/vehicles/Fahrzeug.h"

#include <QString>
#include <utility>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// The rows of `liste` that take the host's runtime data (status, time and the two telegram
// items) from the vehicles of a file, each with its new entry. A row pairs with the record of the
// same identifier; when an identifier occurs several times, the n-th row pairs with the n-th
// record, and rows beyond the records' count keep theirs. Names, info and remarks stay the list's.
// Only rows whose values change are given.
std::vector<std::pair<int, Fahrzeug>> laufzeitdatenAbgleichen(const std::vector<Fahrzeug>& liste,
                                                              const std::vector<Fahrzeug>& datei);

// "Zusammenführen": the list takes the runtime data of the vehicle file at `pfad` as above, and
// every field showing such a vehicle its status, time and colour, as one step. Tells the user how
// many vehicles took new values. A file that cannot be read or is no whole number of records is
// reported and changes nothing; then false.
bool FahrzeugeZusammenfuehren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& pfad);

} // namespace tabulo
