#include "overview/FensterAnsicht.h"

#include "core/common/Arbeitsbereich.h"
#include "ui/Farben.h"
#include "ui/FeldMaler.h"
#include "ui/Twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace tabulo {

FensterAnsicht::FensterAnsicht(Arbeitsbereich& ab, int fenster, FeldZiehen* feldZiehen, QWidget* parent)
    : QWidget(parent), m_ab(ab), m_fenster(fenster), m_feldZiehen(feldZiehen) {
    setObjectName(QStringLiteral("TabFrame%1").arg(fenster));
    // The window frames created at start-up carry these captions; they are never shown.
    setWindowTitle(QStringLiteral("Test%1").arg(fenster));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&ab, &Arbeitsbereich::felderVeraendert, this, qOverload<>(&QWidget::update));
    connect(&ab, &Arbeitsbereich::rahmenVeraendert, this, qOverload<>(&QWidget::update));
}

void FensterAnsicht::setzeRaster(const Rasterlayout& raster) {
    m_raster = raster;
    update();
}

QRectF FensterAnsicht::feldRechteck(int feld) const {
    return pxRechteck(m_raster.feldBox(feld));
}

QRectF FensterAnsicht::statusRechteck(int feld) const {
    return pxRechteck(m_raster.status.ort).translated(feldRechteck(feld).topLeft());
}

QRectF FensterAnsicht::textRechteck(int feld) const {
    return pxRechteck(m_raster.text.ort).translated(feldRechteck(feld).topLeft());
}

int FensterAnsicht::feldBei(QPointF punkt) const {
    const int erstes = erstesFeld(m_fenster);
    for (int k = 0; k < FelderProFenster; ++k)
        if (feldRechteck(erstes + k).contains(punkt))
            return erstes + k;
    return -1;
}

void FensterAnsicht::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), palette().color(QPalette::Window));
    const FeldMaler maler(m_raster, this, palette());
    // Later fields lie behind earlier ones: the boxes of neighbouring lines overlap.
    for (int k = FelderProFenster - 1; k >= 0; --k) {
        const int feld = erstesFeld(m_fenster) + k;
        const QRectF box = feldRechteck(feld);
        if (box.intersects(e->rect()))
            maler.malen(p, m_ab.felder[feld], box.topLeft(), qtFarbe(m_ab.rahmenFarbe[feld]));
    }
}

} // namespace tabulo
