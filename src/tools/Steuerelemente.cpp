#include "tools/Steuerelemente.h"

#include "ui/Farben.h"
#include "ui/Fortschrittsstreifen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

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

KnopfZeile knopfZeile(const QString& text, const QString& name) {
    KnopfZeile k;
    k.ausfuehren = new QPushButton(text);
    k.ausfuehren->setObjectName(name);
    k.abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    k.abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    k.abbrechen->setShortcut(Qt::Key_Escape);
    k.zeile = new QHBoxLayout;
    k.zeile->addWidget(k.ausfuehren);
    k.zeile->addWidget(k.abbrechen);
    return k;
}

Fortschrittsstreifen* dialogStreifen() {
    auto* streifen = new Fortschrittsstreifen;
    streifen->setFixedHeight(14);
    QSizePolicy politik = streifen->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    streifen->setSizePolicy(politik);
    return streifen;
}

} // namespace tabulo
