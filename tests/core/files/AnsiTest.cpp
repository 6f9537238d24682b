#include "core/files/Ansi.h"

#include "core/common/Text.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tabulo;

// Every byte reads as one character and writes back as itself; the code page's letters stand
// where Windows-1252 puts them, so a swapped table entry shows in both directions.
TEST(Ansi, ZeichenUndBytes) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    ASSERT_EQ(ansiNachText(alle).size(), 256);
    EXPECT_EQ(textNachAnsi(ansiNachText(alle)), alle);
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } faelle[] = {
        {"Euro", "\x80", QStringLiteral("\u20ac")},
        {"OE und oe", "\x8c\x9c", QStringLiteral("\u0152\u0153")},
        {"S und Z mit Haken", "\x8a\x8e\x9a\x9e", QStringLiteral("\u0160\u017d\u0161\u017e")},
        {"Y mit Trema am Ende der Tafel", "\x9f", QStringLiteral("\u0178")},
        {"undefiniert bleibt das Steuerzeichen", "\x81\x8d\x8f\x90\x9d",
         QStringLiteral("\u0081\u008d\u008f\u0090\u009d")},
        {"Latin-1 wie es ist", "\xe4\xf6\xfc\xdf\xc4\xa0",
         QStringLiteral("\u00e4\u00f6\u00fc\u00df\u00c4\u00a0")},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(ansiNachText(f.bytes), f.text) << f.name;
        EXPECT_EQ(textNachAnsi(f.text), f.bytes) << f.name;
    }
    // Outside the code page: '?', two for a character beyond the basic plane, so fixed-width
    // fields keep their width.
    EXPECT_EQ(textNachAnsi(QStringLiteral("a\u0410b\U0001F600")), QByteArray("a?b??"));
}

// A record's text field is the text cut and padded to its width, each character as the codec
// writes it: the fast path for plain ASCII must not differ from it anywhere in the field.
TEST(Ansi, FeldAnhaengenWieSchneidenPolsternUndKodieren) {
    const QString gemischt = QStringLiteral("abcd\u00e4bcd\u20acxyz\U0001F600ende1234");
    const struct {
        const char* name;
        QString text;
        qsizetype breite;
    } faelle[] = {
        {"leer", "", 5},
        {"kuerzer", "ab", 8},
        {"genau", "abcdefgh", 8},
        {"laenger", "abcdefghijk", 8},
        {"Umlaut nach vier ASCII", gemischt, 6},
        {"Euro und Zeichen ausserhalb", gemischt, static_cast<qsizetype>(gemischt.size())},
        {"ausserhalb am Schnitt", gemischt, 14},
        {"Steuerzeichen", QStringLiteral("\u0081\u009d\u0001abc"), 7},
    };
    for (const auto& f : faelle) {
        QByteArray ziel("vorher");
        ansiFeldAnhaengen(ziel, f.text, f.breite);
        EXPECT_EQ(ziel, "vorher" + textNachAnsi(aufBreite(f.text, static_cast<int>(f.breite)))) << f.name;
    }
}

// The plain Latin-1 path is taken only when no byte of 0x80..0x9F is anywhere in the field,
// whichever lane of an eight- or sixteen-byte word or the tail it sits in; both forms agree.
TEST(Ansi, SteuerzeichenAnJederStelleWerdenErkannt) {
    for (const char fuell : {'A', '\xA0', '\xFF', '\x7F'})
        for (int laenge = 1; laenge <= 40; ++laenge)
            for (int stelle = 0; stelle < laenge; ++stelle)
                for (const int b : {0x7F, 0x80, 0x8D, 0x9F, 0xA0}) {
                    QByteArray bytes(laenge, fuell);
                    bytes[stelle] = static_cast<char>(b);
                    const QString text = ansiNachText(bytes);
                    ASSERT_EQ(text.size(), laenge);
                    ASSERT_EQ(text[stelle], ansiNachZeichen(static_cast<char>(b)))
                        << "length " << laenge << " position " << stelle << " byte " << b;
                    ASSERT_EQ(text[stelle == 0 ? laenge - 1 : 0],
                              laenge == 1 ? text[0] : QChar(uchar(fuell)));
                    std::vector<char16_t> puffer(static_cast<size_t>(laenge));
                    ansiNachText(bytes, puffer.data());
                    ASSERT_EQ(QStringView(puffer.data(), laenge), text) << laenge << " " << stelle;
                }
}
