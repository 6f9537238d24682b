#pragma once

#include "core/overview/Feld.h"

#include <array>

namespace tabulo {

class EinstellungsSpeicher;

// What a printout holds: which overview windows, one page each, and which tables.
struct Druckauswahl {
    std::array<bool, AnzahlFenster> fenster{true, true, true, true, true, true, true, true};
    bool fahrzeuge = false;
    bool orte = false;
    bool aktionen = false;

    bool leer() const;
    bool operator==(const Druckauswahl&) const = default;
};

// The last choice, kept under the program's own application name, never in the host's sections.
// A missing or damaged value gives the default: all eight windows, no table.
Druckauswahl druckauswahlLesen(const EinstellungsSpeicher& speicher);
void druckauswahlSpeichern(EinstellungsSpeicher& speicher, const Druckauswahl& auswahl);

} // namespace tabulo
