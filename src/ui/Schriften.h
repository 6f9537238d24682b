#pragma once

#include <QFont>

namespace tabulo {

// "Arial" in the given size; fontconfig substitutes a metric-compatible sans where Arial is
// missing.
QFont arial(double punkte, bool fett = false);

// The host's "Fixedsys": the system's fixed-pitch font.
QFont fixedsys();

} // namespace tabulo
