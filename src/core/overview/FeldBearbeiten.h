#pragma once

#include "core/vehicles/Fahrzeug.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulo {

class Arbeitsbereich;

constexpr int FeldTextLaenge = 30;

// What the field editor `FeldEdit` shows when it opens for a field: the choice (the field's
// kind), the text, the vehicle entries and the preselected entry. It keeps the vehicle list as
// it was at opening, so the choice is taken from the very row the user picked.
struct FeldEditInhalt {
    int feld = 0;    // EditFeld
    int auswahl = 0; // 0 "Frei", 1 "Fahrzeug:", 2 "Text:"; -1 for a kind of its own
    QString text;
    QStringList eintraege; // one per vehicle, in list order
    int gewaehlt = -1;     // preselected entry, -1 with an empty list
    std::vector<Fahrzeug> fahrzeuge;
};

// The entry of a vehicle in the editor's list: name, identifier, status in brackets, time and
// information, so that the columns of padded entries line up.
QString feldEditEintrag(const Fahrzeug& f);

// Fills the editor for field i: the vehicle with the field's identifier is preselected (the last
// one with duplicates), otherwise the first vehicle.
FeldEditInhalt FeldBearbeiten(const Arbeitsbereich& ab, int i);

// "Übernehmen": the field becomes free, shows vehicle `eintrag` of the editor's list, or shows
// the text (cut to 30 characters). Marks the overview unsaved even when nothing changed and
// rebuilds the not-placed list. "Fahrzeug:" without an entry changes nothing: returns false.
bool FeldEditUebernehmen(Arbeitsbereich& ab, const FeldEditInhalt& inhalt, int auswahl, int eintrag,
                         const QString& text);

} // namespace tabulo
