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
        for (int k = zufall.bounded(0, 10); k > 0; --k)
            s += zeichen[zufall.bounded(zeichen.size())];
        schluessel << s;
    }
    const auto holen = [&](int e) { return QStringView(schluessel[e]); };
    TextIndex index(static_cast<int>(schluessel.size()), holen);
    TextIndex ohneKetten(static_cast<int>(schluessel.size()), holen, false);
    for (int e = 0; e < schluessel.size(); ++e) {
        ASSERT_EQ(index.hinzufuegen(e), schluessel.indexOf(schluessel[e]));
        ohneKetten.hinzufuegen(e);
    }
    for (const QString& frage : schluessel + QStringList{"nicht da", "6A6A6A6A6A6A"}) {
        std::vector<int> erwartet, gefunden;
        for (int e = 0; e < schluessel.size(); ++e)
            if (schluessel[e] == frage)
                erwartet.push_back(e);
        for (int e = index.erster(frage); e >= 0; e = index.naechster(e))
            gefunden.push_back(e);
        ASSERT_EQ(gefunden, erwartet) << frage.toStdString();
        ASSERT_EQ(ohneKetten.erster(frage), schluessel.indexOf(frage)) << frage.toStdString();
    }
}
