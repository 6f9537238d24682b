#pragma once

#include "core/overview/Rasterlayout.h"

#include <QFont>
#include <QRect>
#include <QRectF>

class QPaintDevice;

namespace tabulo {

// Geometry is given in twips; on screen 15 twips are one pixel.
constexpr double TwipsProPixel = 15.0;

constexpr double px(double twips) {
    return twips / TwipsProPixel;
}
constexpr double twips(double pixel) {
    return pixel * TwipsProPixel;
}

inline QRectF pxRechteck(const Twips& t) {
    return {px(t.links), px(t.oben), px(t.breite), px(t.hoehe)};
}
inline QRect pxGanz(double links, double oben, double breite, double hoehe) {
    return QRectF(px(links), px(oben), px(breite), px(hoehe)).toRect();
}

// The font of a label at its point size, drawn at 96 dots per inch whatever the device says, so
// that text keeps its size relative to the twip geometry (a printout scales both alike).
QFont beschriftungsSchrift(const Beschriftung& b, const QPaintDevice* fuer);

} // namespace tabulo
