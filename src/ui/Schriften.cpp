#include "ui/Schriften.h"

#include <QFontDatabase>

namespace tabulo {

QFont arial(double punkte, bool fett) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

QFont fixedsys() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

} // namespace tabulo
