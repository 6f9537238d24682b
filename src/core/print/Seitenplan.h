#pragma once

#include "core/overview/Rasterlayout.h"

#include <QRectF>
#include <QString>
#include <array>
#include <vector>

namespace tabulo {

// Heights on a printed page in points (1/72 inch). Table rows have one fixed height, so the page
// breaks follow from the row counts and the paper alone.
namespace druckmass {
constexpr double Titel = 24;     // heading of every page
constexpr double Fuss = 18;      // footer: folder, date, page number
constexpr double Kopfzeile = 14; // column captions, repeated on every page of a table
constexpr double Zeile = 12;     // one table row
constexpr double Schrift = 8;    // table and footer text
constexpr double TitelSchrift = 13;
} // namespace druckmass

// One page: an overview window, or a run of rows of a table.
struct Seite {
    int fenster = 0; // 1..8 for an overview page, else 0
    int tabelle = -1;
    int ersteZeile = 0;
    int zeilen = 0;
    bool operator==(const Seite&) const = default;
};

// Rows of a table that fit on a page whose printable area is this high; at least one.
int zeilenProSeite(double flaecheHoehe);

// The pages in print order: the chosen windows, then each table broken into pages. A table
// without rows still gets its page, with the captions and a note.
std::vector<Seite> seitenPlanen(const std::array<bool, AnzahlFenster>& fenster,
                                const std::vector<int>& tabellenZeilen, double flaecheHoehe);

QString seitenText(int seite, int seiten); // "Seite n von m", counted from 1

// Where the grid of an overview window goes on a page: the layout of the window size whose grid
// has the proportions of the space below the heading, scaled to fill it. Points from the
// printable area's top left.
struct Rasterlage {
    Rasterlayout raster;
    double massstab = 0; // points per twip
    double links = 0, oben = 0;

    QRectF feld(int feld) const { return aufSeite(raster.feldBox(feld)); }
    // A label's place inside a field's box, on the page.
    QRectF element(int feld, const Twips& ort) const;
    QRectF aufSeite(const Twips& t) const;
};
Rasterlage rasterAufSeite(double flaecheBreite, double flaecheHoehe);

// Extent of the grid of 4 x 13 boxes in twips.
double rasterBreite(const Rasterlayout& r);
double rasterHoehe(const Rasterlayout& r);

} // namespace tabulo
