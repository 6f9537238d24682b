#include "core/common/TextIndex.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

using namespace tabulo;

// Keys that differ in one character, in length only, in a blank or an umlaut, and many repeats:
// the first entry of a key and the order of its chain must be those of a plain scan.
TEST(TextIndex, ErsterUndKetteWieEineSchlichteSuche) {
    QRandomGenerator zufall(815);
    const QString zeichen = QStringLiteral("6A \u00dc");
    QStringList schluessel;
    for (int i = 0; i < 3000; ++i) {
        QString s;
        const int laenge = zufall.bounded(0, 10);
        for (int k = 0; k < laenge; ++k)
            s += zeichen[zufall.bounded(zeichen.size())];
        schluessel << s;
    }
    TextIndex index(static_cast<int>(schluessel.size()), [&](int e) { return QStringView(schluessel[e]); });
    for (int e = 0; e < schluessel.size(); ++e)
        ASSERT_EQ(index.hinzufuegen(e), schluessel.indexOf(schluessel[e]));

    QStringList fragen = schluessel;
    fragen << QStringLiteral("nicht da") << QStringLiteral("6A6A6A6A6A6A");
    for (const QString& frage : fragen) {
        std::vector<int> erwartet;
        for (int e = 0; e < schluessel.size(); ++e)
            if (schluessel[e] == frage)
                erwartet.push_back(e);
        std::vector<int> gefunden;
        for (int e = index.erster(frage); e >= 0; e = index.naechster(e))
            gefunden.push_back(e);
        ASSERT_EQ(gefunden, erwartet) << frage.toStdString();
    }
}

TEST(TextIndex, OhneKettenNurDerErste) {
    const QStringList schluessel = {"12345678", "12345678", "", "1234567", ""};
    TextIndex index(
        5, [&](int e) { return QStringView(schluessel[e]); }, false);
    for (int e = 0; e < 5; ++e)
        index.hinzufuegen(e);
    EXPECT_EQ(index.erster(u"12345678"), 0);
    EXPECT_EQ(index.erster(u""), 2);
    EXPECT_EQ(index.erster(u"1234567"), 3);
    EXPECT_EQ(index.erster(u"2345678"), -1);
}
