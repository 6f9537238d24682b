#include "overview/Modusleiste.h"
#include "support/AnwendungsUmfeld.h"
#include "vehicles/FahrzeugListView.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct Umfeld : AnwendungsUmfeld {
    Form1* f = nullptr;
    Form2* f2 = nullptr;
    Umfeld() {
        datei("Fahrzeug.bin", fahrzeugDatei({fahrzeug("6A000001", "RTW 1"), fahrzeug("6A000002", "NEF 2"),
                                             fahrzeug("6A000003", "KTW 3")}));
        // Vehicle 1 stands in field 0, so the second list holds vehicles 2 and 3.
        datei("status.bin", statusDatei({statusSatz(1, "RTW 1", "6A000001")}));
        f = &starten();
        f2 = &anwendung->form2();
        anordnen();
        felderNummerieren(1);
    }
    // Presses on a row of a list, carries it over a global point to a field and releases it there.
    void zeileZiehen(FahrzeugListView& liste, int zeile, QPoint ueber, int feld,
                     qint16* listenZiehenUnterwegs) {
        QWidget* vp = liste.viewport();
        const QPoint start = liste.visualRect(liste.model()->index(zeile, 0)).center();
        QTest::mouseClick(vp, Qt::LeftButton, {}, start);
        QTest::mousePress(vp, Qt::LeftButton, {}, start);
        QTest::mouseMove(vp, start + QPoint(15, 0));
        *listenZiehenUnterwegs = ab.listenZiehen;
        QTest::mouseMove(vp, vp->mapFromGlobal(ueber));
        const QPoint ziel = feldGlobal(feld); // after the tab, whose window may now be shown
        QTest::mouseMove(vp, vp->mapFromGlobal(ziel));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, vp->mapFromGlobal(ziel));
    }
};
} // namespace

// On its way the vehicle passes over the fourth tab: a vehicle from the full list switches the
// window there, one from the second list does not.
TEST(Form2Ziehen, FahrzeugAusBeidenListenUeberDieTabsAufEinFeld) {
    struct Fall {
        int liste;
        qint16 listenmodus;
        int fenster; // shown after passing over the tab
        const char* kennung;
        int letztesVerschobenes;
    };
    for (const Fall& fall :
         {Fall{1, AktuellesFenster, 4, "6A000002", 207}, Fall{2, LetztesFenster, 1, "6A000003", 415}}) {
        SCOPED_TRACE(fall.liste);
        Umfeld u;
        QTest::mouseClick(&u.f->frame2().modusButton(NachRechts), Qt::LeftButton);
        u.f2->ModusButton[fall.listenmodus]->click();
        FahrzeugListView& liste = fall.liste == 1 ? *u.f2->ListView1 : *u.f2->ListView2;
        const int ziel = erstesFeld(fall.fenster) + 20;
        qint16 unterwegs = 0;
        u.zeileZiehen(liste, 1, u.tabGlobal(4), ziel, &unterwegs);
        EXPECT_EQ(unterwegs, fall.liste);
        EXPECT_EQ(u.f->aktuellesFenster(), fall.fenster);
        EXPECT_EQ(u.zeigt(ziel), fall.kennung);
        EXPECT_EQ(u.zeigt(ziel + 1), QString::number(ziel));
        EXPECT_EQ(u.zeigt(fall.letztesVerschobenes), QString::number(fall.letztesVerschobenes - 1));
        EXPECT_EQ(u.ab.listenZiehen, 0);
        EXPECT_EQ(u.ab.rahmenFarbe[ziel], farbe::NormalB);
        EXPECT_EQ(liste.gewaehltesFahrzeug(), fall.liste == 1 ? 1 : -1)
            << "dragging does not move the selection";
    }
}

