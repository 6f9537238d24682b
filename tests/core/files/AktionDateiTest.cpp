#include "core/files/AktionDatei.h"

#include <gtest/gtest.h>

using namespace tabulo;

// The load and the save go through these; what a round trip cannot show is pinned here: blanks
// kept in the identifier, removed around the command, and what the writer cuts.
TEST(AktionSatz, LesenUndSchreiben) {
    const QByteArray s = "6A12 03441" + QByteArray("   C:\\x.exe 6A12 0344  ").leftJustified(127, ' ');
    const AktionSatz a = aktionSatzLesen(s);
    EXPECT_EQ(a.kennung, "6A12 034");
    EXPECT_EQ(a.identitaet(), "6A12 03441");
    EXPECT_EQ(a.aktion, "C:\\x.exe 6A12 0344");

    const QByteArray lang = aktionSatzSchreiben("123456789", "34", 7, QString(200, 'a'));
    ASSERT_EQ(lang.size(), AktionSatzLaenge);
    EXPECT_EQ(lang.left(10), "1234567837");
    EXPECT_EQ(aktionSatzSchreiben("1", "", 0, "").left(10), "1        0");
}
