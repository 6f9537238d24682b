#include "core/overview/FeldVerschieben.h"
#include "support/AnwendungsUmfeld.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// The two commands follow the history and their keys work in the vehicle list window as well
// as in the main window.
TEST(Rueckgaengig, MenueTexteGrauUndTastenInBeidenFenstern) {
    AnwendungsUmfeld u;
    u.zweiFahrzeuge();
    Form1& f = u.starten();
    QAction* zurueck = f.menue.MenueRueckgaengig;
    QAction* wieder = f.menue.MenueWiederholen;
    EXPECT_EQ(f.menue.MenueBearbeiten->actions().first(), zurueck);
    EXPECT_FALSE(zurueck->isEnabled()) << "the files read at start-up are nothing to take back";
    EXPECT_FALSE(wieder->isEnabled());
    EXPECT_FALSE(zurueck->icon().isNull());

    FahrzeugAufFeldAblegen(u.ab, &u.ab.fahrzeuge[0], 0);
    EXPECT_EQ(zurueck->text(), QStringLiteral("R\u00fcckg\u00e4ngig: Fahrzeug RTW 1 abgelegt"));
    EXPECT_TRUE(zurueck->isEnabled());

    QWidget& f2 = u.anwendung->form2();
    f2.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f2));
    QTest::keyClick(&f2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(u.ab.felder[0].kennung, "6A000001");
    EXPECT_FALSE(zurueck->isEnabled());
    EXPECT_EQ(wieder->text(), "Wiederholen: Fahrzeug RTW 1 abgelegt");

    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(u.ab.felder[0].kennung, "6A000001");
    EXPECT_FALSE(wieder->isEnabled());
    EXPECT_TRUE(wieder->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
}
