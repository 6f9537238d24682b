#pragma once

#include "core/vehicles/Fahrzeug.h"

#include <vector>

namespace tabulo {

class Arbeitsbereich;
struct Sortierung;

// A click on column `spalte`: sorted mode on, sorted by that column. A click on the column the
// list is already sorted by turns the order round; any other click keeps the order last used.
Sortierung nachSpaltenKlick(Sortierung alt, int spalte);

// Compares two column texts as text (case-insensitive).
int spaltenVergleich(const QString& a, const QString& b);

// The new row order: row r of the sorted list is row folge[r] of the given one. Equal texts
// keep their order.
std::vector<int> sortierFolge(const std::vector<Fahrzeug>& liste, const Sortierung& s);
std::vector<int> sortierFolge(const std::vector<Fahrzeug>& liste, const std::vector<int>& zeilen,
                              const Sortierung& s);

// Puts the entries into the order of a sort (row r gets old row folge[r]).
void nachFolgeOrdnen(std::vector<Fahrzeug>& liste, const std::vector<int>& folge);

// Puts the vehicle list into the chosen order when sorted mode is on (after rows were added).
void sortiertHalten(Arbeitsbereich& ab);

} // namespace tabulo
