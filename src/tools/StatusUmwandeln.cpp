#include "tools/StatusUmwandeln.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Text.h"
#include "tools/Steuerelemente.h"
#include "ui/Fortschrittsstreifen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

StatusUmwandeln::StatusUmwandeln(Arbeitsbereich& ab, Rueckfrage& rueckfrage)
    : m_ab(ab), m_rueckfrage(rueckfrage) {
    setObjectName(QStringLiteral("StatusUmwandeln"));
    setWindowTitle(QStringLiteral("Status Umwandeln"));

    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(10);
    raster->setVerticalSpacing(4);
    const QString tipp = QStringLiteral("Hier klicken um Farben zu bearbeiten");
    for (int zeile = 0; zeile < AnzahlStatuswerte; ++zeile) {
        const int k = (zeile + 1) % AnzahlStatuswerte;
        auto* label1 = new QLabel(QStringLiteral("Status"));
        auto* farbe = new QLabel(zahlText(k));
        farbe->setObjectName(QStringLiteral("StatusUFarbe%1").arg(k));
        farbe->setAlignment(Qt::AlignCenter);
        farbe->setFrameShape(QFrame::Box);
        farbe->setFixedSize(32, 22);
        farbe->setCursor(Qt::PointingHandCursor);
        farbe->installEventFilter(this);
        if (k == 1 || k == 2)
            farbe->setToolTip(tipp);
        auto* pfeil = new QLabel(QStringLiteral("--->"));
        auto* neu = new QComboBox;
        neu->setObjectName(QStringLiteral("StatusNeu%1").arg(k));
        for (int m = 0; m < AnzahlStatuswerte; ++m)
            neu->addItem(zahlText(m));
        neu->setCurrentIndex(k);
        raster->addWidget(label1, zeile, 0);
        raster->addWidget(farbe, zeile, 1);
        raster->addWidget(pfeil, zeile, 2);
        raster->addWidget(neu, zeile, 3);
        StatusUFarbe[k] = farbe;
        StatusNeu[k] = neu;
        farbeZeigen(k);
    }

    const KnopfZeile knoepfe = knopfZeile(QStringLiteral("Umwandeln"), QStringLiteral("Umwandeln"));
    Umwandeln = knoepfe.ausfuehren;
    Abbrechen = knoepfe.abbrechen;
    StatusBar = dialogStreifen();

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addSpacing(8);
    spalte->addLayout(knoepfe.zeile);
    spalte->addWidget(StatusBar);
    setFixedSize(sizeHint());

    connect(Umwandeln, &QPushButton::clicked, this, &StatusUmwandeln::Umwandeln_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &StatusUmwandeln::Abbrechen_Click);
}

void StatusUmwandeln::anzeigen(const QList<QWidget*>& sperren) {
    for (int k = 0; k < AnzahlStatuswerte; ++k) {
        StatusNeu[k]->setCurrentIndex(k);
        // Colours may have changed since the last opening (a loaded bundle).
        farbeZeigen(k);
    }
    StatusBar->hide();
    oeffnen(sperren);
}

void StatusUmwandeln::farbeZeigen(int k) {
    farbfeldSetzen(StatusUFarbe[k], m_ab.statusfarbe[k]);
}

bool StatusUmwandeln::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        for (int k = 0; k < AnzahlStatuswerte; ++k)
            if (objekt == StatusUFarbe[k]) {
                StatusUFarbe_Click(k);
                return true;
            }
    }
    return SperrFenster::eventFilter(objekt, ereignis);
}

void StatusUmwandeln::StatusUFarbe_Click(int k) {
    const auto farbe = m_rueckfrage.farbeWaehlen(m_ab.statusfarbe[k]);
    if (!farbe)
        return;
    StatusfarbeAendern(m_ab, k, *farbe);
    farbeZeigen(k);
}

void StatusUmwandeln::Umwandeln_Click() {
    Statuszuordnung neu;
    for (int k = 0; k < AnzahlStatuswerte; ++k)
        neu[k] = StatusNeu[k]->currentText();
    StatusWerteUmwandeln(m_ab, neu, *StatusBar);
    hide();
}

void StatusUmwandeln::Abbrechen_Click() {
    hide();
}

} // namespace tabulo
