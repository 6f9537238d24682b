#pragma once

#include "ui/ZiehSteuerung.h"

#include <QPoint>
#include <QWidget>

namespace tabulo {

class Arbeitsbereich;

// Dragging a field of the overview. A press on a field starts the drag at once (the box shows
// the source mark); the moves and the release go to the drag controller. A release without
// movement, or a drop where nothing takes it, ends the drag without a drop.
//
// The widget itself is the main window's bare surface: it holds the mouse while a field is
// dragged, so the drag goes on when the field's window is swapped for another one under the
// pointer, and it resets the source box when the drag leaves the window.
class FeldZiehen : public QWidget, public ZiehZiel {
    Q_OBJECT

public:
    FeldZiehen(Arbeitsbereich& ab, ZiehSteuerung& ziehen, QWidget* parent = nullptr);

    void gedrueckt(int feld, QPoint global);
    void bewegt(QPoint global);
    void losgelassen(QPoint global);

    int quelle() const { return m_quelle; }

    void ziehenUeber(const ZiehQuelle& quelle, ZiehZustand zustand, QPoint pos) override;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void beenden();

    Arbeitsbereich& m_ab;
    ZiehSteuerung& m_ziehen;
    int m_quelle = -1;
    QPoint m_start;
    bool m_bewegt = false;
};

} // namespace tabulo
