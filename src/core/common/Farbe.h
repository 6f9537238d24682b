#pragma once

#include <QtGlobal>
#include <array>

namespace tabulo {

// Windows colour number 0x00BBGGRR; with the high bit set it names a system colour.
using Farbe = quint32;

namespace farbe {
constexpr Farbe Weiss = 0xFFFFFF;
constexpr Farbe Schwarz = 0x000000;
constexpr Farbe Rot = 0x0000FF;
constexpr Farbe ReinGruen = 0x00FF00;
constexpr Farbe Quellmarke = 0xC0FFFF; // box of the field being dragged
constexpr Farbe Zielmarke = 0xC00000;  // box of the field under the pointer
constexpr Farbe NormalA = 0x8000000A;  // system colour "active border", the boxes' design colour
constexpr Farbe NormalB = 0x8000000F;  // system colour "button face"
constexpr Farbe Schaltflaechentext = 0x80000012;
// Status values without an entry in the colour table are shown on neutral grey.
constexpr Farbe OhneStatusfarbe = 0xC0C0C0;
constexpr Farbe StatusEntwurf = 0x008000; // design background of a status label

constexpr bool istSystemfarbe(Farbe f) {
    return (f & 0x80000000u) != 0;
}
} // namespace farbe

constexpr int AnzahlStatusfarben = 11;

// Status colours 0 to 9 when the settings store has none; entry 10 stays black.
constexpr std::array<Farbe, AnzahlStatusfarben> StandardStatusfarben = {
    16777215, 32768, 32768, 65535, 255, 16744448, 8421504, 4227327, 26367, 16744448, 0};

} // namespace tabulo
