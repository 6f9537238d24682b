#include "core/places/Ortstabelle.h"

#include "core/files/OrteDatei.h"

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

// One place holds every BOS-Kennung of its records; another name is another place. The file
// has one record per BOS-Kennung, ascending, the digit in upper case; an invalid digit is 0.
TEST(Ortstabelle, GleicherOrtZweiBosEinEintrag) {
    Ortstabelle t;
    t.satzEinfuegen(satz('9', 0x123, "Musterstadt"));
    t.satzEinfuegen(satz('7', 0x123, "Musterstadt"));
    t.satzEinfuegen(satz('9', 0x123, "Musterdorf"));
    t.satzEinfuegen(satz('b', 0x456));
    t.satzEinfuegen(satz('x', 0x789));
    t.listeBilden(namen());
    ASSERT_EQ(t.liste.size(), 4);
    EXPECT_EQ(t.liste[0], "123 " + QString("Musterstadt").leftJustified(50) + " THW DRK");
    EXPECT_EQ(t.maske[2], 1u << 11);
    EXPECT_EQ(t.maske[3], 1u << 0);
    EXPECT_EQ(t.satzAnzahl(), 5);
    const QByteArray daten = orteSchreiben(t);
    EXPECT_EQ(ortSaetzeLesen(daten + "Rest"),
              (QStringList{satz('7', 0x123, "Musterstadt"), satz('9', 0x123, "Musterstadt"),
                           satz('9', 0x123, "Musterdorf"), satz('B', 0x456), satz('0', 0x789)}));
    t.maske[1] = 0; // a slot without any BOS-Kennung writes nothing
    EXPECT_EQ(orteSchreiben(t).size(), 4 * OrtSatzLaenge);
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

TEST(Ortstabelle, KurzeSaetzeUndNeueListe) {
    Ortstabelle t;
    t.satzEinfuegen("1123 kurz"); // a record text of 9 characters cannot match (40 or fewer)
    t.satzEinfuegen("2123 kurz");
    EXPECT_EQ(t.text[1], "123  kurz");
    t.listeBilden(namen());
    EXPECT_TRUE(t.liste.isEmpty());
    EXPECT_TRUE(t.text[0].isEmpty()); // freed: shorter than 50

    t.satzEinfuegen(satz('1', 1));
    t.listeBilden(namen());
    t.satzEinfuegen(satz('7', 1));
    t.satzEinfuegen(satz('7', 2));
    t.listeBilden(namen());
    ASSERT_EQ(t.liste.size(), 2);
    EXPECT_TRUE(t.liste[0].endsWith(" X THW"));
    t.maske[0] = 0; // a whole entry whose boxes were all cleared still counts its slot
    EXPECT_EQ(t.satzAnzahl(), 1);
    EXPECT_EQ(bitAnzahl(0xFFFF), 16);
}
