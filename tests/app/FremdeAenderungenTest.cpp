#include "app/FremdeAenderungen.h"

#include "core/common/AllesSpeichern.h"
#include "support/AnwendungsUmfeld.h"
#include "support/Saetze.h"
#include "ui/Dateihinweis.h"
#include "ui/Dateiwache.h"

#include <QPushButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// Another program writes the vehicle file while Tabulo has it: a notice, never a reload by
// itself; its button reloads as one step; our own save is no change.
TEST(FremdeAenderungen, HinweisNeuLadenUndEigenesSpeichern) {
    AnwendungsUmfeld u;
    u.zweiFahrzeuge();
    u.starten();
    FremdeAenderungen& fremd = u.anwendung->fremdeAenderungen();
    fremd.wache().pruefen();
    EXPECT_FALSE(fremd.hinweis().isVisible());

    u.datei("Fahrzeug.bin", fahrzeugDatei({fahrzeug("6A000001", "RTW 1", "7")}));
    fremd.wache().pruefen();
    ASSERT_TRUE(fremd.hinweis().isVisible());
    EXPECT_EQ(fremd.hinweis().text(), QStringLiteral("Fahrzeug.bin wurde ge\u00e4ndert - Neu laden?"));
    EXPECT_EQ(u.ab.fahrzeuge.size(), 2u);

    fremd.hinweis().neuLadenKnopf()->click();
    EXPECT_EQ(u.kennungen(), QStringList{"6A000001"});
    EXPECT_EQ(u.ab.verlauf.anzahl(), 1);
    EXPECT_FALSE(fremd.hinweis().isVisible());

    u.ab.startverzeichnis = u.ordner.path();
    u.ab.markieren(DokFahrzeugliste);
    ASSERT_TRUE(AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt));
    fremd.wache().pruefen();
    EXPECT_FALSE(fremd.hinweis().isVisible());
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
}
