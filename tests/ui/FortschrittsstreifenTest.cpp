#include "ui/Fortschrittsstreifen.h"

#include "ui/Farben.h"

#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace tabulo;

namespace {

constexpr Farbe Gruen = 0x00FF00;
constexpr Farbe Rot = 0x0000FF;

// A shown strip of 140 pixels on a clock the test moves, counting its paints.
struct Streifen : Fortschrittsstreifen {
    qint64 jetzt = 1000;
    int malungen = 0;
    Streifen() {
        uhr = [this] { return jetzt; };
        resize(140, 17);
        show();
    }
    void paintEvent(QPaintEvent* e) override {
        ++malungen;
        Fortschrittsstreifen::paintEvent(e);
    }
    // Colour of a pixel column in the middle line.
    QColor spalte(int x) { return grab().toImage().pixelColor(x, height() / 2); }
};

} // namespace

TEST(Fortschrittsstreifen, MaltHoechstensEinmalJeBild) {
    Streifen s;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    FortschrittsAnzeige anzeige(s); // shows and paints the empty strip
    const int nachZeigen = s.malungen;
    // A pass of 100,000 slices within one frame paints nothing more.
    for (int i = 0; i < 100000; ++i)
        anzeige.schritt(i, 100000, Rot);
    EXPECT_EQ(s.malungen, nachZeigen);
    // Once a frame has passed the next visible growth paints, once.
    s.jetzt += 16;
    s.bereich(0.5, 1.0, Rot); // covers nothing new
    EXPECT_EQ(s.malungen, nachZeigen);
    s.zeigen();
    const int neu = s.malungen;
    s.jetzt += 16;
    s.bereich(0, 0.5, Rot);
    s.bereich(0.5, 0.6, Rot);
    EXPECT_EQ(s.malungen, neu + 1);
    EXPECT_EQ(s.anzahlBereiche(), 1);
}

// What the strip shows after a pass does not depend on how many slices were merged.
TEST(Fortschrittsstreifen, ZeigtJedeScheibeUndJedeLinie) {
    Streifen s;
    s.zeigen();
    // 10,000 lines, as the vehicle list is read: the columns they cover are all green.
    for (int k = 1; k <= 10000; ++k)
        s.bereich(k / 10000.0 * 0.5, k / 10000.0 * 0.5, Gruen);
    EXPECT_EQ(s.anzahlBereiche(), 1);
    // Two lines far apart stay two, each a pixel column wide even on a column boundary.
    s.bereich(0.75, 0.75, Rot);
    s.bereich(0.9, 0.9, Rot);
    EXPECT_EQ(s.anzahlBereiche(), 3);
    for (int x = 1; x < 70; ++x)
        ASSERT_EQ(s.spalte(x), qtFarbe(Gruen)) << x;
    EXPECT_EQ(s.spalte(105), qtFarbe(Rot));
    EXPECT_EQ(s.spalte(126), qtFarbe(Rot));
    EXPECT_NE(s.spalte(110), qtFarbe(Rot));
    EXPECT_NE(s.spalte(130), qtFarbe(Rot));
}
