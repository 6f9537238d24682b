#pragma once

#include "model/Rasterlayout.h"

#include <QWidget>

namespace tabulo {

class Arbeitsbereich;

// One window of the overview (`TabFrame`): draws its 52 fields, each a box with the labels
// `Fahrzeug`, `Zeit`, `Kennung`, `Info`, `Status` and `Text` at the places the grid gives.
// The fields are painted, not built from widgets, so that a resize lays out all 416 at once.
class FensterAnsicht : public QWidget {
    Q_OBJECT

public:
    FensterAnsicht(Arbeitsbereich& ab, int fenster, QWidget* parent = nullptr);

    int fenster() const { return m_fenster; }

    // Takes a new grid; the widget's own size is set by the main window.
    void setzeRaster(const Rasterlayout& raster);
    const Rasterlayout& raster() const { return m_raster; }

    // Box of a field (index 0..415 of this window) and the place of its status label, in pixels.
    QRectF feldRechteck(int feld) const;
    QRectF statusRechteck(int feld) const;

    // The field under a point, -1 if none. Where boxes overlap, the upper line's box is on top.
    int feldBei(QPointF punkt) const;

protected:
    void paintEvent(QPaintEvent* e) override;

    Arbeitsbereich& m_ab;

private:
    void feldMalen(QPainter& p, int feld, const QFont (&schriften)[6]) const;

    int m_fenster;
    Rasterlayout m_raster = entwurfsRaster();
};

} // namespace tabulo
