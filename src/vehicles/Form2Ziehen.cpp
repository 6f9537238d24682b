// The drag-and-drop side of the vehicle list window.

#include "vehicles/Form2Ziehen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/overview/FeldVerschieben.h"
#include "core/vehicles/FahrzeugModelle.h"
#include "ui/ZiehSteuerung.h"
#include "vehicles/FahrzeugListView.h"
#include "vehicles/Form2.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace tabulo {

ListenZiehen::ListenZiehen(Arbeitsbereich& ab, ZiehSteuerung& ziehen, FahrzeugListView& liste, int nummer)
    : QObject(&liste), m_ab(ab), m_ziehen(ziehen), m_liste(liste), m_nummer(nummer) {
    liste.viewport()->installEventFilter(this);
}

bool ListenZiehen::eventFilter(QObject* objekt, QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::LeftButton) {
            m_gedrueckt = true;
            m_zieht = false;
            m_start = m->globalPosition().toPoint();
            const QModelIndex zeile = m_liste.indexAt(m->position().toPoint());
            m_fahrzeug = zeile.isValid() ? m_liste.zeilenModell().fahrzeugIndex(zeile.row()) : -1;
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!m_gedrueckt || !(m->buttons() & Qt::LeftButton))
            break;
        // Short moves stay away from the list too: it would select the row under the pointer,
        // and the row pressed on is the one to carry.
        const QPoint global = m->globalPosition().toPoint();
        if (!m_zieht && (global - m_start).manhattanLength() < QApplication::startDragDistance())
            return true;
        if (!m_zieht) {
            m_zieht = true;
            m_ab.listenZiehen = static_cast<qint16>(m_nummer);
            m_ab.feldZiehen = 0;
            m_ziehen.beginnen({m_nummer == 2 ? ZiehQuelle::Liste2 : ZiehQuelle::Liste1, m_fahrzeug});
        }
        m_ziehen.bewegen(global);
        return true; // the list keeps its selection while the vehicle is carried
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton)
            break;
        m_gedrueckt = false;
        if (!m_zieht)
            break;
        m_zieht = false;
        m_ziehen.loslassen(m->globalPosition().toPoint());
        m_ab.listenZiehen = 0;
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(objekt, e);
}

void Form2::setzeZiehSteuerung(ZiehSteuerung& ziehen) {
    new ListenZiehen(m_ab, ziehen, *ListView1, 1);
    new ListenZiehen(m_ab, ziehen, *ListView2, 2);
}

void Form2::einfuegemodusGeaendert(int modus) {
    // How far a drop shifts only matters in the shifting modes. The import button in the same
    // frame stays usable.
    const bool schiebend = modus == NachRechts || modus == NachUnten;
    ModusLabel->setEnabled(schiebend);
    ModusButton[1]->setEnabled(schiebend);
    ModusButton[2]->setEnabled(schiebend);
}

void Form2::ablegen(const ZiehQuelle& quelle, QPoint pos) {
    if (m_ab.feldZiehen != 1 || quelle.art != ZiehQuelle::Feld)
        return;
    // Only the window's background and its two lists take a field; its other controls do not.
    QWidget* unter = childAt(pos);
    if (unter && !ListView1->isAncestorOf(unter) && !ListView2->isAncestorOf(unter))
        return;
    FeldEntfernen(m_ab, quelle.index);
    activateWindow();
}

} // namespace tabulo
