#pragma once

#include "core/overview/Rasterlayout.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPointF>
#include <array>

class QPaintDevice;
class QPainter;

namespace tabulo {

// Draws a field of the overview: its etched box, the labels `Fahrzeug`, `Zeit`, `Kennung`, `Info`
// and `Text`, and the status square in its colour. The window on screen and the printout both
// draw through it, so a printed field never differs from the one on screen. It draws in screen
// pixels (15 twips each); a printout scales the painter to the paper.
class FeldMaler {
public:
    // The fonts are made for the device, so that a point is a point on screen and on paper.
    FeldMaler(const Rasterlayout& raster, const QPaintDevice* geraet, const QPalette& palette);

    // The field's box has its top left corner at `ecke`; `kasten` fills it.
    void malen(QPainter& p, const Feld& f, QPointF ecke, const QColor& kasten) const;

private:
    const Rasterlayout& m_raster;
    QPalette m_palette;
    std::array<QFont, 6> m_schriften;
};

} // namespace tabulo
