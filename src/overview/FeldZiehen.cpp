#include "overview/FeldZiehen.h"

#include "core/common/Arbeitsbereich.h"

#include <QApplication>
#include <QMouseEvent>

namespace tabulo {

FeldZiehen::FeldZiehen(Arbeitsbereich& ab, ZiehSteuerung& ziehen, QWidget* parent)
    : QWidget(parent), m_ab(ab), m_ziehen(ziehen) {}

void FeldZiehen::gedrueckt(int feld, QPoint global) {
    m_quelle = feld;
    m_start = global;
    m_bewegt = false;
    m_ab.feldZiehen = 1;
    m_ab.listenZiehen = 0;
    m_ziehen.beginnen({ZiehQuelle::Feld, feld});
    m_ab.rahmenFarbe[feld] = farbe::Quellmarke;
    m_ab.rahmenGeaendert();
    grabMouse();
}

void FeldZiehen::bewegt(QPoint global) {
    if (m_quelle < 0)
        return;
    if ((global - m_start).manhattanLength() >= QApplication::startDragDistance())
        m_bewegt = true;
    if (m_bewegt)
        m_ziehen.bewegen(global);
}

void FeldZiehen::losgelassen(QPoint global) {
    if (m_quelle < 0)
        return;
    releaseMouse();
    if (m_bewegt)
        m_ziehen.loslassen(global);
    else
        m_ziehen.abbrechen();
    beenden();
}

// A drag that no field, tab or list took ends like a release on the source.
void FeldZiehen::beenden() {
    const int quelle = m_quelle;
    m_quelle = -1;
    if (m_ab.feldZiehen != 1)
        return;
    m_ab.feldZiehen = 0;
    m_ab.rahmenFarbe[quelle] = farbe::NormalA;
    m_ab.rahmenGeaendert();
}

void FeldZiehen::ziehenUeber(const ZiehQuelle& quelle, ZiehZustand zustand, QPoint) {
    if (zustand == ZiehZustand::Verlassen && m_ab.feldZiehen == 1 && quelle.art == ZiehQuelle::Feld &&
        quelle.index >= 0 && quelle.index < AnzahlFelder) {
        m_ab.rahmenFarbe[quelle.index] = farbe::NormalA;
        m_ab.rahmenGeaendert();
    }
}

void FeldZiehen::mouseMoveEvent(QMouseEvent* e) {
    bewegt(e->globalPosition().toPoint());
}

void FeldZiehen::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        losgelassen(e->globalPosition().toPoint());
}

} // namespace tabulo
