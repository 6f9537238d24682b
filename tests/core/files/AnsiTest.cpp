#include "core/files/Ansi.h"

#include "core/common/Text.h"

#include <gtest/gtest.h>

using namespace tabulo;

TEST(Ansi, JedesByteKommtUnveraendertZurueck) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = ansiNachText(alle);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(textNachAnsi(text), alle);
}

TEST(Ansi, UmlauteUndEuro) {
    const QString text = QStringLiteral("\u00e4\u00f6\u00fc\u00df\u20ac\u00c4");
    const QByteArray bytes = textNachAnsi(text);
    EXPECT_EQ(bytes, QByteArray("\xe4\xf6\xfc\xdf\x80\xc4"));
    EXPECT_EQ(ansiNachText(bytes), text);
}

TEST(Ansi, NichtDarstellbaresWirdFragezeichen) {
    EXPECT_EQ(textNachAnsi(QStringLiteral("a\u0410b")), QByteArray("a?b"));
    // A character outside the basic plane is two UTF-16 units and stays two bytes wide, so
    // fixed-width fields keep their width.
    EXPECT_EQ(textNachAnsi(QStringLiteral("x\U0001F600")), QByteArray("x??"));
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
// whichever lane of an eight-byte word or the tail it sits in.
TEST(Ansi, SteuerzeichenAnJederStelleWerdenErkannt) {
    for (const char fuell : {'A', '\xA0', '\xFF', '\x7F'}) {
        for (int laenge = 1; laenge <= 19; ++laenge) {
            for (int stelle = 0; stelle < laenge; ++stelle) {
                for (const int b : {0x7F, 0x80, 0x8D, 0x9F, 0xA0}) {
                    QByteArray bytes(laenge, fuell);
                    bytes[stelle] = static_cast<char>(b);
                    const QString text = ansiNachText(bytes);
                    ASSERT_EQ(text.size(), laenge);
                    ASSERT_EQ(text[stelle], ansiNachZeichen(static_cast<char>(b)))
                        << "length " << laenge << " position " << stelle << " byte " << b;
                    ASSERT_EQ(text[0 == stelle ? laenge - 1 : 0],
                              laenge == 1 ? text[0] : QChar(uchar(fuell)));
                }
            }
        }
    }
}
