#include "core/files/StatusDatei.h"

#include "core/files/Ansi.h"

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
Feld fahrzeugFeld(const QString& name, const QString& kennung) {
    Feld f;
    f.feldtyp = FeldFahrzeug;
    f.fahrzeug = name;
    f.kennung = kennung;
    f.text.clear();
    return f;
}

QByteArray satz(char art, const QByteArray& text30, const QByteArray& kennung8) {
    QByteArray s;
    s.append(art);
    s.append('\0');
    s.append(text30);
    s.append(kennung8);
    return s;
}
} // namespace

TEST(StatusSatz, FahrzeugFeldLiegtAnSeinenOffsets) {
    const QByteArray s = statusSatzSchreiben(fahrzeugFeld(QStringLiteral("Florian"), "6A123456"));
    ASSERT_EQ(s.size(), StatusSatzLaenge);
    EXPECT_EQ(s[0], '\x01');
    EXPECT_EQ(s[1], '\0');
    EXPECT_EQ(s.mid(2, 30), QByteArray("Florian").leftJustified(30, ' '));
    EXPECT_EQ(s.mid(32, 8), QByteArray("6A123456"));
}

TEST(StatusSatz, TextUndFreiFeldSchreibenNullKennung) {
    Feld text;
    text.feldtyp = FeldText;
    text.text = QStringLiteral("Wache S\u00fcd \u20ac und ein sehr langer Text ohne Ende");
    text.kennung = QStringLiteral("12345678"); // left over; must not be written
    const QByteArray t = statusSatzSchreiben(text);
    ASSERT_EQ(t.size(), 40);
    EXPECT_EQ(t[0], '\x02');
    EXPECT_EQ(t.mid(2, 30), textNachAnsi(text.text.left(30)));
    EXPECT_EQ(t.mid(32, 8), QByteArray("00000000"));

    Feld frei;
    frei.feldtyp = FeldFrei;
    const QByteArray f = statusSatzSchreiben(frei);
    EXPECT_EQ(f, satz('\0', QByteArray(30, ' '), "00000000"));
}

TEST(StatusSatz, KurzerNameUndKurzeKennungBleibenVierzigBytes) {
    const QByteArray s = statusSatzSchreiben(fahrzeugFeld(QStringLiteral("RTW 1"), QString()));
    ASSERT_EQ(s.size(), 40);
    EXPECT_EQ(s.mid(2, 30), QByteArray("RTW 1").leftJustified(30, ' '));
    EXPECT_EQ(s.mid(32, 8), QByteArray(8, ' '));
}

TEST(StatusSatz, LesenNimmtNameZehnZeichenUndTextOhneEndLeerzeichen) {
    const QByteArray s =
        satz('\x01', QByteArray("Florian 11 1 und mehr   ").leftJustified(30, ' '), "6A123456");
    const StatusSatz gelesen = statusSatzLesen(s);
    EXPECT_EQ(gelesen.art, 1);
    EXPECT_EQ(gelesen.name, "Florian 11"); // offsets 2..11, not trimmed
    EXPECT_EQ(gelesen.text, "Florian 11 1 und mehr");
    EXPECT_EQ(gelesen.kennung, "6A123456");
    EXPECT_TRUE(gelesen.fremd.isEmpty());

    const StatusSatz kurz = statusSatzLesen(satz('\x01', QByteArray("RTW").leftJustified(30, ' '),
                                                 "1"
                                                 "2345678"));
    EXPECT_EQ(kurz.name, "RTW       ");
}

TEST(StatusSatz, UnbekannteArtKommtByteGenauZurueck) {
    QByteArray s = satz('\x07', QByteArray("irgendwas\x01\x02").leftJustified(30, 'x'), "ABCDEFGH");
    s[1] = '\x05'; // offset 1 is never read and written as 0
    const StatusSatz gelesen = statusSatzLesen(s);
    ASSERT_EQ(gelesen.art, 7);
    Feld f;
    f.feldtyp = 7;
    f.fremdSatz = gelesen.fremd;
    QByteArray erwartet = s;
    erwartet[1] = '\0';
    EXPECT_EQ(statusSatzSchreiben(f), erwartet);

    Feld ohneDaten;
    ohneDaten.feldtyp = 200;
    const QByteArray leer = statusSatzSchreiben(ohneDaten);
    ASSERT_EQ(leer.size(), 40);
    EXPECT_EQ(static_cast<quint8>(leer[0]), 200);
}
