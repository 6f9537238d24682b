#pragma once

#include "core/common/Arbeitsbereich.h"
#include "core/undo/Listenaenderung.h"

#include <optional>
#include <utility>
#include <vector>

namespace tabulo {

// One step of the history: the parts of the workspace a change touched, each in the version the
// workspace does not show at the moment. Undo and redo exchange them with the workspace.
struct Schritt {
    std::vector<std::pair<int, Feld>> felder;
    std::optional<std::array<QString, AnzahlFenster>> titel;
    bool titelImSpeicher = false; // the change wrote the titles to the settings store
    std::optional<Ortstabelle> orte;
    std::optional<Sortierung> sortierung;
    Listenaenderung<Fahrzeug> fahrzeuge;
    Listenaenderung<Aktion> aktionen;
    bool anzahlWarnen = false;

    bool leer() const;
    quint8 listen() const;
    // Exchanges the held parts with the workspace and tells the windows what changed.
    void tauschen(Arbeitsbereich& ab, bool rueckgaengig);
};

// What a recording holds while its change runs: the small parts as they were at its start (they
// are compared at the end), the list changes as the change reports them, and the documents it
// marked or freed.
struct Aufnahme {
    explicit Aufnahme(const Arbeitsbereich& ab);

    std::array<Feld, AnzahlFelder> felder;
    std::array<QString, AnzahlFenster> titel;
    Ortstabelle orte;
    Sortierung sortierung;
    bool anzahlWarnen;
    Schritt schritt;
    quint16 markiert = 0;
    quint16 freigegeben = 0;
    QString name;
};

} // namespace tabulo
