#include "core/files/FahrzeugDatei.h"

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
// A record with distinct bytes in every field, so a wrong offset shows.
QByteArray musterSatz() {
    return QByteArray("1A230047Florian 1 ") +
           QByteArray("Wache \xdc"
                      "berlingen")
               .leftJustified(20, ' ') +
           QByteArray("\x07\0"
                      "12:34:56\x01\0",
                      12) +
           QByteArray("DT").leftJustified(100, ' ') + QByteArray("\x01\0", 2) +
           QByteArray("Bemerkung \x80").leftJustified(256, ' ');
}
} // namespace

TEST(FahrzeugSatz, JedesFeldAnSeinemOffsetUndZurueck) {
    const QByteArray s = musterSatz();
    ASSERT_EQ(s.size(), FahrzeugSatzLaenge);
    const Fahrzeug f = fahrzeugSatzLesen(s);
    EXPECT_EQ(f.kennung, "1A230047");
    EXPECT_EQ(f.rufname, "Florian 1 ");
    EXPECT_EQ(f.info, QStringLiteral("Wache \u00dcberlingen").leftJustified(20, ' '));
    EXPECT_EQ(f.stat, "7");
    EXPECT_EQ(f.zeit, "12:34:56");
    EXPECT_EQ(f.folgetelegramm, "10");
    EXPECT_EQ(f.datentelegramm, QString("DT").leftJustified(100, ' '));
    EXPECT_EQ(f.bemerkung, QStringLiteral("Bemerkung \u20ac").leftJustified(256, ' '));
    EXPECT_EQ(fahrzeugSatzSchreiben(f, true), s);
    EXPECT_EQ(fahrzeugSatzSchreiben(f, false), QByteArray(s).replace(150, 1, QByteArray(1, '\0')));
    // Texts longer than their column are cut.
    Fahrzeug lang;
    lang.kennung = "123456789";
    lang.rufname = "Rufname mit Ueberlaenge";
    lang.bemerkung = QString(300, 'b');
    const QByteArray geschnitten = fahrzeugSatzSchreiben(lang, false);
    ASSERT_EQ(geschnitten.size(), FahrzeugSatzLaenge);
    EXPECT_EQ(geschnitten.left(18), QByteArray("12345678Rufname mi"));
}

// Number columns are written as one byte each: the leading number, clamped to 0..255.
TEST(FahrzeugSatz, ZahlenspaltenAlsByte) {
    const std::pair<const char*, quint8> stati[] = {
        {"", 0},     {"abc", 0},   {"255", 255}, {"300", 255},         {"-4", 0},          {" 9", 9},
        {"12x", 12}, {"256", 255}, {"-1", 0},    {"99999999999", 255}, {"-99999999999", 0}};
    Fahrzeug f;
    for (const auto& [stat, byte] : stati) {
        f.stat = stat;
        EXPECT_EQ(static_cast<quint8>(fahrzeugSatzSchreiben(f, false)[38]), byte) << stat;
    }
    // Folgetelegramm: two digits, one byte each; a byte of 10 or more reads as more digits,
    // of which the first and last survive.
    const struct {
        QString text;
        char b48, b49;
    } folgen[] = {{"10", 1, 0}, {"", 0, 0}, {"125", 1, 5}, {"7", 7, 7}};
    for (const auto& fall : folgen) {
        f.folgetelegramm = fall.text;
        const QByteArray s = fahrzeugSatzSchreiben(f, false);
        EXPECT_EQ(s[48], fall.b48) << fall.text.toStdString();
        EXPECT_EQ(s[49], fall.b49) << fall.text.toStdString();
    }
    QByteArray satz = musterSatz();
    satz[48] = '\x0c';
    satz[49] = '\x05';
    EXPECT_EQ(fahrzeugSatzLesen(satz).folgetelegramm, "125");
}

// Reading a buffer shares a column with the entry before when its bytes are the same. Each record
// below differs from the one before in one byte only (first or last of a column, a number byte),
// so a comparison over a wrong range would hand on a stale text.
TEST(FahrzeugSatz, PufferGibtDieselbenEintraegeWieEinzelneSaetze) {
    const int geaendert[] = {0,  7,  8,   17,  18,  37,  38,  39,  40,  47, 48,
                             49, 50, 149, 150, 151, 152, 300, 407, 407, -1};
    QByteArray daten;
    QByteArray satz = musterSatz();
    for (int stelle : geaendert) {
        daten += satz + satz;
        if (stelle >= 0)
            satz[stelle] = static_cast<char>(static_cast<quint8>(satz[stelle]) + 11);
    }
    const auto liste = fahrzeugSaetzeLesen(daten + "Rest");
    ASSERT_EQ(liste.size(), daten.size() / FahrzeugSatzLaenge);
    for (size_t k = 0; k < liste.size(); ++k)
        EXPECT_EQ(liste[k], fahrzeugSatzLesen(QByteArrayView(daten).sliced(k * FahrzeugSatzLaenge))) << k;
}
