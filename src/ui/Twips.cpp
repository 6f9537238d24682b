#include "ui/Twips.h"

#include "ui/Schriften.h"

#include <QPaintDevice>

namespace tabulo {

QFont beschriftungsSchrift(const Beschriftung& b, const QPaintDevice* fuer) {
    const double dpi = fuer ? fuer->logicalDpiY() : 96.0;
    return arial(b.punkte * 96.0 / (dpi > 0 ? dpi : 96.0), b.fett);
}

} // namespace tabulo
