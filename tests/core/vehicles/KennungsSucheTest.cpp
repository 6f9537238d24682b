#include "core/vehicles/KennungsSuche.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tabulo;

// The index must answer exactly as a plain substring search, also where an identifier spans
// two entries, differs only in case, is shorter or longer than the usual 8 characters, or
// stands at the very start or end of the text.
TEST(KennungsSuche, GleicheAntwortWieTextsuche) {
    const QString liste = QStringLiteral(" 12345678 6A124401 abcdef12  9A12 8301 \u00dcBER1234");
    const std::pair<QString, QString> faelle[] = {
        {liste, "6A124401"},
        {liste, "5678 6A1"},
        {liste, " 1234567"},
        {liste, "BER1234"},
        {liste, QStringLiteral("\u00dcBER1234")},
        {liste, "ABCDEF12"},
        {liste, "abcdef12"},
        {liste, "        "},
        {liste, "  "},
        {liste, "9A12 830"},
        {liste, "A1244"},
        {liste, "6A124401 a"},
        {liste, "6A1244010"},
        {liste, ""},
        {liste, "6A124402"},
        {" 1234", "12345678"},
        {QString(), "12345678"},
        {QString(), ""},
        {liste, QStringLiteral("\u00fcBER1234")},
    };
    for (const auto& [text, kennung] : faelle)
        EXPECT_EQ(KennungsSuche(text).enthaelt(kennung), text.contains(kennung)) << kennung.toStdString();

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
