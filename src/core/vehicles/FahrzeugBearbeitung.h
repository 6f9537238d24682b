#pragma once

#include "core/vehicles/Fahrzeug.h"

#include <QString>
#include <array>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;

constexpr int AnzahlKennungsListen = 8;

// What the vehicle editor shows when it opens for a vehicle.
struct EditorAnzeige {
    std::array<int, AnzahlKennungsListen> ziffern{}; // selected entry of each identifier list
    int status = -1;                                 // selected entry of the status list, -1 for none
    QString rufname;
    QString zeit;
    QString info;
    QString bemerkung;

    bool operator==(const EditorAnzeige&) const = default;
};
EditorAnzeige editorAnzeigeFuer(const Fahrzeug& fahrzeug);

// What the vehicle editor hands over on accept: the texts of its lists and text boxes. A list
// without a selection gives an empty text.
struct FahrzeugEingabe {
    // BOSKennung, Landeskennung, Ortskennung(1), Ortskennung(2), Fahrzeugkennung(1) to (4)
    std::array<QString, AnzahlKennungsListen> kennung;
    QString status;
    QString rufname;
    QString info;
    QString zeit;
    QString bemerkung;
};

// First character of the two named lists, the other six texts, filled up with "0" to 8.
QString kennungZusammensetzen(const std::array<QString, AnzahlKennungsListen>& texte);

// The editor's accept: writes the vehicle into every list entry with its identifier and into
// every vehicle field showing it, or appends it as a new vehicle. Marks the list and the
// overview as changed.
void FahrzeugUebernehmen(Arbeitsbereich& ab, const FahrzeugEingabe& eingabe, Fortschritt& fortschritt);

} // namespace tabulo
