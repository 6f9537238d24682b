#include "app/AnwendungsUmfeld.h"
#include "overview/Modusleiste.h"

#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct ZiehUmfeld : AnwendungsUmfeld {
    Form1* f = nullptr;
    ZiehUmfeld() {
        datei("Fahrzeug.bin", zweiFahrzeuge());
        f = &starten();
        anordnen();
        felderNummerieren();
    }
    FensterAnsicht& ansicht(int feld) const { return f->tabFrame(fensterVon(feld)); }
    // The pressed view gets every event of the drag, as the mouse stays with it.
    void druecken(FensterAnsicht& q, QPoint global) {
        QTest::mousePress(&q, Qt::LeftButton, {}, q.mapFromGlobal(global));
    }
    void bewegen(FensterAnsicht& q, QPoint global) { QTest::mouseMove(&q, q.mapFromGlobal(global)); }
    void loslassen(FensterAnsicht& q, QPoint global) {
        QTest::mouseRelease(&q, Qt::LeftButton, {}, q.mapFromGlobal(global));
    }
    void modus(int k) { QTest::mouseClick(&f->frame2().modusButton(k), Qt::LeftButton); }
};
} // namespace

TEST(Form1Ziehen, FeldAufFeldMitFarbrueckmeldung) {
    ZiehUmfeld u;
    u.modus(NachRechts);
    FensterAnsicht& a = u.ansicht(10);
    u.druecken(a, u.feldGlobal(10));
    EXPECT_EQ(u.ab.feldZiehen, 1);
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::Quellmarke);

    u.bewegen(a, u.feldGlobal(10) + QPoint(12, 0));
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::Zielmarke) << "the pointer is still on the source";
    u.bewegen(a, u.feldGlobal(5));
    EXPECT_EQ(u.ab.rahmenFarbe[5], farbe::Zielmarke);
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::Quellmarke);
    u.bewegen(a, u.feldGlobal(3));
    EXPECT_EQ(u.ab.rahmenFarbe[5], farbe::NormalB) << "left through its Text label";
    EXPECT_EQ(u.ab.rahmenFarbe[3], farbe::Zielmarke);
    u.loslassen(a, u.feldGlobal(3));

    EXPECT_EQ(u.ab.feldZiehen, 0);
    EXPECT_EQ(u.zeigt(3), "10");
    EXPECT_EQ(u.zeigt(4), "3");
    EXPECT_EQ(u.zeigt(10), "9");
    EXPECT_EQ(u.ab.rahmenFarbe[3], farbe::NormalB);
    EXPECT_EQ(u.ab.rahmenFarbe[10], farbe::NormalB);
    EXPECT_EQ(u.ab.ungespeichert, DokStatusuebersicht);
}

// A click without movement, or a release beside every field, ends the drag and changes nothing.
TEST(Form1Ziehen, OhneZielfeldKeinAblegen) {
    for (const bool nebenDieFelder : {false, true}) {
        SCOPED_TRACE(nebenDieFelder);
        ZiehUmfeld u;
        FensterAnsicht& a = u.ansicht(7);
        QPoint ende = u.feldGlobal(7);
        u.druecken(a, ende);
        if (nebenDieFelder) {
            u.bewegen(a, u.feldGlobal(8));
            ende = u.f->frame2().mapToGlobal(QPoint(2, 2)); // the bare top strip
            u.bewegen(a, ende);
            EXPECT_EQ(u.ab.rahmenFarbe[8], farbe::NormalB);
        }
        u.loslassen(a, ende);
        EXPECT_EQ(u.ab.feldZiehen, 0);
        EXPECT_EQ(u.ab.rahmenFarbe[7], farbe::NormalA);
        EXPECT_EQ(u.ab.ungespeichert, 0);
        for (int i : {6, 7, 8})
            EXPECT_EQ(u.zeigt(i), QString::number(i));
    }
}

TEST(Form1Ziehen, FeldUeberEinenTabInEinAnderesFenster) {
    ZiehUmfeld u;
    u.modus(Ueberschreiben);
    FensterAnsicht& a = u.ansicht(5);
    u.druecken(a, u.feldGlobal(5));
    u.bewegen(a, u.tabGlobal(3) + QPoint(0, 1));
    u.bewegen(a, u.tabGlobal(3));
    EXPECT_EQ(u.f->aktuellesFenster(), 3);
    EXPECT_TRUE(u.f->tabFrame(3).isVisible());
    EXPECT_FALSE(a.isVisible());
    u.bewegen(a, u.feldGlobal(104 + 9));
    u.loslassen(a, u.feldGlobal(104 + 9));
    EXPECT_EQ(u.zeigt(113), "5");
    EXPECT_EQ(u.zeigt(5), "5");
    EXPECT_EQ(u.ab.feldZiehen, 0);
    EXPECT_EQ(u.ab.tabZiehen, 0);
    EXPECT_EQ(u.ab.ungespeichert, DokStatusuebersicht);
    EXPECT_EQ(u.ab.fensterTitel[2], "Fenster3") << "a field drop on the strip moves no window";
}
