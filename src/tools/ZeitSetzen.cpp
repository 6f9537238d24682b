#include "tools/ZeitSetzen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/vehicles/Fahrzeug.h"
#include "core/vehicles/Zeitstempel.h"
#include "tools/Steuerelemente.h"
#include "ui/Fortschrittsstreifen.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

ZeitSetzen::ZeitSetzen(Arbeitsbereich& ab) : m_ab(ab) {
    setObjectName(QStringLiteral("ZeitSetzen"));
    setWindowTitle(QStringLiteral("Zeit Manuell Setzen"));

    auto* frame1 = new QGroupBox;
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* label1 = new QLabel(QStringLiteral("Alle Zeiten setzen auf:"));
    ZeitNeu = new QLineEdit;
    ZeitNeu->setObjectName(QStringLiteral("ZeitNeu"));
    ZeitNeu->setMaxLength(breite::Zeit);
    ZeitNeu->setFixedWidth(ZeitNeu->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 16);
    auto* zeile = new QHBoxLayout(frame1);
    zeile->addWidget(label1);
    zeile->addWidget(ZeitNeu);

    const KnopfZeile knoepfe = knopfZeile(QStringLiteral("Zeit Setzen"), QStringLiteral("Setzen"));
    Setzen = knoepfe.ausfuehren;
    Abbrechen = knoepfe.abbrechen;
    StatusBar = dialogStreifen();

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(frame1);
    spalte->addLayout(knoepfe.zeile);
    spalte->addWidget(StatusBar);
    setFixedSize(sizeHint());

    connect(Setzen, &QPushButton::clicked, this, &ZeitSetzen::Setzen_Click);
    connect(ZeitNeu, &QLineEdit::returnPressed, this, &ZeitSetzen::Setzen_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &ZeitSetzen::Abbrechen_Click);
}

void ZeitSetzen::anzeigen(const QList<QWidget*>& sperren) {
    ZeitNeu->setText(m_ab.heute);
    StatusBar->hide();
    oeffnen(sperren);
    ZeitNeu->setFocus();
    ZeitNeu->selectAll();
}

void ZeitSetzen::Setzen_Click() {
    ZeitenSetzen(m_ab, ZeitNeu->text(), *StatusBar);
    hide();
}

void ZeitSetzen::Abbrechen_Click() {
    hide();
}

} // namespace tabulo
