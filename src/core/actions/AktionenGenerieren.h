#pragma once

#include <QString>
#include <array>

namespace tabulo {

class Arbeitsbereich;

// The template with every "*" replaced by the identifier and every "?" by the status, in one
// pass: text that comes in through a replacement is not looked at again.
QString AktionstextBilden(const QString& vorlage, const QString& kennung, const QString& status);

// The selections of the action window that generation reads, index = digit or list row.
struct GenerierAuswahl {
    std::array<bool, 16> bos{};
    std::array<bool, 16> land{};
    std::array<bool, 16> ort1{};
    std::array<bool, 16> ort2{};
    std::array<bool, 10> stati{};
    std::array<bool, 2> richtung{};
    QString vorlage;
};

// Appends one action per qualifying vehicle, selected status and selected direction, in that
// nesting. An empty digit selection means every digit and is filled in, so the window can
// show it; no status or no direction generates nothing. The actions count as changed either
// way. A vehicle qualifies when the first four characters of its identifier are digits of the
// selection; an identifier that is shorter, or has blanks or other characters there, never
// does. Returns the number of new actions.
int AktionenGenerieren(Arbeitsbereich& ab, GenerierAuswahl& auswahl);

} // namespace tabulo