// Short moves after the press must not reach the list, or it selects the row under the pointer
// and that row is carried instead of the one pressed on.
TEST(Form2Ziehen, DieGedrueckteZeileWirdGezogen) {
    Umfeld u;
    QTest::mouseClick(&u.f->frame2().modusButton(Ueberschreiben), Qt::LeftButton);
    FahrzeugListView& liste = *u.f2->ListView1;
    QWidget* vp = liste.viewport();
    const QRect erste = liste.visualRect(liste.model()->index(0, 0));
    QPoint p(erste.center().x(), erste.bottom() - 1);
    QTest::mousePress(vp, Qt::LeftButton, {}, p);
    for (int schritt = 0; schritt < QApplication::startDragDistance() - 1; ++schritt) {
        p += QPoint(0, 1);
        QTest::mouseMove(vp, p);
    }
    ASSERT_EQ(liste.indexAt(p).row(), 1) << "the short moves end on the next row";
    const QPoint ziel = vp->mapFromGlobal(u.feldGlobal(20));
    QTest::mouseMove(vp, ziel);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, ziel);
    EXPECT_EQ(u.zeigt(20), "6A000001");
    EXPECT_EQ(liste.gewaehltesFahrzeug(), 0);
}

// Only the window's background and its two lists take a field out of the overview; a drop on the
// window's other controls ends the drag like a release on the source.
TEST(Form2Ziehen, FeldAufDieFahrzeuglisteNimmtEsHeraus) {
    struct Fall {
        const char* ziel;
        int modus;
        const char *feld0, *feld1, *feld51;
    };
    const Fall faelle[] = {
        {"ListView1", Tauschen, "-", "1", "51"},           {"ListView1", NachRechts, "1", "2", "-"},
        {"ListView2", Tauschen, "-", "1", "51"},           {"Hintergrund", Tauschen, "-", "1", "51"},
        {"ButtonImport", Tauschen, "6A000001", "1", "51"}, {"ModusButton1", Tauschen, "6A000001", "1", "51"},
        {"List2Label", NachRechts, "6A000001", "1", "51"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.ziel << " " << fall.modus);
        Umfeld u;
        QTest::mouseClick(&u.f->frame2().modusButton(fall.modus), Qt::LeftButton);
        const QString name = fall.ziel;
        QWidget* w = name == "Hintergrund" ? u.f2 : u.f2->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr);
        if (auto* liste = qobject_cast<QAbstractScrollArea*>(w))
            w = liste->viewport();
        const QPoint ziel = w->mapToGlobal(w == u.f2 ? QPoint(1, 1) : QPoint(3, 3));
        const bool heraus = fall.feld0 != QStringLiteral("6A000001");
        FensterAnsicht& a = u.f->tabFrame(1);
        QTest::mousePress(&a, Qt::LeftButton, {}, a.mapFromGlobal(u.feldGlobal(0)));
        QTest::mouseMove(&a, a.mapFromGlobal(u.feldGlobal(1)));
        QTest::mouseMove(&a, a.mapFromGlobal(ziel));
        QTest::mouseRelease(&a, Qt::LeftButton, {}, a.mapFromGlobal(ziel));
        EXPECT_EQ(u.zeigt(0), fall.feld0);
        EXPECT_EQ(u.zeigt(1), fall.feld1);
        EXPECT_EQ(u.zeigt(51), fall.feld51);
        EXPECT_EQ(u.ab.feldZiehen, 0);
        EXPECT_EQ(u.ab.rahmenFarbe[0], heraus ? farbe::NormalB : farbe::NormalA);
        EXPECT_EQ(u.ab.ungespeichert, heraus ? DokStatusuebersicht : 0);
        EXPECT_EQ(u.ab.nichtAufgenommen.size(), heraus ? 3u : 2u);
    }
}

TEST(Form2Ziehen, EinfuegemodusSchaltetDieAufrueckWahl) {
    Umfeld u;
    EXPECT_TRUE(u.f2->ModusButton[1]->isEnabled());
    for (const int k : {Tauschen, NachRechts, Ueberschreiben, NachUnten}) {
        QTest::mouseClick(&u.f->frame2().modusButton(k), Qt::LeftButton);
        const bool schiebend = k == NachRechts || k == NachUnten;
        EXPECT_EQ(u.f2->ModusButton[1]->isEnabled(), schiebend) << k;
        EXPECT_EQ(u.f2->ModusButton[2]->isEnabled(), schiebend) << k;
        EXPECT_EQ(u.f2->ModusLabel->isEnabled(), schiebend) << k;
    }
}
