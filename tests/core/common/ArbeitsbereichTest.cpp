#include "core/common/Arbeitsbereich.h"

#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"

#include <gtest/gtest.h>

using namespace tabulo;

// What the settings hold replaces the defaults; a colour that is no whole number from 0 to
// 0xFFFFFF keeps the default.
TEST(Arbeitsbereich, EinstellungenWerdenGelesen) {
    SpeicherImSpeicher s;
    const auto setzen = [&](const QString& sekt, const char* schluessel, const char* wert) {
        s.speichern(anwendung::Velastat, sekt, schluessel, wert);
    };
    setzen(sektion::Fahrzeuguebersicht, "3", "Wache Nord");
    setzen(sektion::Statusfarben, "4", "16711680");
    setzen(sektion::Statusfarben, "5", "abc");
    setzen(sektion::Statusfarben, "6", "-1");
    setzen(sektion::Statusfarben, "7", "16777216");
    setzen(sektion::BosKennung, "15", "Test");
    setzen(sektion::Landeskennung, "10", "Bayern");
    setzen(sektion::Richtungskennung, "1", "LST->FZ");
    DateiSchreiber schreiber;
    Arbeitsbereich ab(s, schreiber);
    ab.einstellungenLesen();
    EXPECT_EQ(ab.fensterTitel[2], "Wache Nord");
    EXPECT_EQ(ab.fensterTitel[1], "Fenster2");
    auto farben = StandardStatusfarben;
    farben[4] = 16711680;
    EXPECT_EQ(ab.statusfarbe, farben);
    EXPECT_EQ(ab.bosName[15], "Test");
    EXPECT_EQ(ab.bosName[14], "Undefiniert");
    EXPECT_EQ(ab.landName[10], "Bayern");
    EXPECT_EQ(ab.landName[9], "Undefiniert");
    EXPECT_EQ(ab.richtungsname, (std::array<QString, 2>{"FZ<->LST", "LST->FZ"}));
    ab.setzeHeute(QDate(2026, 3, 7));
    EXPECT_EQ(ab.heute, "07.03.26");

    ab.statusfarbe[10] = 0x123456;
    const std::pair<const char*, Farbe> faelle[] = {
        {"4", 16711680},  {"", ab.statusfarbe[0]},        {"x", ab.statusfarbe[0]},
        {"10", 0x123456}, {"11", farbe::OhneStatusfarbe}, {"-1", farbe::OhneStatusfarbe}};
    for (const auto& [text, farbe] : faelle)
        EXPECT_EQ(ab.statusFarbeFuer(text), farbe) << text;
}

TEST(Feldordnung, SpaltenPositionUndZeilenIndexSindUmkehrungen) {
    for (int i = 0; i < AnzahlFelder; ++i)
        ASSERT_EQ(ZeilenIndex(SpaltenPosition(i)), i);
    const std::array<int, 4> faelle[] = {// field, position in column order, window, row
                                         {1, 13, 1, 0},
                                         {4, 1, 1, 1},
                                         {51, 51, 1, 12},
                                         {52, 52, 2, 0},
                                         {415, 415, 8, 12}};
    for (const auto& [feld, position, fenster, zeile] : faelle) {
        EXPECT_EQ(SpaltenPosition(feld), position) << feld;
        EXPECT_EQ(fensterVon(feld), fenster) << feld;
        EXPECT_EQ(zeileVon(feld), zeile) << feld;
    }
}
