#include "vehicles/Form2Anordnung.h"

#include <gtest/gtest.h>

using namespace tabulo;

TEST(Form2Anordnung, ListenFolgenDerFenstergroesse) {
    struct Fall {
        const char* name;
        QSize flaeche; // client area, twips
        int aussenHoehe;
    };
    const Fall faelle[] = {
        {"Entwurfsgroesse", form2::EntwurfsFlaeche, 4260 + form2::RahmenHoehe},
        {"gross", QSize(12000, 9000), 9000 + form2::RahmenHoehe},
        {"unter der Mindesthoehe zaehlt 3300", QSize(5730, 1000), 3300},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const int w = f.flaeche.width() + form2::RahmenBreite;
        const int h = f.aussenHoehe;
        const form2::Anordnung a = form2::anordnen(f.flaeche);
        // The lists take the room; nothing overlaps and the frame stays inside the window.
        EXPECT_GT(a.listView1.width(), w / 2);
        EXPECT_LT(a.listView1.right(), w);
        EXPECT_LT(a.listView1.bottom(), a.list2Label.top());
        EXPECT_LT(a.list2Label.bottom(), a.listView2.top());
        EXPECT_LT(a.listView2.bottom(), a.modusFrame.top());
        EXPECT_LE(a.modusFrame.bottom(), h - form2::RahmenHoehe);
    }
    // A window narrower than the margins gives empty, not negative, widths.
    EXPECT_EQ(form2::anordnen(QSize(0, 4260)).listView1.width(), 0);
}

TEST(Form2Anordnung, OrtNebenDemHauptfenster) {
    struct Fall {
        QRect haupt;
        QPoint ort;
    };
    const Fall faelle[] = {
        {QRect(1500, 600, 9000, 6500), QPoint(6000, 300)}, // not above 300
        {QRect(0, 3000, 9165, 6165), QPoint(4582, 2000)},  // half the width, rounded down
        {QRect(300, 1300, 100, 100), QPoint(350, 300)},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(form2::ortNebenHauptfenster(f.haupt), f.ort);
}
