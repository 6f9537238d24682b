#include "ui/Twips.h"

#include "ui/Schriften.h"

#include <QWidget>

namespace tabulo {

QFont beschriftungsSchrift(const Beschriftung& b, const QWidget* fuer) {
    const double dpi = fuer ? fuer->logicalDpiY() : 96.0;
    return arial(b.punkte * 96.0 / (dpi > 0 ? dpi : 96.0), b.fett);
}

} // namespace tabulo
