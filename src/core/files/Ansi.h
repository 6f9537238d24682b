#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tabulo {

// Windows-1252, the single-byte text of every data file. Every byte maps to one character and
// back (the five bytes Windows-1252 leaves undefined map to the C1 control of the same value),
// so any file reads and writes back byte for byte. Characters outside the code page become '?'.
QString ansiNachText(QByteArrayView bytes);
// The same characters written to ziel, one per byte.
void ansiNachText(QByteArrayView bytes, char16_t* ziel);
QChar ansiNachZeichen(char byte);
QByteArray textNachAnsi(QStringView text);

// Appends a text field of a record: the text cut to `breite` characters, blanks up to `breite`.
void ansiFeldAnhaengen(QByteArray& ziel, QStringView text, qsizetype breite);

} // namespace tabulo
