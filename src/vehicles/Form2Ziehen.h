#pragma once

#include <QObject>
#include <QPoint>

class QAbstractItemView;

namespace tabulo {

class Arbeitsbereich;
class FahrzeugListView;
class ZiehSteuerung;

// Dragging a vehicle out of one of the two lists of the vehicle list window: moving the mouse
// with the left button held starts the drag of the row pressed on, which the press has selected
// (`ListenZiehen` 1 or 2); the release ends it wherever it is dropped. Watches the list's
// viewport, so the list itself does not turn the drag into a change of selection.
class ListenZiehen : public QObject {
    Q_OBJECT

public:
    ListenZiehen(Arbeitsbereich& ab, ZiehSteuerung& ziehen, FahrzeugListView& liste, int nummer);

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    Arbeitsbereich& m_ab;
    ZiehSteuerung& m_ziehen;
    FahrzeugListView& m_liste;
    int m_nummer;
    QPoint m_start;
    int m_fahrzeug = -1; // vehicle list entry of the row pressed on
    bool m_gedrueckt = false;
    bool m_zieht = false;
};

} // namespace tabulo
