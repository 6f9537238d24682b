#include "core/files/AktionDatei.h"

#include <gtest/gtest.h>

using namespace tabulo;

TEST(AktionSatz, LesenUndSchreibenAnDenOffsets) {
    QByteArray s = "6A12 034";
    s.append('4');
    s.append('1');
    s.append(QByteArray("   C:\\Programme\\x.exe 6A12 0344  ").leftJustified(127, ' '));
    ASSERT_EQ(s.size(), AktionSatzLaenge);
    const AktionSatz a = aktionSatzLesen(s);
    EXPECT_EQ(a.kennung, "6A12 034"); // blanks kept
    EXPECT_EQ(a.status, QLatin1Char('4'));
    EXPECT_EQ(a.richtung, QLatin1Char('1'));
    EXPECT_EQ(a.aktion, "C:\\Programme\\x.exe 6A12 0344"); // leading and trailing blanks gone
    EXPECT_EQ(a.identitaet(), "6A12 03441");

    const QByteArray zurueck = aktionSatzSchreiben(a.kennung, QString(a.status), 1, a.aktion);
    ASSERT_EQ(zurueck.size(), AktionSatzLaenge);
    EXPECT_EQ(zurueck.left(8), QByteArray("6A12 034"));
    EXPECT_EQ(zurueck[8], '4');
    EXPECT_EQ(zurueck[9], '1');
    EXPECT_EQ(zurueck.mid(10), QByteArray("C:\\Programme\\x.exe 6A12 0344").leftJustified(127, ' '));
}

TEST(AktionSatz, SchneidenUndLeererStatus) {
    const QByteArray s = aktionSatzSchreiben("123456789", "", 0, QString(200, 'a'));
    ASSERT_EQ(s.size(), AktionSatzLaenge);
    EXPECT_EQ(s.left(8), QByteArray("12345678"));
    EXPECT_EQ(s[8], ' ');
    EXPECT_EQ(s[9], '0');
    EXPECT_EQ(aktionSatzSchreiben("1", "34", 0, "").at(8), '3');
}
