#pragma once

#include "core/overview/Feld.h"

namespace tabulo {

// A rectangle in twips.
struct Twips {
    double links = 0, oben = 0, breite = 0, hoehe = 0;
    double rechts() const { return links + breite; }
    double unten() const { return oben + hoehe; }
};

// One label of a field: its place inside the field box and its font size in points.
struct Beschriftung {
    Twips ort;
    double punkte = 0;
    bool fett = false;
};

// The geometry of the overview for one size of the main window: the tab strip, the window frames
// and the elements of every field box, all in twips.
struct Rasterlayout {
    double formBreite = 0, formHoehe = 0;       // outer size of the main window after the minimum
    double tabBreite = 0, tabHoehe = 0;         // tab strip
    double fensterBreite = 0, fensterHoehe = 0; // each window frame
    int fw = 0, fh = 0;                         // each field box

    Beschriftung fahrzeug, zeit, kennung, info, status, text;

    // Position of a field's box inside its window frame.
    double feldLinks(int feld) const { return spalteVon(feld) * (fw + Spaltenabstand); }
    double feldOben(int feld) const { return zeileVon(feld) * (fh - Zeilenueberlappung); }
    Twips feldBox(int feld) const { return {feldLinks(feld), feldOben(feld), double(fw), double(fh)}; }

    static constexpr int Spaltenabstand = 30;
    static constexpr int Zeilenueberlappung = 125;
};

constexpr double MindestBreite = 6000;
constexpr double MindestHoehe = 5000;

// The design geometry, which stands until start-up has finished.
Rasterlayout entwurfsRaster();

// The grid for an outer window size; sizes below the minimum are taken as the minimum.
Rasterlayout rasterBerechnen(double formBreite, double formHoehe);

// Follows the outer size of the main window (twips). Until start-up has finished, and after it
// until the window's size first changes, the fields keep the design geometry; from then on every
// size gets the grid formulas. A window below the minimum size is to set itself back to it.
class Rasterfuehrung {
public:
    struct Schritt {
        bool zurueckSetzen = false;   // the window is to take `breite` x `hoehe` first
        double breite = 0, hoehe = 0; // outer size at least the minimum
        bool neuesRaster = false;     // raster() changed
    };

    const Rasterlayout& raster() const { return m_raster; }

    // Start-up has finished at this outer size.
    void startBeendet(double formBreite, double formHoehe);
    // The window has this outer size now (after a resize or a change of its state); before
    // `startFertig` nothing follows it.
    Schritt groesse(double formBreite, double formHoehe, bool minimiert, bool startFertig);

private:
    Rasterlayout m_raster = entwurfsRaster();
    bool m_entwurf = true;
    double m_startBreite = 0, m_startHoehe = 0;
};

// Rounds to the nearest integer, halves to the even neighbour.
int gerundet(double wert);

} // namespace tabulo
