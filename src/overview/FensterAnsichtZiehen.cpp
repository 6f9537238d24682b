// The mouse and drag-and-drop side of the overview windows.

#include "core/common/Arbeitsbereich.h"
#include "core/overview/FeldVerschieben.h"
#include "overview/FeldZiehen.h"
#include "overview/FensterAnsicht.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace tabulo {

FensterAnsicht::Element FensterAnsicht::elementBei(QPointF punkt) const {
    const int feld = feldBei(punkt);
    if (feld < 0)
        return {};
    return {feld, textRechteck(feld).contains(punkt)};
}

void FensterAnsicht::mousePressEvent(QMouseEvent* e) {
    const int feld = feldBei(e->position());
    if (e->button() == Qt::LeftButton && feld >= 0 && m_feldZiehen)
        m_feldZiehen->gedrueckt(feld, e->globalPosition().toPoint());
}

void FensterAnsicht::mouseMoveEvent(QMouseEvent* e) {
    if ((e->buttons() & Qt::LeftButton) && m_feldZiehen)
        m_feldZiehen->bewegt(e->globalPosition().toPoint());
}

void FensterAnsicht::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && m_feldZiehen)
        m_feldZiehen->losgelassen(e->globalPosition().toPoint());
}

void FensterAnsicht::contextMenuEvent(QContextMenuEvent* e) {
    const int feld = feldBei(e->pos());
    if (feld < 0 || m_ab.felder[feld].feldtyp != FeldFahrzeug)
        return;
    QMenu menue(this);
    const QAction* zeigen = menue.addAction(QStringLiteral("In Fahrzeugliste zeigen"));
    connect(zeigen, &QAction::triggered, this, [this, feld] { emit fahrzeugInListeZeigen(feld); });
    menue.exec(e->globalPos());
}

void FensterAnsicht::mouseDoubleClickEvent(QMouseEvent* e) {
    const int feld = feldBei(e->position());
    if (e->button() == Qt::LeftButton && feld >= 0)
        emit feldDoppelklick(feld);
}

void FensterAnsicht::ziehenUeber(const ZiehQuelle& quelle, ZiehZustand zustand, QPoint pos) {
    const Element neu = zustand == ZiehZustand::Verlassen ? Element{} : elementBei(pos);
    if (neu == m_unterZeiger)
        return;
    if (m_unterZeiger.feld >= 0) {
        // Leaving the `Text` label and leaving the box give the two normal colours.
        m_ab.rahmenFarbe[m_unterZeiger.feld] = m_unterZeiger.text ? farbe::NormalB : farbe::NormalA;
        // The pointer may just have left the source itself.
        if (m_ab.feldZiehen == 1 && quelle.art == ZiehQuelle::Feld && quelle.index >= 0 &&
            quelle.index < AnzahlFelder)
            m_ab.rahmenFarbe[quelle.index] = farbe::Quellmarke;
    }
    if (neu.feld >= 0)
        m_ab.rahmenFarbe[neu.feld] = farbe::Zielmarke;
    m_unterZeiger = neu;
    m_ab.rahmenGeaendert();
}

void FensterAnsicht::ablegen(const ZiehQuelle& quelle, QPoint pos) {
    m_unterZeiger = {};
    const int t = feldBei(pos);
    if (t < 0)
        return;
    const bool feldQuelle =
        quelle.art == ZiehQuelle::Feld && quelle.index >= 0 && quelle.index < AnzahlFelder;
    if (m_ab.feldZiehen == 1 && m_ab.listenZiehen == 0 && feldQuelle) {
        FeldAufFeldAblegen(m_ab, quelle.index, t);
    } else if ((m_ab.listenZiehen == 1 || m_ab.listenZiehen == 2) && m_ab.feldZiehen == 0) {
        const bool gewaehlt = quelle.index >= 0 && quelle.index < static_cast<int>(m_ab.fahrzeuge.size());
        FahrzeugAufFeldAblegen(m_ab, gewaehlt ? &m_ab.fahrzeuge[quelle.index] : nullptr, t);
    } else {
        SonstigesAufFeldAblegen(m_ab, t);
    }
}

} // namespace tabulo
