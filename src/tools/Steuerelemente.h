#pragma once

#include "core/common/Farbe.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;

namespace tabulo {

class Fortschrittsstreifen;

// Fills a label with a status colour and keeps its caption readable on it.
void farbfeldSetzen(QLabel* label, Farbe farbe);

// Shows a text in a box whose length limit holds for typing only: a longer stored value is
// shown whole, so that saving it again does not cut it.
void textZeigen(QLineEdit* feld, const QString& text, int hoechstlaenge);

// The action button and "Abbrechen" (Escape) side by side, as the tool dialogs show them.
struct KnopfZeile {
    QPushButton* ausfuehren;
    QPushButton* abbrechen;
    QHBoxLayout* zeile;
};
KnopfZeile knopfZeile(const QString& text, const QString& name);

// A thin progress strip under the buttons that keeps its room while hidden, so the dialog does
// not change size when the work starts.
Fortschrittsstreifen* dialogStreifen();

} // namespace tabulo
