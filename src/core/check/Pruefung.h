#pragma once

#include "core/check/Befund.h"
#include "core/check/Pruefgut.h"

namespace tabulo {

// Checks the tables against the rules the host program lives by and returns what is wrong,
// ordered errors first. The findings read while the files were taken in come along.
Befunde tabellenPruefen(const Pruefgut& gut);

// The host reads no more actions than this.
constexpr int AktionenHoechstzahl = 999;

} // namespace tabulo
