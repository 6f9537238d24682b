#pragma once

#include <QObject>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;
class Rueckfrage;

// The close query of the main window: every way of closing it (the menu, the close box, the
// window system) passes here and is let through only when the program may end.
class BeendenFrage : public QObject {
    Q_OBJECT

public:
    // Watches `fenster`, which also owns this object.
    BeendenFrage(QWidget& fenster, Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);

signals:
    // The close goes ahead: the program is to end.
    void zugestimmt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    Fortschritt& m_fortschritt;
};

} // namespace tabulo
