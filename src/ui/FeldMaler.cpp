#include "ui/FeldMaler.h"

#include "ui/Farben.h"
#include "ui/Twips.h"

#include <QPainter>

namespace tabulo {

namespace {
enum Schrift { SFahrzeug, SZeit, SKennung, SInfo, SStatus, SText };
}

FeldMaler::FeldMaler(const Rasterlayout& raster, const QPaintDevice* geraet, const QPalette& palette)
    : m_raster(raster), m_palette(palette), m_schriften{beschriftungsSchrift(raster.fahrzeug, geraet),
                                                        beschriftungsSchrift(raster.zeit, geraet),
                                                        beschriftungsSchrift(raster.kennung, geraet),
                                                        beschriftungsSchrift(raster.info, geraet),
                                                        beschriftungsSchrift(raster.status, geraet),
                                                        beschriftungsSchrift(raster.text, geraet)} {}

void FeldMaler::malen(QPainter& p, const Feld& f, QPointF ecke, const QColor& kasten) const {
    const QRectF box(ecke.x(), ecke.y(), px(m_raster.fw), px(m_raster.fh));
    p.save();
    p.setClipRect(box);
    p.fillRect(box, kasten);
    // An etched frame, as the field boxes have.
    const QRectF rand = box.adjusted(0.5, 0.5, -1.5, -1.5);
    p.setPen(m_palette.color(QPalette::Dark));
    p.drawRect(rand);
    p.setPen(m_palette.color(QPalette::Light));
    p.drawRect(rand.translated(1, 1));

    const QColor schrift = m_palette.color(QPalette::WindowText);
    const auto beschriften = [&](const Beschriftung& b, const QString& text, Schrift s, int ausrichtung) {
        if (text.isEmpty())
            return;
        p.setFont(m_schriften[s]);
        p.setPen(schrift);
        const QRectF ort = pxRechteck(b.ort).translated(ecke);
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
        p.fillRect(pxRechteck(m_raster.status.ort).translated(ecke), qtFarbe(f.statusFarbe, m_palette));
        beschriften(m_raster.status, f.status, SStatus, Qt::AlignCenter);
    }
    beschriften(m_raster.text, f.text, SText, links);
    p.restore();
}

} // namespace tabulo
