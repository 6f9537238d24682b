#include "ui/Farben.h"

#include <QApplication>
#include <QPalette>

namespace tabulo {

static QColor systemFarbe(int nummer, const QPalette& p) {
    switch (nummer) {
    case 5:
        return p.color(QPalette::Base); // window background
    case 8:
        return p.color(QPalette::Text); // window text
    case 10:
        return p.color(QPalette::Mid); // active border
    case 13:
        return p.color(QPalette::Highlight);
    case 14:
        return p.color(QPalette::HighlightedText);
    case 15:
        return p.color(QPalette::Button); // button face
    case 18:
        return p.color(QPalette::ButtonText);
    default:
        return p.color(QPalette::Window);
    }
}

QColor qtFarbe(Farbe farbe) {
    return qtFarbe(farbe, QApplication::palette());
}

QColor qtFarbe(Farbe farbe, const QPalette& palette) {
    if (farbe::istSystemfarbe(farbe))
        return systemFarbe(static_cast<int>(farbe & 0xFF), palette);
    return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
}

Farbe windowsFarbe(const QColor& farbe) {
    return static_cast<Farbe>(farbe.red()) | (static_cast<Farbe>(farbe.green()) << 8) |
           (static_cast<Farbe>(farbe.blue()) << 16);
}

} // namespace tabulo
