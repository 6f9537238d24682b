#include "core/places/Ortstabelle.h"

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
QString satz(QChar bos, int nr, const QString& name = QStringLiteral("Ort")) {
    return bos + QStringLiteral("%1").arg(nr, 3, 16, QLatin1Char('0')).toUpper() +
           name.leftJustified(50, ' ');
}
std::array<QString, 16> namen() {
    std::array<QString, 16> n;
    n.fill("X");
    n[7] = "THW";
    n[9] = "DRK";
    return n;
}
} // namespace

TEST(Ortstabelle, GleicherOrtZweiBosEinEintrag) {
    Ortstabelle t;
    t.satzEinfuegen(satz('7', 0x123, "Musterstadt"));
    t.satzEinfuegen(satz('9', 0x123, "Musterstadt"));
    t.satzEinfuegen(satz('9', 0x123, "Musterdorf")); // another name is another place
    t.listeBilden(namen());
    ASSERT_EQ(t.liste.size(), 2);
    EXPECT_TRUE(t.liste[0].endsWith(" THW DRK"));
    EXPECT_EQ(t.maske[0], (1u << 7) | (1u << 9));
    EXPECT_EQ(t.satzAnzahl(), 3);
}

TEST(Ortstabelle, VolleTabelleVerwirftNeueOrte) {
    Ortstabelle t;
    for (int i = 0; i < OrtMaxEintraege; ++i)
        ASSERT_TRUE(t.satzEinfuegen(satz('1', i)));
    EXPECT_FALSE(t.satzEinfuegen(satz('1', 999)));
    EXPECT_TRUE(t.text[200].isEmpty());
    EXPECT_TRUE(t.satzEinfuegen(satz('2', 5))); // an existing place still takes a new bit
    t.listeBilden(namen());
    EXPECT_EQ(t.liste.size(), 200);
    EXPECT_EQ(t.satzAnzahl(), 201);
}

TEST(Ortstabelle, KurzerSchluesselWirdNichtZusammengelegtUndFreigegeben) {
    Ortstabelle t;
    t.satzEinfuegen("1123 kurz"); // a record text of 9 characters cannot match (40 or fewer)
    t.satzEinfuegen("2123 kurz");
    EXPECT_EQ(t.text[0], "123  kurz");
    EXPECT_EQ(t.text[1], "123  kurz");
    t.listeBilden(namen());
    EXPECT_TRUE(t.liste.isEmpty());
    EXPECT_TRUE(t.text[0].isEmpty()); // freed: shorter than 50
}

TEST(Ortstabelle, ListeBildenErsetztVorhandeneZeilen) {
    Ortstabelle t;
    t.satzEinfuegen(satz('1', 1));
    t.listeBilden(namen());
    t.satzEinfuegen(satz('7', 1));
    t.satzEinfuegen(satz('7', 2));
    t.listeBilden(namen());
    ASSERT_EQ(t.liste.size(), 2);
    EXPECT_TRUE(t.liste[0].endsWith(" X THW"));
}

TEST(Ortstabelle, AnzahlEndetAmErstenLeerenSlot) {
    Ortstabelle t;
    t.satzEinfuegen(satz('1', 1));
    t.satzEinfuegen(satz('1', 2));
    t.maske[0] = 0; // an entry whose boxes were all cleared still counts its slot
    EXPECT_EQ(t.satzAnzahl(), 1);
    EXPECT_EQ(bitAnzahl(0xFFFF), 16);
}
