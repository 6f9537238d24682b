#include "vehicles/FahrzeugListView.h"

#include "core/vehicles/FahrzeugModelle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

// Collects what the viewport repaints.
struct Malprotokoll : QObject {
    QRegion gemalt;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            gemalt += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

} // namespace

// A refresh reports every row as changed; the rows in sight must be repainted wherever the list
// is scrolled to, also when only a few rows are in sight.
TEST(FahrzeugListView, AenderungAllerZeilenMaltDieSichtbarenNeu) {
    TestArbeitsbereich t;
    for (int i = 0; i < 1000; ++i)
        t.ab.fahrzeuge.push_back(fahrzeug(QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0'))));
    FahrzeugModell modell(t.ab);
    FahrzeugListView view(modell);
    Malprotokoll protokoll;
    view.viewport()->installEventFilter(&protokoll);
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    for (const int zeile : {0, 500, 999}) {
        view.scrollTo(modell.index(zeile, 0), QAbstractItemView::PositionAtCenter);
        QCoreApplication::processEvents();
        protokoll.gemalt = QRegion();
        for (Fahrzeug& f : t.ab.fahrzeuge)
            f.rufname = QStringLiteral("neu %1").arg(zeile);
        FahrzeuglisteAktualisieren(t.ab);
        QCoreApplication::processEvents();

        const QModelIndex erste = view.indexAt(QPoint(0, 0));
        const QModelIndex letzte = view.indexAt(QPoint(0, view.viewport()->height() - 1));
        ASSERT_TRUE(erste.isValid());
        const int bis = letzte.isValid() ? letzte.row() : modell.rowCount() - 1;
        for (int r = erste.row(); r <= bis; ++r)
            EXPECT_TRUE(protokoll.gemalt.contains(view.visualRect(modell.index(r, 0)))) << "row " << r;
        EXPECT_TRUE(protokoll.gemalt.contains(view.visualRect(modell.index(zeile, 0)))) << zeile;
    }
}
