#include "app/BeendenFrage.h"

#include "core/common/Ungespeichert.h"

#include <QCloseEvent>
#include <QWidget>

namespace tabulo {

BeendenFrage::BeendenFrage(QWidget& fenster, Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                           Fortschritt& fortschritt)
    : QObject(&fenster), m_ab(ab), m_rueckfrage(rueckfrage), m_fortschritt(fortschritt) {
    fenster.installEventFilter(this);
}

bool BeendenFrage::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::Close)
        return QObject::eventFilter(objekt, ereignis);
    if (beendenErlaubt(m_ab, m_rueckfrage, m_fortschritt)) {
        emit zugestimmt();
        return false; // the window closes as usual
    }
    ereignis->ignore();
    return true;
}

} // namespace tabulo
