#include "core/print/Seitenplan.h"

#include <algorithm>
#include <cmath>

namespace tabulo {

namespace {
// The window height whose field boxes the printout uses; only the width follows the paper.
constexpr double DruckFormHoehe = 6900;
} // namespace

int zeilenProSeite(double flaecheHoehe) {
    const double frei = flaecheHoehe - druckmass::Titel - druckmass::Fuss - druckmass::Kopfzeile;
    return std::max(1, static_cast<int>(std::floor(frei / druckmass::Zeile + 1e-9)));
}

std::vector<Seite> seitenPlanen(const std::array<bool, AnzahlFenster>& fenster,
                                const std::vector<int>& tabellenZeilen, double flaecheHoehe) {
    std::vector<Seite> seiten;
    for (int w = 1; w <= AnzahlFenster; ++w)
        if (fenster[w - 1])
            seiten.push_back({w, -1, 0, 0});
    const int proSeite = zeilenProSeite(flaecheHoehe);
    for (int t = 0; t < static_cast<int>(tabellenZeilen.size()); ++t) {
        const int zeilen = std::max(0, tabellenZeilen[t]);
        int erste = 0;
        do {
            const int hier = std::min(proSeite, zeilen - erste);
            seiten.push_back({0, t, erste, hier});
            erste += hier;
        } while (erste < zeilen);
    }
    return seiten;
}

QString seitenText(int seite, int seiten) {
    return QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten);
}

double rasterBreite(const Rasterlayout& r) {
    return r.feldBox(SpaltenProFenster - 1).rechts();
}

double rasterHoehe(const Rasterlayout& r) {
    return r.feldBox(FelderProFenster - 1).unten();
}

QRectF Rasterlage::aufSeite(const Twips& t) const {
    return {links + t.links * massstab, oben + t.oben * massstab, t.breite * massstab, t.hoehe * massstab};
}

QRectF Rasterlage::element(int f, const Twips& ort) const {
    const Twips box = raster.feldBox(f);
    return aufSeite({box.links + ort.links, box.oben + ort.oben, ort.breite, ort.hoehe});
}

Rasterlage rasterAufSeite(double flaecheBreite, double flaecheHoehe) {
    const double hoehe = std::max(1.0, flaecheHoehe - druckmass::Titel - druckmass::Fuss);
    const double breite = std::max(1.0, flaecheBreite);
    // The boxes' width for a grid as wide, relative to its height, as the space; the window
    // width that gives it (the inverse of the grid formula), at least the minimum.
    const Rasterlayout probe = rasterBerechnen(MindestBreite, DruckFormHoehe);
    const double zielBreite = rasterHoehe(probe) * breite / hoehe;
    const double fw =
        (zielBreite - (SpaltenProFenster - 1) * Rasterlayout::Spaltenabstand) / SpaltenProFenster;
    Rasterlage lage;
    lage.raster = rasterBerechnen(fw * 4.09 + 420, DruckFormHoehe);
    const double rb = rasterBreite(lage.raster), rh = rasterHoehe(lage.raster);
    lage.massstab = std::min(breite / rb, hoehe / rh);
    lage.links = (breite - rb * lage.massstab) / 2;
    lage.oben = druckmass::Titel;
    return lage;
}

} // namespace tabulo
