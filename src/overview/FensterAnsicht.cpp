#include "overview/FensterAnsicht.h"

#include "core/common/Arbeitsbereich.h"
#include "ui/Farben.h"
#include "ui/Twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace tabulo {

namespace {
enum Schrift { SFahrzeug, SZeit, SKennung, SInfo, SStatus, SText };
}

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
    const QFont schriften[6] = {
        beschriftungsSchrift(m_raster.fahrzeug, this), beschriftungsSchrift(m_raster.zeit, this),
        beschriftungsSchrift(m_raster.kennung, this),  beschriftungsSchrift(m_raster.info, this),
        beschriftungsSchrift(m_raster.status, this),   beschriftungsSchrift(m_raster.text, this),
    };
    // Later fields lie behind earlier ones: the boxes of neighbouring lines overlap.
    for (int k = FelderProFenster - 1; k >= 0; --k) {
        const int feld = erstesFeld(m_fenster) + k;
        if (feldRechteck(feld).intersects(e->rect()))
            feldMalen(p, feld, schriften);
    }
}

void FensterAnsicht::feldMalen(QPainter& p, int feld, const QFont (&schriften)[6]) const {
    const Feld& f = m_ab.felder[feld];
    const QRectF box = feldRechteck(feld);
    p.save();
    p.setClipRect(box);
    p.fillRect(box, qtFarbe(m_ab.rahmenFarbe[feld]));
    // An etched frame, as the field boxes have.
    const QRectF rand = box.adjusted(0.5, 0.5, -1.5, -1.5);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rand);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(rand.translated(1, 1));

    const QColor schrift = palette().color(QPalette::WindowText);
    const auto beschriften = [&](const Beschriftung& b, const QString& text, Schrift s, int ausrichtung) {
        if (text.isEmpty())
            return;
        p.setFont(schriften[s]);
        p.setPen(schrift);
        const QRectF ort = pxRechteck(b.ort).translated(box.topLeft());
        // Labels without a fixed width grow with their caption, as far as the box allows.
        const QRectF flaeche(ort.left(), ort.top(), box.right() - ort.left(), ort.height());
        p.drawText(s == SStatus ? ort : flaeche, ausrichtung | Qt::TextSingleLine, text);
    };
    const int links = Qt::AlignLeft | Qt::AlignTop;
    beschriften(m_raster.fahrzeug, f.fahrzeug, SFahrzeug, links);
    beschriften(m_raster.kennung, f.kennung, SKennung, links);
    beschriften(m_raster.zeit, f.zeit, SZeit, links);
    beschriften(m_raster.info, f.info, SInfo, links);
    if (f.statusSichtbar) {
        p.fillRect(pxRechteck(m_raster.status.ort).translated(box.topLeft()), qtFarbe(f.statusFarbe));
        beschriften(m_raster.status, f.status, SStatus, Qt::AlignCenter);
    }
    beschriften(m_raster.text, f.text, SText, links);
    p.restore();
}

} // namespace tabulo
