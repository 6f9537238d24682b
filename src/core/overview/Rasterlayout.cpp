#include "core/overview/Rasterlayout.h"

#include <algorithm>
#include <cmath>

namespace tabulo {

namespace {
// Outer size of the main window at design time, and the frames' margins to it.
constexpr double EntwurfFormBreite = 9255;
constexpr double EntwurfFormHoehe = 6825;
constexpr double TabRandBreite = 300, TabRandHoehe = 1290;
constexpr double FensterRandBreite = 420, FensterRandHoehe = 1665;
} // namespace

int gerundet(double wert) {
    const double unten = std::floor(wert);
    const double rest = wert - unten;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(unten, 2.0) != 0.0))
        return static_cast<int>(unten) + 1;
    return static_cast<int>(unten);
}

Rasterlayout entwurfsRaster() {
    Rasterlayout r;
    r.formBreite = EntwurfFormBreite;
    r.formHoehe = EntwurfFormHoehe;
    r.tabBreite = 8955;
    r.tabHoehe = 5535;
    r.fensterBreite = 8835;
    r.fensterHoehe = 5160;
    r.fw = 2160;
    r.fh = 510;
    r.fahrzeug = {{45, 105, 465, 210}, 8.25, true};
    r.zeit = {{1260, 105, 630, 210}, 8.25, false};
    r.kennung = {{45, 285, 750, 180}, 8.25, false};
    r.info = {{1260, 270, 420, 225}, 8.25, false};
    r.status = {{900, 150, 270, 315}, 9.75, true};
    r.text = {{75, 150, 2025, 315}, 9.75, true};
    return r;
}

Rasterlayout rasterBerechnen(double formBreite, double formHoehe) {
    Rasterlayout r = entwurfsRaster();
    r.formBreite = std::max(formBreite, MindestBreite);
    r.formHoehe = std::max(formHoehe, MindestHoehe);
    r.tabBreite = r.formBreite - TabRandBreite;
    r.tabHoehe = r.formHoehe - TabRandHoehe;
    r.fensterBreite = r.formBreite - FensterRandBreite;
    r.fensterHoehe = r.formHoehe - FensterRandHoehe;
    // The box width follows the window frame, its height the outer height of the main window.
    r.fw = gerundet(r.fensterBreite / 4.09);
    r.fh = gerundet(r.formHoehe / 13.4);
    const double fw = r.fw;
    const double fh = r.fh;
    const double gross = fh / 50;
    const double klein = fh / 64;
    const double zeile = fh / 2.5;

    const double sw = fw / 8;
    r.status.ort.breite = sw;
    r.status.ort.links = fw / 2 - (sw + sw) / 3;
    r.status.ort.hoehe = fh - 195;
    r.status.punkte = gross;

    r.info.ort.links = r.status.ort.links + sw + 60;
    r.info.ort.oben = fh / 2 + 15;
    r.info.ort.breite = fw - r.info.ort.links - 45;
    r.info.ort.hoehe = zeile;
    r.info.punkte = klein;

    r.zeit.ort.links = r.info.ort.links;
    r.zeit.ort.hoehe = zeile;
    r.zeit.punkte = klein;

    r.text.ort.breite = fw - 135;
    r.text.ort.hoehe = fh - 195;
    r.text.punkte = gross;

    r.fahrzeug.ort.hoehe = zeile;
    r.fahrzeug.punkte = klein;

    r.kennung.ort.oben = fh / 2 + 30;
    r.kennung.ort.breite = r.status.ort.links - 60;
    r.kennung.ort.hoehe = zeile;
    r.kennung.punkte = klein;
    return r;
}

void Rasterfuehrung::startBeendet(double formBreite, double formHoehe) {
    m_startBreite = formBreite;
    m_startHoehe = formHoehe;
}

Rasterfuehrung::Schritt Rasterfuehrung::groesse(double formBreite, double formHoehe, bool minimiert,
                                                bool startFertig) {
    Schritt s;
    if (minimiert || !startFertig)
        return s;
    // The same size again (the window restored, or shown as it was) is no resize.
    if (m_entwurf && formBreite == m_startBreite && formHoehe == m_startHoehe)
        return s;
    s.breite = std::max(formBreite, MindestBreite);
    s.hoehe = std::max(formHoehe, MindestHoehe);
    s.zurueckSetzen = s.breite != formBreite || s.hoehe != formHoehe;
    m_entwurf = false;
    m_raster = rasterBerechnen(s.breite, s.hoehe);
    s.neuesRaster = true;
    return s;
}

} // namespace tabulo
