#pragma once

#include "core/common/Farbe.h"

#include <QColor>
#include <QPalette>

namespace tabulo {

// A Windows colour number as a Qt colour; system colours come from the application palette.
QColor qtFarbe(Farbe farbe);
// The same, with system colours from the given palette.
QColor qtFarbe(Farbe farbe, const QPalette& palette);

// A Qt colour as a Windows colour number.
Farbe windowsFarbe(const QColor& farbe);

} // namespace tabulo
