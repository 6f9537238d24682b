#pragma once

#include "core/overview/Rasterlayout.h"
#include "ui/ZiehSteuerung.h"

#include <QWidget>

namespace tabulo {

class Arbeitsbereich;
class FeldZiehen;

// One window of the overview (`TabFrame`): draws its 52 fields, each a box with the labels
// `Fahrzeug`, `Zeit`, `Kennung`, `Info`, `Status` and `Text` at the places the grid gives.
// The fields are painted, not built from widgets, so that a resize lays out all 416 at once.
// A press on a field starts dragging it; fields take drops of fields and vehicles.
class FensterAnsicht : public QWidget, public ZiehZiel {
    Q_OBJECT

public:
    FensterAnsicht(Arbeitsbereich& ab, int fenster, FeldZiehen* feldZiehen = nullptr,
                   QWidget* parent = nullptr);

    int fenster() const { return m_fenster; }

    // Takes a new grid; the widget's own size is set by the main window.
    void setzeRaster(const Rasterlayout& raster);
    const Rasterlayout& raster() const { return m_raster; }

    // Box of a field (index 0..415 of this window) and the place of its status label, in pixels.
    QRectF feldRechteck(int feld) const;
    QRectF statusRechteck(int feld) const;
    QRectF textRechteck(int feld) const;

    // The field under a point, -1 if none. Where boxes overlap, the upper line's box is on top.
    int feldBei(QPointF punkt) const;

    void ziehenUeber(const ZiehQuelle& quelle, ZiehZustand zustand, QPoint pos) override;
    void ablegen(const ZiehQuelle& quelle, QPoint pos) override;

signals:
    // Double click on a field: open the field editor.
    void feldDoppelklick(int feld);
    // "In Fahrzeugliste zeigen" from a vehicle field's context menu.
    void fahrzeugInListeZeigen(int feld);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // The part of a field under the pointer: its box, or its `Text` label, which covers most of it.
    struct Element {
        int feld = -1;
        bool text = false;
        bool operator==(const Element&) const = default;
    };
    Element elementBei(QPointF punkt) const;

    Arbeitsbereich& m_ab;
    int m_fenster;
    FeldZiehen* m_feldZiehen;
    Rasterlayout m_raster = entwurfsRaster();
    Element m_unterZeiger;
};

} // namespace tabulo
