#pragma once

#include "core/print/Druckauswahl.h"
#include "core/print/Drucktabellen.h"
#include "core/print/Seitenplan.h"

#include <QImage>
#include <QPalette>
#include <QSizeF>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace tabulo {

class Arbeitsbereich;

// A printout of the overview and the tables: one page per chosen window, then the tables broken
// into pages with their captions repeated, each page with a footer naming the folder, the date
// and the page. Drawn alike on a printer, into a PDF and onto an image.
class Druckseiten {
public:
    Druckseiten(const Arbeitsbereich& ab, const Druckauswahl& auswahl, QString ordner, QString datum);

    // Plans the pages for a printable area of this size in points; their number.
    int planen(QSizeF flaeche);
    const std::vector<Seite>& seiten() const { return m_seiten; }

    // Plans the pages for the device's page layout and draws them all.
    void drucken(QPagedPaintDevice& geraet);

    // A planned page as an image of the printable area at `dpi`, on white.
    QImage bild(int seite, double dpi) const;

    // Draws a planned page; the painter's units are points from the printable area's top left.
    void seiteMalen(QPainter& p, int seite, const QPaintDevice* geraet) const;

private:
    void fensterMalen(QPainter& p, int fenster, const QPaintDevice* geraet) const;
    void tabelleMalen(QPainter& p, const Seite& s, const QPaintDevice* geraet) const;
    void fussMalen(QPainter& p, int seite, const QPaintDevice* geraet) const;

    const Arbeitsbereich& m_ab;
    Druckauswahl m_auswahl;
    QString m_ordner, m_datum;
    std::vector<Drucktabelle> m_tabellen;
    QSizeF m_flaeche;
    std::vector<Seite> m_seiten;
    QPalette m_palette;
};

} // namespace tabulo
