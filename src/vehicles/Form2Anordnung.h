#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tabulo {

// Geometry of the vehicle list window in twips (15 twips = 1 pixel).
namespace form2 {

constexpr int TwipsProPixel = 15;
constexpr QSize EntwurfsFlaeche{5730, 4260}; // client area
// The window's outer size is its client area plus border and caption, as the host draws them.
constexpr int RahmenBreite = 120;
constexpr int RahmenHoehe = 405;
constexpr int MindestHoehe = 3300; // outer height

struct Anordnung {
    QRect listView1;
    QRect list2Label;
    QRect listView2;
    QRect modusFrame;
};

// Places the controls for a client area of the given size (twips). Only the list views, the
// count line and the frame follow the size; widths never go below 0.
Anordnung anordnen(QSize flaeche);

// Top-left corner of the window (twips) beside a main window with this outer geometry (twips):
// from the main window's middle, 1000 twips higher, but not above 300.
QPoint ortNebenHauptfenster(const QRect& hauptfenster);

// The row of controls inside the frame.
constexpr int FrameHoehe = 435;
constexpr int FrameRand = 60;
constexpr int ZeilenHoehe = 285;
constexpr int KnopfHoehe = 330;

constexpr int px(int twips) {
    return (twips + TwipsProPixel / 2) / TwipsProPixel;
}
QRect px(const QRect& twips);

} // namespace form2

} // namespace tabulo
