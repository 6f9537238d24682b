#include "ui/ZiehSteuerung.h"

#include <QApplication>

namespace tabulo {

static ZiehZiel* alsZiel(QWidget* w) {
    return dynamic_cast<ZiehZiel*>(w);
}

QWidget* ZiehSteuerung::zielBei(QPoint global) {
    QWidget* w = QApplication::widgetAt(global);
    while (w && !alsZiel(w))
        w = w->parentWidget();
    // Disabled windows take no drops, as with the host's controls.
    if (w && !w->isEnabled())
        return nullptr;
    return w;
}

void ZiehSteuerung::beginnen(const ZiehQuelle& quelle) {
    abbrechen();
    m_quelle = quelle;
}

void ZiehSteuerung::zielWechseln(QWidget* neu, QPoint global) {
    if (neu == m_ziel)
        return;
    if (m_ziel)
        if (ZiehZiel* alt = alsZiel(m_ziel))
            alt->ziehenUeber(*m_quelle, ZiehZustand::Verlassen, m_ziel->mapFromGlobal(global));
    m_ziel = neu;
    if (m_ziel)
        alsZiel(m_ziel)->ziehenUeber(*m_quelle, ZiehZustand::Betreten, m_ziel->mapFromGlobal(global));
}

void ZiehSteuerung::bewegen(QPoint global) {
    if (!m_quelle)
        return;
    QWidget* neu = zielBei(global);
    if (neu != m_ziel) {
        zielWechseln(neu, global);
        return;
    }
    if (m_ziel)
        alsZiel(m_ziel)->ziehenUeber(*m_quelle, ZiehZustand::Ueber, m_ziel->mapFromGlobal(global));
}

void ZiehSteuerung::loslassen(QPoint global) {
    if (!m_quelle)
        return;
    const ZiehQuelle quelle = *m_quelle;
    QWidget* ziel = zielBei(global);
    if (ziel != m_ziel)
        zielWechseln(ziel, global);
    m_ziel = nullptr;
    m_quelle.reset();
    if (ziel)
        alsZiel(ziel)->ablegen(quelle, ziel->mapFromGlobal(global));
    emit beendet();
}

void ZiehSteuerung::abbrechen() {
    if (!m_quelle)
        return;
    if (m_ziel)
        if (ZiehZiel* z = alsZiel(m_ziel))
            z->ziehenUeber(*m_quelle, ZiehZustand::Verlassen, {});
    m_ziel = nullptr;
    m_quelle.reset();
    emit beendet();
}

} // namespace tabulo
