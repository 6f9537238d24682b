#include "core/files/OrteDatei.h"

#include "core/places/Ortstabelle.h"

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
QString satz(char bos, const char* loo, const QString& name) {
    return QLatin1Char(bos) + QString::fromLatin1(loo) + name.leftJustified(50, ' ');
}
std::array<QString, 16> namen() {
    std::array<QString, 16> n;
    for (int i = 0; i < 16; ++i)
        n[i] = QStringLiteral("N%1").arg(i);
    return n;
}
} // namespace

TEST(OrteDatei, SaetzeUndSchreibenNachBosAufsteigend) {
    Ortstabelle t;
    t.satzEinfuegen(satz('9', "A23", "Musterstadt"));
    t.satzEinfuegen(satz('7', "A23", "Musterstadt"));
    t.listeBilden(namen());
    ASSERT_EQ(t.liste.size(), 1);
    EXPECT_EQ(t.liste[0], satz('x', "A23", "Musterstadt").mid(1, 3) + " " +
                              QString("Musterstadt").leftJustified(50, ' ') + " N7 N9");
    const QByteArray daten = orteSchreiben(t);
    ASSERT_EQ(daten.size(), 2 * OrtSatzLaenge);
    EXPECT_EQ(daten.left(54), satz('7', "A23", "Musterstadt").toLatin1());
    EXPECT_EQ(daten.mid(54), satz('9', "A23", "Musterstadt").toLatin1());
    EXPECT_EQ(ortSaetzeLesen(daten).size(), 2);
    EXPECT_EQ(ortSaetzeLesen(daten + "xyz").size(), 2);
}

TEST(OrteDatei, BosZifferKleinOderUngueltig) {
    Ortstabelle t;
    t.satzEinfuegen(satz('b', "123", "Ort"));
    t.satzEinfuegen(satz('x', "456", "Ort"));
    EXPECT_EQ(t.maske[0], 1u << 11);
    EXPECT_EQ(t.maske[1], 1u << 0);
    const QByteArray daten = orteSchreiben(t);
    EXPECT_EQ(daten[0], 'B'); // written in upper case
    EXPECT_EQ(daten[54], '0');
}

TEST(OrteDatei, MaskeNullWirdNichtGeschrieben) {
    Ortstabelle t;
    t.satzEinfuegen(satz('1', "123", "Ort"));
    t.maske[0] = 0;
    EXPECT_TRUE(orteSchreiben(t).isEmpty());
}
