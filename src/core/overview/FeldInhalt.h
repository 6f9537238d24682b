#pragma once

#include "core/overview/Feld.h"

namespace tabulo {

class Arbeitsbereich;
struct Fahrzeug;

// The three kinds of contents a field can be given. Each sets all parts of the field that its
// kind shows and empties the rest, so no caption of an earlier kind is left behind.
void feldFreimachen(Feld& feld);
void feldMitText(Feld& feld, const QString& text);
void feldMitFahrzeug(const Arbeitsbereich& ab, Feld& feld, const QString& name, const QString& kennung,
                     const QString& status, const QString& zeit, const QString& info);
// The same from a vehicle list entry (call name, identifier, status, time, information).
void feldMitFahrzeug(const Arbeitsbereich& ab, Feld& feld, const Fahrzeug& fahrzeug);

// What a field shows, as steps name it: "Fahrzeug RTW 7", "Text Wache 1" or "Freies Feld".
QString feldName(const Feld& feld);

// Copies all parts of a field; the status background follows the copied caption.
void feldUebernehmen(const Arbeitsbereich& ab, Feld& ziel, const Feld& quelle);

} // namespace tabulo
