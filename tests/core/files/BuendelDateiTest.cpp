#include "core/files/BuendelDatei.h"

#include <gtest/gtest.h>

using namespace tabulo;

TEST(BuendelZeile, SchreibenInAnfuehrungszeichenMitCrLf) {
    EXPECT_EQ(buendelZeileSchreiben({"Statusfarben", "4", "255"}), "\"Statusfarben\",\"4\",\"255\"\r\n");
    EXPECT_EQ(buendelZeileSchreiben({QStringLiteral("Fahrzeug\u00fcbersicht"), "1", "Wache \"Nord\""}),
              "\"Fahrzeug\xfc"
              "bersicht\",\"1\",\"Wache 'Nord'\"\r\n");
    // A line break in a value must not split the line.
    for (const auto& [wert, gelesen] :
         {std::pair{"Wache\r\nNord", "Wache  Nord"}, {"a\nb", "a b"}, {"a\rb", "a b"}}) {
        const QStringList zeilen =
            buendelZeilen(buendelZeileSchreiben({"F", "1", wert}) + buendelZeileSchreiben({"S", "4", "255"}));
        ASSERT_EQ(zeilen.size(), 2) << wert;
        EXPECT_EQ(buendelZeileLesen(zeilen[0]), (BuendelZeile{"F", "1", gelesen}));
    }
}

TEST(BuendelZeile, LesenNimmtNurDreiFelder) {
    const std::pair<const char16_t*, std::optional<BuendelZeile>> faelle[] = {
        {u"\"Statusfarben\",\"4\",\"255\"", BuendelZeile{"Statusfarben", "4", "255"}},
        {u"\"a\",\"b\",\"x, y\"", BuendelZeile{"a", "b", "x, y"}},
        {u"a, 1 ,b", BuendelZeile{"a", "1", "b"}},
        {u"\"a\",\"\",\"\"", BuendelZeile{"a", "", ""}},
        {u"", std::nullopt},
        {u"\"a\",\"b\"", std::nullopt},
        {u"\"a\",\"b\",\"c\",\"d\"", std::nullopt},
        {u"\"a\",\"b\",\"c", std::nullopt},
        {u"\"a\"x,\"b\",\"c\"", std::nullopt},
    };
    for (const auto& [zeile, erwartet] : faelle)
        EXPECT_EQ(buendelZeileLesen(zeile), erwartet) << QString::fromUtf16(zeile).toStdString();
    EXPECT_EQ(buendelZeilen("a\r\nb\nc\rd\r\n\"\xfc\""),
              (QStringList{"a", "b", "c", "d", QStringLiteral("\"\u00fc\"")}));
    EXPECT_TRUE(buendelZeilen("").isEmpty());
}
