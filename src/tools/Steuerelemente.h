#pragma once

#include "model/Farbe.h"

class QLabel;
class QLineEdit;
class QString;

namespace tabulo {

// Fills a label with a status colour and keeps its caption readable on it.
void farbfeldSetzen(QLabel* label, Farbe farbe);

// Shows a text in a box whose length limit holds for typing only: a longer stored value is
// shown whole, so that saving it again does not cut it.
void textZeigen(QLineEdit* feld, const QString& text, int hoechstlaenge);

} // namespace tabulo
