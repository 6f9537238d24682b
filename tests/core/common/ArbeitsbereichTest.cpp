#include "core/common/Arbeitsbereich.h"

#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tabulo;

TEST(Arbeitsbereich, StartwerteOhneEinstellungen) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    ab.einstellungenLesen();
    EXPECT_EQ(ab.fensterTitel[0], "Fester1");
    EXPECT_EQ(ab.fensterTitel[7], "Fenster8");
    EXPECT_EQ(ab.bosName[15], "Undefiniert");
    EXPECT_EQ(ab.richtungsname[1], "FZ<->LST");
    EXPECT_EQ(ab.statusfarbe, StandardStatusfarben);
    EXPECT_EQ(ab.felder[415].kennung, "12345678");
    ab.setzeHeute(QDate(2026, 3, 7));
    EXPECT_EQ(ab.heute, "07.03.26");
}

TEST(Arbeitsbereich, EinstellungenWerdenGelesen) {
    SpeicherImSpeicher s;
    s.speichern(anwendung::Velastat, sektion::Fahrzeuguebersicht, "3", "Wache Nord");
    s.speichern(anwendung::Velastat, sektion::Statusfarben, "4", "16711680");
    s.speichern(anwendung::Velastat, sektion::Statusfarben, "5", "abc");
    s.speichern(anwendung::Velastat, sektion::Statusfarben, "6", "-1");
    s.speichern(anwendung::Velastat, sektion::Statusfarben, "7", "99999999999");
    s.speichern(anwendung::Velastat, sektion::BosKennung, "15", "Test");
    s.speichern(anwendung::Velastat, sektion::Landeskennung, "10", "Bayern");
    s.speichern(anwendung::Velastat, sektion::Richtungskennung, "1", "LST->FZ");
    DateiSchreiber schreiber;
    Arbeitsbereich ab(s, schreiber);
    ab.einstellungenLesen();
    EXPECT_EQ(ab.fensterTitel[2], "Wache Nord");
    EXPECT_EQ(ab.statusfarbe[4], 16711680u);
    EXPECT_EQ(ab.statusfarbe[5], StandardStatusfarben[5]);
    EXPECT_EQ(ab.statusfarbe[6], StandardStatusfarben[6]);
    EXPECT_EQ(ab.statusfarbe[7], StandardStatusfarben[7]);
    EXPECT_EQ(ab.bosName[15], "Test");
    EXPECT_EQ(ab.landName[10], "Bayern");
    EXPECT_EQ(ab.richtungsname[0], "FZ<->LST");
    EXPECT_EQ(ab.richtungsname[1], "LST->FZ");
}

TEST(Arbeitsbereich, StatusfarbeNachFuehrenderZahl) {
    SpeicherImSpeicher s;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(s, schreiber);
    ab.statusfarbe[10] = 0x123456;
    EXPECT_EQ(ab.statusFarbeFuer("4"), 255u);
    EXPECT_EQ(ab.statusFarbeFuer(""), ab.statusfarbe[0]);
    EXPECT_EQ(ab.statusFarbeFuer("x"), ab.statusfarbe[0]);
    EXPECT_EQ(ab.statusFarbeFuer("10"), 0x123456u);
    EXPECT_EQ(ab.statusFarbeFuer("11"), farbe::OhneStatusfarbe);
    EXPECT_EQ(ab.statusFarbeFuer("-1"), farbe::OhneStatusfarbe);
}

TEST(Arbeitsbereich, FlagsSetzenUndLoeschen) {
    SpeicherImSpeicher s;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(s, schreiber);
    QSignalSpy spion(&ab, &Arbeitsbereich::flagsVeraendert);
    ab.markieren(DokFahrzeugliste | DokAktionen);
    EXPECT_EQ(ab.ungespeichert, 17);
    ab.markieren(DokFahrzeugliste);
    ab.freigeben(DokFahrzeugliste);
    EXPECT_EQ(ab.ungespeichert, 16);
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
    ab.alleFreigeben();
    EXPECT_EQ(ab.ungespeichert, 0);
    EXPECT_EQ(spion.count(), 3); // only real changes are announced
}

TEST(Feldordnung, SpaltenPositionUndZeilenIndexSindUmkehrungen) {
    for (int i = 0; i < AnzahlFelder; ++i)
        ASSERT_EQ(ZeilenIndex(SpaltenPosition(i)), i);
    EXPECT_EQ(SpaltenPosition(1), 13);
    EXPECT_EQ(SpaltenPosition(4), 1);
    EXPECT_EQ(SpaltenPosition(51), 51);
    EXPECT_EQ(SpaltenPosition(52), 52);
    EXPECT_EQ(fensterVon(51), 1);
    EXPECT_EQ(spalteVon(51), 3);
    EXPECT_EQ(zeileVon(51), 12);
    EXPECT_EQ(fensterVon(52), 2);
    EXPECT_EQ(zeileVon(52), 0);
    EXPECT_EQ(fensterVon(415), 8);
}
