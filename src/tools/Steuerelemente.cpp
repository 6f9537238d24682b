#include "tools/Steuerelemente.h"

#include "app/Farben.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace tabulo {

void farbfeldSetzen(QLabel* label, Farbe farbe) {
    const QColor hintergrund = qtFarbe(farbe);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, hintergrund);
    p.setColor(QPalette::WindowText, hintergrund.lightness() < 110 ? Qt::white : Qt::black);
    label->setPalette(p);
    label->setAutoFillBackground(true);
}

void textZeigen(QLineEdit* feld, const QString& text, int hoechstlaenge) {
    feld->setMaxLength(qMax(hoechstlaenge, static_cast<int>(text.size())));
    feld->setText(text);
}

} // namespace tabulo
