#pragma once

#include "core/overview/Feld.h"

#include <QString>
#include <array>

namespace tabulo {

class Arbeitsbereich;

// Makes the texts the eight tab captions, trailing blanks removed, and stores each under
// "Fahrzeugübersicht". The overview itself does not count as changed.
void TitelSpeichern(Arbeitsbereich& ab, const std::array<QString, AnzahlFenster>& titel);

} // namespace tabulo
