#include "ui/SperrFenster.h"

#include <QHideEvent>

namespace tabulo {

SperrFenster::SperrFenster(QWidget* parent) : QWidget(parent, Qt::Dialog) {}

SperrFenster::~SperrFenster() {
    freigeben();
}

void SperrFenster::oeffnen(const QList<QWidget*>& sperren) {
    setEnabled(true);
    show();
    raise();
    activateWindow();
    for (QWidget* w : sperren) {
        if (w && w != this) {
            w->setEnabled(false);
            m_gesperrt.append(w);
        }
    }
}

void SperrFenster::hideEvent(QHideEvent* e) {
    // Minimising hides the window too, but the window system's hide is spontaneous: only a hide
    // by the program (its buttons, the close box, being destroyed) ends the dialog.
    if (!e->spontaneous())
        freigeben();
    QWidget::hideEvent(e);
}

void SperrFenster::freigeben() {
    for (const auto& w : m_gesperrt)
        if (w)
            w->setEnabled(true);
    m_gesperrt.clear();
}

} // namespace tabulo
