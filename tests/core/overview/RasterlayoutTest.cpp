#include "core/overview/Rasterlayout.h"

#include <QList>
#include <gtest/gtest.h>
#include <vector>

using namespace tabulo;

namespace {
void erwarteBox(const Twips& t, const Twips& soll, const char* name) {
    EXPECT_NEAR(t.links, soll.links, 0.005) << name;
    EXPECT_NEAR(t.oben, soll.oben, 0.005) << name;
    EXPECT_NEAR(t.breite, soll.breite, 0.005) << name;
    EXPECT_NEAR(t.hoehe, soll.hoehe, 0.005) << name;
}
} // namespace

// The grid formulas for a few window sizes; below the minimum the minimum counts.
TEST(Rasterlayout, FormelnJeFenstergroesse) {
    const struct {
        double w, h;
        int formBreite, formHoehe, tabBreite, tabHoehe, fensterBreite, fensterHoehe, fw, fh;
    } faelle[] = {
        {6000, 5000, 6000, 5000, 5700, 3710, 5580, 3335, 1364, 373},
        {5999, 4999, 6000, 5000, 5700, 3710, 5580, 3335, 1364, 373},
        {100, 10, 6000, 5000, 5700, 3710, 5580, 3335, 1364, 373},
        {9500, 6900, 9500, 6900, 9200, 5610, 9080, 5235, 2220, 515},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.w << " x " << f.h);
        const Rasterlayout r = rasterBerechnen(f.w, f.h);
        EXPECT_EQ(r.formBreite, f.formBreite);
        EXPECT_EQ(r.formHoehe, f.formHoehe);
        EXPECT_EQ(r.tabBreite, f.tabBreite);
        EXPECT_EQ(r.tabHoehe, f.tabHoehe);
        EXPECT_EQ(r.fensterBreite, f.fensterBreite);
        EXPECT_EQ(r.fensterHoehe, f.fensterHoehe);
        EXPECT_EQ(r.fw, f.fw);
        EXPECT_EQ(r.fh, f.fh);
    }
    const Rasterlayout r = rasterBerechnen(9500, 6900);
    erwarteBox(r.status.ort, {925, 150, 277.5, 320}, "status");
    erwarteBox(r.info.ort, {1262.5, 272.5, 912.5, 206}, "info");
    erwarteBox(r.kennung.ort, {45, 287.5, 865, 206}, "kennung");
    erwarteBox(r.zeit.ort, {1262.5, 105, 630, 206}, "zeit");
    erwarteBox(r.fahrzeug.ort, {45, 105, 465, 206}, "fahrzeug");
    erwarteBox(r.text.ort, {75, 150, 2085, 320}, "text");
    EXPECT_NEAR(r.status.punkte, 10.3, 1e-9);
    EXPECT_NEAR(r.text.punkte, 10.3, 1e-9);
    for (const Beschriftung* b : {&r.info, &r.zeit, &r.fahrzeug, &r.kennung})
        EXPECT_NEAR(b->punkte, 8.05, 0.005);
    EXPECT_TRUE(r.status.fett && r.text.fett && r.fahrzeug.fett);
    EXPECT_FALSE(r.zeit.fett || r.info.fett || r.kennung.fett);
    const std::array<int, 3> felder[] = {
        {0, 0, 0}, {3, 3 * 2250, 0}, {4, 0, 390}, {51, 3 * 2250, 12 * 390}, {415, 3 * 2250, 12 * 390}};
    for (const auto& [feld, links, oben] : felder) {
        EXPECT_EQ(r.feldLinks(feld), links) << feld;
        EXPECT_EQ(r.feldOben(feld), oben) << feld;
    }
}

TEST(Rasterlayout, EntwurfUndRunden) {
    const Rasterlayout r = entwurfsRaster();
    EXPECT_EQ(QList<double>({r.tabBreite, r.tabHoehe, r.fensterBreite, r.fensterHoehe}),
              QList<double>({8955, 5535, 8835, 5160}));
    EXPECT_EQ(r.fw, 2160);
    EXPECT_EQ(r.fh, 510);
    EXPECT_LE(r.feldBox(51).rechts(), r.fensterBreite);
    EXPECT_LE(r.feldBox(51).unten(), r.fensterHoehe);
    EXPECT_EQ(r.feldBox(5).links, 2190);
    EXPECT_EQ(r.feldBox(5).oben, 385);
    erwarteBox(r.fahrzeug.ort, {45, 105, 465, 210}, "fahrzeug");
    erwarteBox(r.kennung.ort, {45, 285, 750, 180}, "kennung");

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
    const struct {
        const char* name;
        std::vector<Groesse> folge; // after the end of start-up at 9255 x 6825
        int fh;                     // the grid's box height afterwards; 510 is the design
        double zurueckBreite = 0, zurueckHoehe = 0;
    } faelle[] = {
        {"gleich nach dem Start", {}, 510},
        {"dieselbe Groesse noch einmal", {{9255, 6825}}, 510},
        {"minimiert und wiederhergestellt", {{9255, 6825, true}, {9255, 6825}}, 510},
        {"vor dem Ende des Starts", {{9500, 6900, false, false}}, 510},
        {"erste Groessenaenderung", {{9500, 6900}}, 515},
        {"nur die Hoehe geaendert", {{9255, 6900}}, 515},
        {"danach zurueck zur Startgroesse", {{9500, 6900}, {9255, 6825}}, 509},
        {"zu schmal", {{5000, 6900}}, 515, 6000, 6900},
        {"zu klein", {{4500, 3000}}, 373, 6000, 5000},
        {"genau das Mindestmass", {{6000, 5000}}, 373},
    };
    for (const auto& f : faelle) {
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
