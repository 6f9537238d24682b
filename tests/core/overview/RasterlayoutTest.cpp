#include "core/overview/Rasterlayout.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tabulo;

namespace {
void erwarteBox(const Twips& t, double links, double oben, double breite, double hoehe) {
    EXPECT_NEAR(t.links, links, 0.005);
    EXPECT_NEAR(t.oben, oben, 0.005);
    EXPECT_NEAR(t.breite, breite, 0.005);
    EXPECT_NEAR(t.hoehe, hoehe, 0.005);
}
} // namespace

TEST(Rasterlayout, KleinstesFenster) {
    for (const auto& [w, h] :
         {std::pair{6000.0, 5000.0}, std::pair{100.0, 10.0}, std::pair{5999.0, 4999.0}}) {
        SCOPED_TRACE(w);
        const Rasterlayout r = rasterBerechnen(w, h);
        EXPECT_EQ(r.formBreite, 6000);
        EXPECT_EQ(r.formHoehe, 5000);
        EXPECT_EQ(r.tabBreite, 5700);
        EXPECT_EQ(r.tabHoehe, 3710);
        EXPECT_EQ(r.fensterBreite, 5580);
        EXPECT_EQ(r.fensterHoehe, 3335);
        EXPECT_EQ(r.fw, 1364);
        EXPECT_EQ(r.fh, 373);
        erwarteBox(r.status.ort, 568.33, 150, 170.5, 178);
        EXPECT_NEAR(r.status.punkte, 7.46, 0.005);
        EXPECT_EQ(r.text.ort.breite, 1229);
        EXPECT_EQ(r.feldBox(3).rechts(), 5546);
        EXPECT_EQ(r.feldBox(51).unten(), 3349);
    }
}

TEST(Rasterlayout, Fenster9500mal6900) {
    const Rasterlayout r = rasterBerechnen(9500, 6900);
    EXPECT_EQ(r.fensterBreite, 9080);
    EXPECT_EQ(r.fensterHoehe, 5235);
    EXPECT_EQ(r.fw, 2220);
    EXPECT_EQ(r.fh, 515);
    erwarteBox(r.status.ort, 925, 150, 277.5, 320);
    erwarteBox(r.info.ort, 1262.5, 272.5, 912.5, 206);
    erwarteBox(r.kennung.ort, 45, 287.5, 865, 206);
    erwarteBox(r.zeit.ort, 1262.5, 105, 630, 206);
    erwarteBox(r.fahrzeug.ort, 45, 105, 465, 206);
    erwarteBox(r.text.ort, 75, 150, 2085, 320);
    EXPECT_NEAR(r.status.punkte, 10.3, 1e-9);
    EXPECT_NEAR(r.text.punkte, 10.3, 1e-9);
    for (const Beschriftung* b : {&r.info, &r.zeit, &r.fahrzeug, &r.kennung})
        EXPECT_NEAR(b->punkte, 8.05, 0.005);
    EXPECT_TRUE(r.status.fett && r.text.fett && r.fahrzeug.fett);
    EXPECT_FALSE(r.zeit.fett || r.info.fett || r.kennung.fett);
}

TEST(Rasterlayout, FeldPositionenImRaster) {
    const Rasterlayout r = rasterBerechnen(9500, 6900);
    struct Fall {
        int feld;
        double links, oben;
    };
    const Fall faelle[] = {
        {0, 0, 0},
        {1, 2250, 0},
        {3, 3 * 2250, 0},
        {4, 0, 390},
        {51, 3 * 2250, 12 * 390},
        {52, 0, 0},
        {415, 3 * 2250, 12 * 390},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.feld);
        EXPECT_EQ(r.feldLinks(f.feld), f.links);
        EXPECT_EQ(r.feldOben(f.feld), f.oben);
    }
}

TEST(Rasterlayout, EntwurfPasstInDenEntwurfsrahmen) {
    const Rasterlayout r = entwurfsRaster();
    EXPECT_EQ(r.fw, 2160);
    EXPECT_EQ(r.fh, 510);
    EXPECT_LE(r.feldBox(51).rechts(), r.fensterBreite);
    EXPECT_LE(r.feldBox(51).unten(), r.fensterHoehe);
    EXPECT_EQ(r.feldBox(5).links, 2190);
    EXPECT_EQ(r.feldBox(5).oben, 385);
}

TEST(Rasterlayout, RundenHalbeZurGeradenZahl) {
    const std::pair<double, int> faelle[] = {{0.5, 0},      {1.5, 2},    {2.5, 2},
                                             {2.4999, 2},   {2.5001, 3}, {1364.30, 1364},
                                             {514.93, 515}, {-0.5, 0},   {-1.5, -2}};
    for (const auto& [wert, erwartet] : faelle)
        EXPECT_EQ(gerundet(wert), erwartet) << wert;
}

// The design geometry stands past the end of start-up until the window's size first changes;
// from then on every size gets the formulas, and a size below the minimum is set back.
TEST(Rasterfuehrung, EntwurfBisZurErstenGroessenaenderung) {
    struct Groesse {
        double breite, hoehe;
        bool minimiert = false;
        bool startFertig = true;
    };
    struct Fall {
        const char* name;
        std::vector<Groesse> folge;                 // after the end of start-up at 9255 x 6825
        int fh;                                     // the grid's box height afterwards; 510 is the design
        double zurueckBreite = 0, zurueckHoehe = 0; // what the last size is set back to
    };
    const Fall faelle[] = {
        {"gleich nach dem Start", {}, 510},
        {"dieselbe Groesse noch einmal", {{9255, 6825}}, 510},
        {"minimiert und wiederhergestellt", {{9255, 6825, true}, {9255, 6825}}, 510},
        {"vor dem Ende des Starts", {{9500, 6900, false, false}}, 510},
        {"erste Groessenaenderung", {{9500, 6900}}, 515},
        {"danach zurueck zur Startgroesse", {{9500, 6900}, {9255, 6825}}, 509},
        {"zu schmal", {{5000, 6900}}, 515, 6000, 6900},
        {"zu klein", {{4500, 3000}}, 373, 6000, 5000},
        {"genau das Mindestmass", {{6000, 5000}}, 373},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Rasterfuehrung r;
        r.startBeendet(9255, 6825);
        Rasterfuehrung::Schritt s;
        for (const Groesse& g : f.folge)
            s = r.groesse(g.breite, g.hoehe, g.minimiert, g.startFertig);
        EXPECT_EQ(r.raster().fh, f.fh);
        const bool entwurf = f.fh == 510;
        EXPECT_EQ(r.raster().status.punkte, entwurf ? 9.75 : f.fh / 50.0);
        EXPECT_EQ(r.raster().zeit.punkte, entwurf ? 8.25 : f.fh / 64.0);
        EXPECT_EQ(s.zurueckSetzen, f.zurueckBreite > 0);
        if (s.zurueckSetzen) {
            EXPECT_EQ(s.breite, f.zurueckBreite);
            EXPECT_EQ(s.hoehe, f.zurueckHoehe);
        }
    }
}
