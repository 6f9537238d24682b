#include "ui/ZiehSteuerung.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tabulo;

namespace {
class TestZiel : public QWidget, public ZiehZiel {
public:
    QStringList ereignisse;
    void ziehenUeber(const ZiehQuelle& q, ZiehZustand z, QPoint) override {
        ereignisse << (z == ZiehZustand::Betreten ? "betreten"
                       : z == ZiehZustand::Ueber  ? "ueber"
                                                  : "verlassen");
    }
    void ablegen(const ZiehQuelle& q, QPoint) override {
        ereignisse << QStringLiteral("ablegen %1").arg(q.index);
    }
};
} // namespace

TEST(ZiehSteuerung, ZwischenZweiFensternBetretenVerlassenAblegen) {
    TestZiel a, b;
    a.setGeometry(0, 0, 200, 200);
    b.setGeometry(400, 0, 200, 200);
    a.show();
    b.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&a));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b));

    ZiehSteuerung z;
    z.beginnen({ZiehQuelle::Feld, 7});
    z.bewegen(a.mapToGlobal(QPoint(10, 10)));
    z.bewegen(a.mapToGlobal(QPoint(20, 10)));
    z.bewegen(b.mapToGlobal(QPoint(10, 10)));
    z.loslassen(b.mapToGlobal(QPoint(15, 15)));
    EXPECT_EQ(a.ereignisse, (QStringList{"betreten", "ueber", "verlassen"}));
    EXPECT_EQ(b.ereignisse, (QStringList{"betreten", "ablegen 7"}));
    EXPECT_FALSE(z.aktiv());

    b.setEnabled(false);
    b.ereignisse.clear();
    z.beginnen({ZiehQuelle::Feld, 8});
    z.loslassen(b.mapToGlobal(QPoint(15, 15)));
    EXPECT_TRUE(b.ereignisse.isEmpty());
}
