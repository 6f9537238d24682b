#include "core/vehicles/KennungsSuche.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tabulo;

namespace {

struct Fall {
    const char* name;
    QString text;
    QString kennung;
};

} // namespace

// The index must answer exactly as a plain substring search, also where an identifier spans
// two entries, differs only in case, is shorter or longer than the usual 8 characters, or
// stands at the very start or end of the text.
TEST(KennungsSuche, GleicheAntwortWieTextsuche) {
    const QString liste = QStringLiteral(" 12345678 6A124401 abcdef12  9A12 8301 \u00dcBER1234");
    const Fall faelle[] = {
        {"ganzer Eintrag", liste, "6A124401"},
        {"ueber die Grenze zweier Eintraege", liste, "5678 6A1"},
        {"mit fuehrendem Blank", liste, " 1234567"},
        {"am Textende", liste, "BER1234"},
        {"letzte acht Zeichen", liste, "\u00dcBER1234"},
        {"Gross statt klein", liste, "ABCDEF12"},
        {"klein gefunden", liste, "abcdef12"},
        {"nur Blanks", liste, "        "},
        {"zwei Blanks", liste, "  "},
        {"mit Blank in der Mitte", liste, "9A12 830"},
        {"kuerzer", liste, "A1244"},
        {"laenger", liste, "6A124401 a"},
        {"laenger nicht da", liste, "6A1244010"},
        {"leer", liste, ""},
        {"fehlt", liste, "6A124402"},
        {"Text kuerzer als Fenster", QStringLiteral(" 1234"), "12345678"},
        {"leerer Text", QString(), "12345678"},
        {"leerer Text leere Kennung", QString(), ""},
        {"Umlaut", liste, "\u00fcBER1234"},
    };
    for (const Fall& f : faelle) {
        const KennungsSuche suche(f.text);
        EXPECT_EQ(suche.enthaelt(f.kennung), f.text.contains(f.kennung)) << f.name;
    }
}

TEST(KennungsSuche, ZufaelligeTexteGegenTextsuche) {
    // A small alphabet makes overlaps and near misses common.
    QRandomGenerator zufall(4711);
    const QString zeichen = QStringLiteral("01A ");
    const auto zufallsText = [&](int laenge) {
        QString s;
        for (int i = 0; i < laenge; ++i)
            s += zeichen[zufall.bounded(zeichen.size())];
        return s;
    };
    for (int runde = 0; runde < 20; ++runde) {
        const QString text = zufallsText(zufall.bounded(0, 200));
        const KennungsSuche suche(text);
        for (int frage = 0; frage < 200; ++frage) {
            const QString kennung = zufallsText(zufall.bounded(0, 11));
            ASSERT_EQ(suche.enthaelt(kennung), text.contains(kennung))
                << text.toStdString() << " / " << kennung.toStdString();
        }
    }
}
