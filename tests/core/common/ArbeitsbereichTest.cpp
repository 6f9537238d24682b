#include "core/common/Arbeitsbereich.h"

#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// A status label takes the colour of its caption's leading number; no number is status 0, a
// number without a colour has none.
TEST(Arbeitsbereich, StatusfarbeNachFuehrenderZahl) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    ab.statusfarbe[4] = 255;
    ab.statusfarbe[10] = 0x123456;
    const std::pair<const char*, Farbe> faelle[] = {{"4", 255},
                                                    {" 4x", 255},
                                                    {"", ab.statusfarbe[0]},
                                                    {"x", ab.statusfarbe[0]},
                                                    {"10", 0x123456},
                                                    {"11", farbe::OhneStatusfarbe},
                                                    {"-1", farbe::OhneStatusfarbe}};
    for (const auto& [text, farbe] : faelle)
        EXPECT_EQ(ab.statusFarbeFuer(text), farbe) << text;
    ab.setzeHeute(QDate(2026, 3, 7));
    EXPECT_EQ(ab.heute, "07.03.26");
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
