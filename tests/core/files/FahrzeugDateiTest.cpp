#include "core/files/FahrzeugDatei.h"

#include "core/files/Ansi.h"

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
// A record with distinct bytes in every field, so a wrong offset shows.
QByteArray musterSatz() {
    QByteArray s;
    s.append("1A230047");   // 0 Kennung
    s.append("Florian 1 "); // 8 Rufname
    s.append(QByteArray("Wache \xdc"
                        "berlingen")
                 .leftJustified(20, ' '));                          // 18 Info
    s.append('\x07');                                               // 38 Stat
    s.append('\0');                                                 // 39
    s.append("12:34:56");                                           // 40 Zeit
    s.append('\x01');                                               // 48 Folgetelegramm 1
    s.append('\0');                                                 // 49 Folgetelegramm 2
    s.append(QByteArray("DT").leftJustified(100, ' '));             // 50 Datentelegramm
    s.append('\x01');                                               // 150 Aufgenommen
    s.append('\0');                                                 // 151
    s.append(QByteArray("Bemerkung \x80").leftJustified(256, ' ')); // 152 Bemerkung
    return s;
}
} // namespace

TEST(FahrzeugSatz, LesenJedesFeldAnSeinemOffset) {
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
}

TEST(FahrzeugSatz, LesenUndSchreibenGibtDieselbenBytes) {
    const QByteArray s = musterSatz();
    EXPECT_EQ(fahrzeugSatzSchreiben(fahrzeugSatzLesen(s), true), s);
    QByteArray ohne = s;
    ohne[150] = '\0';
    EXPECT_EQ(fahrzeugSatzSchreiben(fahrzeugSatzLesen(s), false), ohne);
}

TEST(FahrzeugSatz, ZahlenRegeln) {
    Fahrzeug f;
    f.kennung = "12345678";
    f.stat = "7";
    f.folgetelegramm = "10";
    QByteArray s = fahrzeugSatzSchreiben(f, false);
    EXPECT_EQ(s[38], '\x07');
    EXPECT_EQ(s[48], '\x01');
    EXPECT_EQ(s[49], '\x00');

    struct Fall {
        QString stat;
        quint8 byte;
    };
    for (const Fall& fall :
         {Fall{"", 0}, Fall{"abc", 0}, Fall{"255", 255}, Fall{"300", 255}, Fall{"-4", 0}, Fall{" 9", 9},
          Fall{"12x", 12}, Fall{"99999999999", 255}, Fall{"-99999999999", 0}}) {
        f.stat = fall.stat;
        EXPECT_EQ(static_cast<quint8>(fahrzeugSatzSchreiben(f, false)[38]), fall.byte)
            << fall.stat.toStdString();
    }
    // A byte of 10 or more reads as more than two digits: only the first and last survive.
    QByteArray satz = musterSatz();
    satz[48] = '\x0c';
    satz[49] = '\x05';
    const Fahrzeug gelesen = fahrzeugSatzLesen(satz);
    EXPECT_EQ(gelesen.folgetelegramm, "125");
    const QByteArray zurueck = fahrzeugSatzSchreiben(gelesen, true);
    EXPECT_EQ(zurueck[48], '\x01');
    EXPECT_EQ(zurueck[49], '\x05');
    f.folgetelegramm.clear();
    s = fahrzeugSatzSchreiben(f, false);
    EXPECT_EQ(s[48], '\0');
    EXPECT_EQ(s[49], '\0');
}

TEST(FahrzeugSatz, AuffuellenPolstertImEintrag) {
    Fahrzeug f;
    f.rufname = "RTW";
    f.kennung = "1234";
    fahrzeugAuffuellen(f);
    EXPECT_EQ(f.rufname, "RTW       ");
    EXPECT_EQ(f.kennung, "1234    ");
    EXPECT_EQ(f.info.size(), 20);
    EXPECT_EQ(f.bemerkung.size(), 256);
    EXPECT_EQ(f.datentelegramm.size(), 100);
    EXPECT_TRUE(f.zeit.isEmpty()); // Zeit is not padded in the entry
    const QByteArray s = fahrzeugSatzSchreiben(f, false);
    ASSERT_EQ(s.size(), FahrzeugSatzLaenge);
    EXPECT_EQ(s.mid(40, 8), QByteArray(8, ' '));
}

TEST(FahrzeugSatz, ZuLangeTexteWerdenAbgeschnitten) {
    Fahrzeug f;
    f.rufname = "Rufname mit Ueberlaenge";
    f.kennung = "123456789";
    f.bemerkung = QString(300, 'b');
    const QByteArray s = fahrzeugSatzSchreiben(f, false);
    ASSERT_EQ(s.size(), FahrzeugSatzLaenge);
    EXPECT_EQ(s.mid(0, 8), QByteArray("12345678"));
    EXPECT_EQ(s.mid(8, 10), QByteArray("Rufname mi"));
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
        daten += satz;
        daten += satz; // the same record again
        if (stelle >= 0)
            satz[stelle] = static_cast<char>(static_cast<quint8>(satz[stelle]) + 11);
    }
    const auto liste = fahrzeugSaetzeLesen(daten);
    ASSERT_EQ(liste.size(), daten.size() / FahrzeugSatzLaenge);
    for (size_t k = 0; k < liste.size(); ++k)
        EXPECT_EQ(liste[k], fahrzeugSatzLesen(QByteArrayView(daten).sliced(k * FahrzeugSatzLaenge)))
            << "record " << k;
}
