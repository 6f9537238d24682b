#pragma once

#include "core/vehicles/StatusUmwandlung.h"
#include "ui/SperrFenster.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace tabulo {

class Arbeitsbereich;
class Fortschrittsstreifen;
class Rueckfrage;

// "Status Umwandeln": maps every status 0..9 to a new one for all vehicles, and changes the
// status colours (a click on a coloured label). Created once, then only hidden and shown.
class StatusUmwandeln : public SperrFenster {
    Q_OBJECT

public:
    StatusUmwandeln(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

    // The menu command: every status mapped to itself again, the strip hidden; shows the
    // dialog and disables the given windows.
    void anzeigen(const QList<QWidget*>& sperren);

    void StatusUFarbe_Click(int k);
    void Umwandeln_Click();
    void Abbrechen_Click();

    // Indexed by status value; the rows run 1..9, 0 from the top.
    std::array<QLabel*, AnzahlStatuswerte> StatusUFarbe{};
    std::array<QComboBox*, AnzahlStatuswerte> StatusNeu{};
    QPushButton* Umwandeln = nullptr;
    QPushButton* Abbrechen = nullptr;
    Fortschrittsstreifen* StatusBar = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void farbeZeigen(int k);

    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
};

} // namespace tabulo
