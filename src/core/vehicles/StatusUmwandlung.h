#pragma once

#include "core/common/Farbe.h"

#include <QString>
#include <array>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;

constexpr int AnzahlStatuswerte = 10;

// For each status 0..9 the text it becomes.
using Statuszuordnung = std::array<QString, AnzahlStatuswerte>;

// Every status mapped to itself.
Statuszuordnung gleicheZuordnung();

// Rewrites the status of every vehicle once, from its status before the pass (so 1 -> 2 and
// 2 -> 3 together turn a 1 into 2, not 3); statuses outside 0..9 stay as they are. Then every
// vehicle field shows its vehicle's new status and colour. Marks the vehicle list and the
// overview as unsaved.
void StatusWerteUmwandeln(Arbeitsbereich& ab, const Statuszuordnung& neu, Fortschritt& fortschritt);

// Sets the colour of status k (0..9), stores all ten colours and recolours every field.
void StatusfarbeAendern(Arbeitsbereich& ab, int k, Farbe farbe);

// Sets each status label's background from its caption; only vehicle fields when asked.
void statusLabelsEinfaerben(Arbeitsbereich& ab, bool nurFahrzeugfelder);

} // namespace tabulo
