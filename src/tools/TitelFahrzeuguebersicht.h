#pragma once

#include "core/overview/Feld.h"
#include "ui/SperrFenster.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace tabulo {

class Arbeitsbereich;

// "Titel der Fahrzeugübersicht Ändern": the eight tab captions. Destroyed when closed, so every
// opening shows the current captions.
class TitelFahrzeuguebersicht : public SperrFenster {
    Q_OBJECT

public:
    explicit TitelFahrzeuguebersicht(Arbeitsbereich& ab);

    void Speichern_Click();
    void Abbrechen_Click();

    // Titel(1) to Titel(8) at indexes 0 to 7.
    std::array<QLineEdit*, AnzahlFenster> Titel{};
    QPushButton* Speichern = nullptr;
    QPushButton* Abbrechen = nullptr;

private:
    Arbeitsbereich& m_ab;
};

} // namespace tabulo
