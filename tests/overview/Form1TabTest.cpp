#include "app/AnwendungsUmfeld.h"
#include "core/overview/FeldInhalt.h"
#include "overview/FensterAnsicht.h"
#include "overview/FensterTab.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
QPoint tabMitte(Form1& f, int tab) {
    return f.fensterTab().leiste().tabRect(tab - 1).center();
}

void fensterBeschriften(Arbeitsbereich& ab) {
    for (int w = 1; w <= 8; ++w) {
        ab.fensterTitel[w - 1] = QStringLiteral("F%1").arg(w);
        for (int k = 0; k < 52; ++k)
            feldMitText(ab.felder[erstesFeld(w) + k], QStringLiteral("%1").arg(w));
    }
    ab.titelGeaendert();
}

QString reihenfolge(const Arbeitsbereich& ab) {
    QString r;
    for (int w = 1; w <= 8; ++w)
        r += ab.felder[erstesFeld(w) + 17].text;
    return r;
}

// Presses on one tab, moves over the strip and releases on another, as the mouse would.
void tabZiehen(Form1& f, int von, int nach) {
    QTabBar& leiste = f.fensterTab().leiste();
    QTest::mousePress(&leiste, Qt::LeftButton, {}, tabMitte(f, von));
    QTest::mouseMove(&leiste, tabMitte(f, von) + QPoint(3, 0));
    QTest::mouseMove(&leiste, tabMitte(f, nach));
    QTest::mouseRelease(&leiste, Qt::LeftButton, {}, tabMitte(f, nach));
}
} // namespace

TEST(Form1Tabs, KlickZeigtGenauDiesesFenster) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    u.anordnen();
    for (const int tab : {3, 8, 1, 5}) {
        QTest::mouseClick(&f.fensterTab().leiste(), Qt::LeftButton, {}, tabMitte(f, tab));
        EXPECT_EQ(f.aktuellesFenster(), tab);
        for (int w = 1; w <= 8; ++w)
            EXPECT_EQ(f.tabFrame(w).isVisible(), w == tab) << tab << " " << w;
    }
    EXPECT_EQ(u.ab.ungespeichert, 0);
    EXPECT_EQ(u.ab.tabZiehen, 0);
}

TEST(Form1Tabs, ZiehenEinesTabsVerschiebtDasFenster) {
    struct Fall {
        int von, nach;
        const char* reihenfolge;
        bool geaendert;
    };
    const Fall faelle[] = {
        {7, 3, "12734568", true},
        {1, 4, "23415678", true}, // the tab shown at start-up, dragged at once
        {4, 4, "12345678", false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.von << " -> " << fall.nach);
        AnwendungsUmfeld u;
        Form1& f = u.starten();
        u.anordnen();
        fensterBeschriften(u.ab);
        tabZiehen(f, fall.von, fall.nach);
        EXPECT_EQ(reihenfolge(u.ab), fall.reihenfolge);
        EXPECT_EQ(f.fensterTab().leiste().tabText(fall.nach - 1), QStringLiteral("F%1").arg(fall.von));
        EXPECT_EQ(f.aktuellesFenster(), fall.nach);
        EXPECT_TRUE(f.tabFrame(fall.nach).isVisible());
        EXPECT_EQ(u.ab.istUngespeichert(DokStatusuebersicht), fall.geaendert);
        EXPECT_EQ(u.ab.tabZiehen, 0);
    }
}
