#include "vehicles/Form2Anordnung.h"

#include <algorithm>

namespace tabulo::form2 {

Anordnung anordnen(QSize flaeche) {
    const int w = flaeche.width() + RahmenBreite;
    const int h = std::max(flaeche.height() + RahmenHoehe, MindestHoehe);
    const int breite = std::max(0, w - 180);
    Anordnung a;
    a.listView1 = QRect(30, 60, breite, std::max(0, h - 3010));
    a.list2Label = QRect(30, h - 2830, breite, 195);
    a.listView2 = QRect(30, h - 2630, breite, 1680);
    a.modusFrame = QRect(30, h - 870, breite, FrameHoehe);
    return a;
}

QPoint ortNebenHauptfenster(const QRect& hauptfenster) {
    return {hauptfenster.left() + hauptfenster.width() / 2, std::max(hauptfenster.top() - 1000, 300)};
}

QRect px(const QRect& twips) {
    return QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()));
}

} // namespace tabulo::form2
