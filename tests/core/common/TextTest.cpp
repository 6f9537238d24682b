#include "core/common/Text.h"

#include <gtest/gtest.h>

using namespace tabulo;

TEST(FuehrendeZahl, LiestDieFuehrendeDezimalzahl) {
    const std::pair<const char16_t*, double> faelle[] = {
        {u"", 0},    {u"abc", 0},   {u"7", 7},      {u"12abc", 12}, {u"  42", 42},
        {u"-1", -1}, {u"7.5", 7.5}, {u"2.5x", 2.5}, {u"3.:", 3},    {u"16777215", 16777215},
        {u"1 2", 1}, {u".5", 0.5},  {u"+3", 3},     {u"-", 0},      {u"99999999999", 99999999999.0},
    };
    for (const auto& [text, wert] : faelle)
        EXPECT_DOUBLE_EQ(fuehrendeZahl(QStringView(text)), wert) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(fuehrendeGanzzahl(u"7.9"), 7);
    EXPECT_EQ(fuehrendeGanzzahl(u"-7.9"), -7);
    EXPECT_EQ(fuehrendeGanzzahl(u"99999999999"), std::numeric_limits<int>::max());
}

TEST(HexWert, ErstesZeichenInGrossschreibung) {
    const struct {
        QString eingabe;
        int wert;
        QString danach;
    } faelle[] = {
        {"a", 10, "A"}, {"7x", 7, "7"}, {"", 0, ""},   {"G", 0, "G"}, {"0", 0, "0"},
        {"F", 15, "F"}, {"b", 11, "B"}, {"9", 9, "9"}, {"-", 0, "-"},
    };
    for (const auto& f : faelle) {
        QString s = f.eingabe;
        EXPECT_EQ(HexWert(s), f.wert) << f.eingabe.toStdString();
        EXPECT_EQ(s, f.danach) << f.eingabe.toStdString();
    }
}

TEST(Text, ErsetzenPolsternSchneiden) {
    EXPECT_EQ(TextErsetzen(u"a\"b\"", u"\"", u"'"), "a'b'");
    EXPECT_EQ(TextErsetzen(u"aaa", u"aa", u"b"), "ba"); // no overlap: the scan continues after a hit
    EXPECT_EQ(TextErsetzen(u"ab", u"", u"y"), "ab");
    EXPECT_EQ(rechtsAuffuellen("abc", 5), "abc  ");
    EXPECT_EQ(rechtsAuffuellen("abcdef", 5), "abcdef");
    EXPECT_EQ(rechtsAuffuellen("1", 3, QLatin1Char('0')), "100");
    EXPECT_EQ(aufBreite("abcdef", 5), "abcde");
    EXPECT_EQ(aufBreite("", 3), "   ");
    EXPECT_EQ(ohneEndLeerzeichen("  a b  "), "  a b");
    EXPECT_EQ(ohneRandLeerzeichen("  a b  "), "a b");
    EXPECT_EQ(ohneRandLeerzeichen("\ta "), "\ta"); // only blanks are blanks
}
