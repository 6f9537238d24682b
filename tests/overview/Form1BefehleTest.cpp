#include "app/AnwendungsUmfeld.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// Load, save and reload of the overview, each through its menu item.
TEST(Form1Befehle, LadenSpeichernUndNeuLadenUeberDasMenue) {
    AnwendungsUmfeld u;
    u.datei("Fahrzeug.BIN", fahrzeugSatz("6A000001", "RTW 1", 3, "10:00:00", "Wache"));
    u.datei("status.bin", statusDatei({statusSatz(2, "beim Start")}));
    Form1& f = u.starten();
    const QByteArray original = statusDatei({statusSatz(1, "RTW 1", "6A000001"), statusSatz(2, "Wache"),
                                             statusSatz(0, {}), statusSatz(5, "fremd", "zzzzzzzz")});
    u.rueckfrage.dateien.push_back(u.datei("quelle.bin", original));
    f.menue.MenueLadenStatus->trigger();
    EXPECT_EQ(u.ab.felder[1].text, "Wache");

    u.ab.fensterTitel[0] = "Erster";
    u.ab.markieren(DokStatusuebersicht);
    u.rueckfrage.dateien.push_back(u.ordner.filePath("ziel.bin"));
    f.menue.MenueSpeichernStatus->trigger();
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(dateiInhalt(u.ordner.filePath("ziel.bin")), original);
    EXPECT_EQ(u.speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "1", {}), "Erster");
    EXPECT_FALSE(u.ab.istUngespeichert(DokStatusuebersicht));
    ASSERT_EQ(u.rueckfrage.dateiDialoge.size(), 2);
    EXPECT_TRUE(u.rueckfrage.dateiDialoge[1].speichern);

    // "Undo" takes status.bin of the working directory again, without a dialog.
    f.menue.MenueUndoStatus->trigger();
    EXPECT_EQ(u.ab.felder[0].text, "beim Start");
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.rueckfrage.dateiDialoge.size(), 2);
}
