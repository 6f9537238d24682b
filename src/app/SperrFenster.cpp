#include "app/SperrFenster.h"

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
