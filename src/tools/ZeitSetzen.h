#pragma once

#include "ui/SperrFenster.h"

class QLineEdit;
class QPushButton;

namespace tabulo {

class Arbeitsbereich;
class Fortschrittsstreifen;

// "Zeit Manuell Setzen": gives every vehicle whose time stamp is a clock time one text, the
// start-up date by default. Created once, then only hidden and shown.
class ZeitSetzen : public SperrFenster {
    Q_OBJECT

public:
    explicit ZeitSetzen(Arbeitsbereich& ab);

    // The menu command: the text box shows Heute again, the strip is hidden.
    void anzeigen(const QList<QWidget*>& sperren);

    void Setzen_Click();
    void Abbrechen_Click();

    QLineEdit* ZeitNeu = nullptr;
    QPushButton* Setzen = nullptr;
    QPushButton* Abbrechen = nullptr;
    Fortschrittsstreifen* StatusBar = nullptr;

private:
    Arbeitsbereich& m_ab;
};

} // namespace tabulo
