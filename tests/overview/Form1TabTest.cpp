#include "core/overview/FeldInhalt.h"
#include "overview/FensterAnsicht.h"
#include "overview/FensterTab.h"
#include "support/AnwendungsUmfeld.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
QPoint tabMitte(Form1& f, int tab) {
    return f.fensterTab().leiste().tabRect(tab - 1).center();
}
} // namespace

// A click shows exactly that window; a drag from one tab to another moves the window there.
TEST(Form1Tabs, KlickZeigtDasFensterZiehenVerschiebtEs) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    u.anordnen();
    QTabBar& leiste = f.fensterTab().leiste();
    for (const int tab : {3, 8, 1}) {
        QTest::mouseClick(&leiste, Qt::LeftButton, {}, tabMitte(f, tab));
        for (int w = 1; w <= 8; ++w)
            EXPECT_EQ(f.tabFrame(w).isVisible(), w == tab) << tab << " " << w;
    }
    EXPECT_EQ(u.ab.ungespeichert, 0);
    for (int w = 1; w <= 8; ++w)
        for (int k = 0; k < 52; ++k)
            feldMitText(u.ab.felder[erstesFeld(w) + k], QString::number(w));
    // The tab shown at start-up, dragged at once.
    QTest::mousePress(&leiste, Qt::LeftButton, {}, tabMitte(f, 1));
    QTest::mouseMove(&leiste, tabMitte(f, 1) + QPoint(3, 0));
    QTest::mouseMove(&leiste, tabMitte(f, 4));
    QTest::mouseRelease(&leiste, Qt::LeftButton, {}, tabMitte(f, 4));
    QString reihenfolge;
    for (int w = 1; w <= 8; ++w)
        reihenfolge += u.ab.felder[erstesFeld(w) + 17].text;
    EXPECT_EQ(reihenfolge, "23415678");
    EXPECT_EQ(leiste.tabText(3), "Fester1");
    EXPECT_EQ(f.aktuellesFenster(), 4);
    EXPECT_EQ(u.ab.tabZiehen, 0);
}

// Load, save and reload of the overview, each through its menu item.
TEST(Form1Befehle, LadenSpeichernUndNeuLadenUeberDasMenue) {
    AnwendungsUmfeld u;
    u.datei("status.bin", statusDatei({statusSatz(2, "beim Start")}));
    u.starten();
    const QByteArray original = statusDatei({statusSatz(2, "Wache"), statusSatz(5, "fremd", "zzzzzzzz")});
    u.rueckfrage.dateien = {u.datei("quelle.bin", original), u.pfad("ziel.bin")};
    u.menue().MenueLadenStatus->trigger();
    EXPECT_EQ(u.ab.felder[0].text, "Wache");
    u.menue().MenueSpeichernStatus->trigger();
    EXPECT_EQ(dateiInhalt(u.pfad("ziel.bin")), original);
    u.menue().MenueUndoStatus->trigger(); // status.bin of the working directory, without a dialog
    EXPECT_EQ(u.ab.felder[0].text, "beim Start");
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.rueckfrage.dateiDialoge.size(), 2);
}
