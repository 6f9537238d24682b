#include "core/files/BuendelDatei.h"

#include <gtest/gtest.h>

using namespace tabulo;

TEST(BuendelZeile, SchreibtDreiFelderMitCrLf) {
    const QByteArray z = buendelZeileSchreiben({"Statusfarben", "4", "255"});
    EXPECT_EQ(z, QByteArray("\"Statusfarben\",\"4\",\"255\"\r\n"));
    EXPECT_EQ(z.size(), 24 + 2);
    EXPECT_EQ(buendelZeileSchreiben({QStringLiteral("Fahrzeug\u00fcbersicht"), "1", "Wache \"Nord\""}),
              QByteArray("\"Fahrzeug\xfc"
                         "bersicht\",\"1\",\"Wache 'Nord'\"\r\n"));
}

TEST(BuendelZeile, LesenNimmtNurDreiFelder) {
    EXPECT_EQ(buendelZeileLesen(u"\"Statusfarben\",\"4\",\"255\""),
              (BuendelZeile{"Statusfarben", "4", "255"}));
    EXPECT_EQ(buendelZeileLesen(u"\"a\",\"b\",\"x, y\""), (BuendelZeile{"a", "b", "x, y"}));
    EXPECT_EQ(buendelZeileLesen(u"a, 1 ,b"), (BuendelZeile{"a", "1", "b"}));
    EXPECT_EQ(buendelZeileLesen(u"\"a\",\"\",\"\""), (BuendelZeile{"a", "", ""}));
    EXPECT_FALSE(buendelZeileLesen(u""));
    EXPECT_FALSE(buendelZeileLesen(u"\"a\",\"b\""));
    EXPECT_FALSE(buendelZeileLesen(u"\"a\",\"b\",\"c\",\"d\""));
    EXPECT_FALSE(buendelZeileLesen(u"\"a\",\"b\",\"c"));
    EXPECT_FALSE(buendelZeileLesen(u"\"a\"x,\"b\",\"c\""));
}

TEST(BuendelZeile, ZeilenEnden) {
    EXPECT_EQ(buendelZeilen("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(buendelZeilen("a\r\n"), (QStringList{"a"}));
    EXPECT_TRUE(buendelZeilen("").isEmpty());
    EXPECT_EQ(buendelZeilen("\"\xfc\"\r\n"), (QStringList{QStringLiteral("\"\u00fc\"")}));
}

TEST(BuendelZeile, ZeilenumbruchImWertBleibtEineZeile) {
    struct Fall {
        const char* wert;
        const char* gelesen;
    };
    for (const Fall& f :
         {Fall{"Wache\r\nNord", "Wache  Nord"}, Fall{"a\nb", "a b"}, Fall{"a\rb\"", "a b'"}}) {
        const QByteArray bytes = buendelZeileSchreiben({"Fahrzeug", "1", f.wert});
        const QStringList zeilen = buendelZeilen(bytes + buendelZeileSchreiben({"Statusfarben", "4", "255"}));
        ASSERT_EQ(zeilen.size(), 2) << f.wert;
        EXPECT_EQ(buendelZeileLesen(zeilen[0]), (BuendelZeile{"Fahrzeug", "1", f.gelesen}));
        EXPECT_EQ(buendelZeileLesen(zeilen[1]), (BuendelZeile{"Statusfarben", "4", "255"}));
    }
}
