#include "ui/Druckseiten.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "ui/Farben.h"
#include "ui/FeldMaler.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <numeric>

namespace tabulo {

namespace {
constexpr double Abstand = 3; // between a cell's text and its column's edge, points

// A font of this size in points for a painter whose units are points.
QFont druckSchrift(double punkte, bool fett, const QPaintDevice* geraet) {
    const double dpi = geraet && geraet->logicalDpiY() > 0 ? geraet->logicalDpiY() : 72.0;
    return arial(punkte * 72.0 / dpi, fett);
}

const QColor Linie(0xA0, 0xA0, 0xA0);
const QColor Kopf(0xDC, 0xDC, 0xDC);
const QColor Markiert(0xEC, 0xEC, 0xEC);
} // namespace

Druckseiten::Druckseiten(const Arbeitsbereich& ab, const Druckauswahl& auswahl, QString ordner, QString datum)
    : m_ab(ab), m_auswahl(auswahl), m_ordner(std::move(ordner)), m_datum(std::move(datum)),
      // Paper stays light whatever the screen's colours: the classic button face, black text.
      m_palette(QColor(0xF0, 0xF0, 0xF0)) {
    m_palette.setColor(QPalette::WindowText, Qt::black);
    if (auswahl.fahrzeuge)
        m_tabellen.push_back(fahrzeugDrucktabelle(ab));
    if (auswahl.orte)
        m_tabellen.push_back(orteDrucktabelle(ab));
    if (auswahl.aktionen)
        m_tabellen.push_back(aktionenDrucktabelle(ab));
}

int Druckseiten::planen(QSizeF flaeche) {
    m_flaeche = flaeche;
    std::vector<int> zeilen;
    for (const Drucktabelle& t : m_tabellen)
        zeilen.push_back(t.zeilen);
    m_seiten = seitenPlanen(m_auswahl.fenster, zeilen, flaeche.height());
    return static_cast<int>(m_seiten.size());
}

void Druckseiten::drucken(QPagedPaintDevice& geraet) {
    planen(geraet.pageLayout().paintRect(QPageLayout::Point).size());
    QPainter p(&geraet);
    const double dpi = geraet.logicalDpiX();
    p.scale(dpi / 72.0, dpi / 72.0);
    for (int i = 0; i < static_cast<int>(m_seiten.size()); ++i) {
        if (i > 0)
            geraet.newPage();
        seiteMalen(p, i, &geraet);
    }
}

QImage Druckseiten::bild(int seite, double dpi) const {
    QImage bild((m_flaeche * dpi / 72.0).toSize(), QImage::Format_RGB32);
    const int proMeter = qRound(dpi / 0.0254);
    bild.setDotsPerMeterX(proMeter);
    bild.setDotsPerMeterY(proMeter);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.scale(dpi / 72.0, dpi / 72.0);
    seiteMalen(p, seite, &bild);
    return bild;
}

void Druckseiten::seiteMalen(QPainter& p, int seite, const QPaintDevice* geraet) const {
    if (seite < 0 || seite >= static_cast<int>(m_seiten.size()))
        return;
    const Seite& s = m_seiten[seite];
    if (s.fenster > 0)
        fensterMalen(p, s.fenster, geraet);
    else
        tabelleMalen(p, s, geraet);
    fussMalen(p, seite, geraet);
}

void Druckseiten::fensterMalen(QPainter& p, int fenster, const QPaintDevice* geraet) const {
    const double b = m_flaeche.width();
    p.setPen(Qt::black);
    p.setFont(druckSchrift(druckmass::TitelSchrift, true, geraet));
    p.drawText(QRectF(0, 0, b, druckmass::Titel), Qt::AlignLeft | Qt::AlignTop,
               m_ab.fensterTitel[fenster - 1]);
    p.setFont(druckSchrift(druckmass::Schrift, false, geraet));
    p.drawText(QRectF(0, 0, b, druckmass::Titel), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("Status\u00fcbersicht, Fenster %1").arg(fenster));

    const Rasterlage lage = rasterAufSeite(b, m_flaeche.height());
    p.save();
    p.translate(lage.links, lage.oben);
    // The field painter draws in screen pixels of 15 twips.
    p.scale(lage.massstab * TwipsProPixel, lage.massstab * TwipsProPixel);
    const FeldMaler maler(lage.raster, geraet, m_palette);
    for (int k = FelderProFenster - 1; k >= 0; --k) {
        const int feld = erstesFeld(fenster) + k;
        // The marks of a drag in progress are not part of the layout.
        const Farbe rahmen = m_ab.rahmenFarbe[feld];
        const QColor kasten = qtFarbe(farbe::istSystemfarbe(rahmen) ? rahmen : farbe::NormalB, m_palette);
        const Twips box = lage.raster.feldBox(feld);
        maler.malen(p, m_ab.felder[feld], QPointF(px(box.links), px(box.oben)), kasten);
    }
    p.restore();
}

void Druckseiten::tabelleMalen(QPainter& p, const Seite& s, const QPaintDevice* geraet) const {
    const Drucktabelle& t = m_tabellen[s.tabelle];
    const double b = m_flaeche.width();
    p.setPen(Qt::black);
    p.setFont(druckSchrift(druckmass::TitelSchrift, true, geraet));
    p.drawText(QRectF(0, 0, b, druckmass::Titel), Qt::AlignLeft | Qt::AlignTop, t.titel);
    const QFont normal = druckSchrift(druckmass::Schrift, false, geraet);
    const QFont fett = druckSchrift(druckmass::Schrift, true, geraet);
    p.setFont(normal);
    p.drawText(QRectF(0, 0, b, druckmass::Titel), Qt::AlignRight | Qt::AlignTop, t.hinweis);

    // Columns in the proportions of the list view, over the whole width.
    const double summe = std::accumulate(t.breiten.begin(), t.breiten.end(), 0.0);
    std::vector<double> x{0};
    for (const double w : t.breiten)
        x.push_back(x.back() + w * b / summe);
    // Text on its baseline, cut with an ellipsis where it is wider than its column.
    const auto zeileMalen = [&](double y, double h, const auto& text) {
        const QFontMetricsF fm(p.font(), p.device());
        const double grundlinie = y + (h - fm.ascent() - fm.descent()) / 2 + fm.ascent();
        for (int c = 0; c + 1 < static_cast<int>(x.size()); ++c) {
            const QString inhalt = ohneEndLeerzeichen(text(c)); // fields padded by their file
            if (inhalt.isEmpty())
                continue;
            const double w = x[c + 1] - x[c] - 2 * Abstand;
            p.drawText(QPointF(x[c] + Abstand, grundlinie),
                       fm.horizontalAdvance(inhalt) <= w ? inhalt : fm.elidedText(inhalt, Qt::ElideRight, w));
        }
    };

    double y = druckmass::Titel;
    p.fillRect(QRectF(0, y, b, druckmass::Kopfzeile), Kopf);
    p.setFont(fett);
    zeileMalen(y, druckmass::Kopfzeile, [&](int c) { return t.spalten.value(c); });
    y += druckmass::Kopfzeile;
    p.setFont(normal);
    if (t.zeilen == 0) {
        p.drawText(QRectF(Abstand, y, b, druckmass::Zeile), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("(keine Eintr\u00e4ge)"));
        return;
    }
    QPen linie(Linie);
    linie.setWidthF(0.25);
    for (int z = s.ersteZeile; z < s.ersteZeile + s.zeilen; ++z) {
        if (t.markiert && t.markiert(z))
            p.fillRect(QRectF(0, y, b, druckmass::Zeile), Markiert);
        p.setPen(Qt::black);
        zeileMalen(y, druckmass::Zeile, [&](int c) { return t.zelle(z, c); });
        y += druckmass::Zeile;
        p.setPen(linie);
        p.drawLine(QPointF(0, y), QPointF(b, y));
    }
}

void Druckseiten::fussMalen(QPainter& p, int seite, const QPaintDevice* geraet) const {
    const double b = m_flaeche.width();
    const double y = m_flaeche.height() - druckmass::Fuss;
    QPen linie(Linie);
    linie.setWidthF(0.5);
    p.setPen(linie);
    p.drawLine(QPointF(0, y + 4), QPointF(b, y + 4));
    p.setPen(Qt::black);
    p.setFont(druckSchrift(druckmass::Schrift, false, geraet));
    const QRectF zeile(0, y + 4, b, druckmass::Fuss - 4);
    const QFontMetricsF fm(p.font(), p.device());
    // The folder may be long: it gives way to the date in the middle.
    const double links = b / 2 - fm.horizontalAdvance(m_datum) / 2 - 12;
    p.drawText(QRectF(0, zeile.top(), links, zeile.height()), Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(m_ordner, Qt::ElideMiddle, links));
    p.drawText(zeile, Qt::AlignHCenter | Qt::AlignVCenter, m_datum);
    p.drawText(zeile, Qt::AlignRight | Qt::AlignVCenter,
               seitenText(seite + 1, static_cast<int>(m_seiten.size())));
}

} // namespace tabulo
