#pragma once

#include "core/common/Farbe.h"

#include <QColor>

namespace tabulo {

// A Windows colour number as a Qt colour; system colours come from the application palette.
QColor qtFarbe(Farbe farbe);

// A Qt colour as a Windows colour number.
Farbe windowsFarbe(const QColor& farbe);

} // namespace tabulo
