#include "ui/Sanduhr.h"

#include <QCursor>
#include <QGuiApplication>

namespace tabulo {

void Sanduhr::zeigen() {
    if (m_tiefe++ == 0)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_streifen.zeigen();
}

void Sanduhr::verbergen() {
    m_streifen.verbergen();
    if (m_tiefe > 0 && --m_tiefe == 0)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace tabulo
