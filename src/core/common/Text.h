#pragma once

#include <QString>
#include <QStringView>

namespace tabulo {

// Leading decimal number of a text: blanks are skipped, then an optional sign, digits and
// an optional fraction. Texts without a number give 0.
double fuehrendeZahl(QStringView text);

// The leading number as an integer, truncated towards zero and clamped into the int range.
int fuehrendeGanzzahl(QStringView text);

// Plain decimal text of a number, no leading zeros.
QString zahlText(qint64 zahl);

// Hexadecimal digit value of the first character of s; s is replaced by that character in
// upper case (callers rely on this). Anything that is not 0-9/A-F gives 0.
int HexWert(QString& s);

// Value of one hexadecimal digit, -1 when it is none.
int hexZiffer(QChar c);

// Upper-case hexadecimal digit for 0..15.
QChar hexZeichen(int wert);

// Replaces every occurrence of such by ersatz, scanning left to right.
QString TextErsetzen(QStringView text, QStringView such, QStringView ersatz);

// Pads with blanks on the right up to breite; longer texts stay as they are.
QString rechtsAuffuellen(const QString& text, int breite, QChar fuellung = QLatin1Char(' '));

// Cuts to breite characters, then pads with blanks to exactly breite.
QString aufBreite(const QString& text, int breite);

// Removes trailing blanks (only 0x20, as the host does).
QString ohneEndLeerzeichen(const QString& text);

// Removes leading and trailing blanks (only 0x20).
QString ohneRandLeerzeichen(const QString& text);

} // namespace tabulo
