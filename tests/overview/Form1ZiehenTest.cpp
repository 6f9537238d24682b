#include "overview/Modusleiste.h"
#include "support/AnwendungsUmfeld.h"

#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct ZiehUmfeld : AnwendungsUmfeld {
    Form1* f = nullptr;
    ZiehUmfeld(int modus) {
        f = &starten();
        anordnen();
        felderNummerieren();
        QTest::mouseClick(&f->frame2().modusButton(modus), Qt::LeftButton);
    }
    // The pressed view gets every event of the drag, as the mouse stays with it.
    FensterAnsicht* q = nullptr;
    void druecken(int feld) {
        q = &f->tabFrame(fensterVon(feld));
        QTest::mousePress(q, Qt::LeftButton, {}, q->mapFromGlobal(feldGlobal(feld)));
    }
    void bewegen(QPoint global) { QTest::mouseMove(q, q->mapFromGlobal(global)); }
    void loslassen(QPoint global) { QTest::mouseRelease(q, Qt::LeftButton, {}, q->mapFromGlobal(global)); }
};
} // namespace

// The source is marked, the field under the pointer is marked as target until the pointer
// leaves it, and the drop moves the field by the insert mode.
TEST(Form1Ziehen, FeldAufFeldMitFarbrueckmeldung) {
    ZiehUmfeld u(NachRechts);
    u.druecken(10);
    EXPECT_EQ(u.ab.feldZiehen, 1);
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::Quellmarke);
    u.bewegen(u.feldGlobal(10) + QPoint(12, 0));
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::Zielmarke) << "the pointer is still on the source";
    u.bewegen(u.feldGlobal(5));
    EXPECT_EQ(u.ab.rahmenFarbe[5], farbe::Zielmarke);
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::Quellmarke);
    u.bewegen(u.feldGlobal(3));
    EXPECT_EQ(u.ab.rahmenFarbe[5], farbe::NormalB);
    u.loslassen(u.feldGlobal(3));
    EXPECT_EQ(u.ab.feldZiehen, 0);
    EXPECT_EQ(QStringList({u.zeigt(3), u.zeigt(4), u.zeigt(10)}), QStringList({"10", "3", "9"}));
    EXPECT_EQ(u.ab.rahmenFarbe[3], farbe::NormalB);
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::NormalB);
}

// A click without movement, or a release beside every field, ends the drag and changes nothing.
TEST(Form1Ziehen, OhneZielfeldKeinAblegen) {
    for (const bool nebenDieFelder : {false, true}) {
        SCOPED_TRACE(nebenDieFelder);
        ZiehUmfeld u(NachRechts);
        QPoint ende = u.feldGlobal(7);
        u.druecken(7);
        if (nebenDieFelder) {
            u.bewegen(u.feldGlobal(8));
            ende = u.f->frame2().mapToGlobal(QPoint(2, 2)); // the bare top strip
            u.bewegen(ende);
            EXPECT_EQ(u.ab.rahmenFarbe[8], farbe::NormalB);
        }
        u.loslassen(ende);
        EXPECT_EQ(u.ab.feldZiehen, 0);
        EXPECT_EQ(u.ab.rahmenFarbe[7], farbe::NormalA);
        EXPECT_EQ(u.ab.ungespeichert, 0);
        EXPECT_EQ(u.zeigt(7), "7");
    }
}

// Over a tab the field's drag shows that window; the drop lands there and moves no window.
TEST(Form1Ziehen, FeldUeberEinenTabInEinAnderesFenster) {
    ZiehUmfeld u(Ueberschreiben);
    u.druecken(5);
    u.bewegen(u.tabGlobal(3) + QPoint(0, 1));
    u.bewegen(u.tabGlobal(3));
    EXPECT_EQ(u.f->aktuellesFenster(), 3);
    u.bewegen(u.feldGlobal(104 + 9));
    u.loslassen(u.feldGlobal(104 + 9));
    EXPECT_EQ(u.zeigt(113), "5");
    EXPECT_EQ(u.zeigt(5), "5");
    EXPECT_EQ(u.ab.tabZiehen, 0);
    EXPECT_EQ(u.ab.fensterTitel[2], "Fenster3");
}
