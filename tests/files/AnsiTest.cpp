#include "files/Ansi.h"

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
