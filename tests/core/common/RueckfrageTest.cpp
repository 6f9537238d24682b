#include "core/common/Rueckfrage.h"

#include "support/SkriptRueckfrage.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;

TEST(DateiFilter, BinFilterZeigtBeideSchreibweisen) {
    EXPECT_EQ(qtFilterListe(filter::Bin), (QStringList{"Alle Dateien (*.*)", "BIN-Dateien (*.bin *.BIN)"}));
    EXPECT_EQ(qtFilterListe(filter::BinGross),
              (QStringList{"Alle Dateien (*.*)", "BIN-Dateien (*.bin *.BIN)"}));
    EXPECT_EQ(qtFilterListe(filter::Exe), (QStringList{"Alle Dateien (*.*)", "EXE-Dateien (*.exe *.EXE)"}));
    EXPECT_TRUE(qtFilterListe("").isEmpty());
}

TEST(DateiDialog, GewaehlterOrdnerWirdArbeitsordner) {
    const QString vorher = QDir::currentPath();
    QTemporaryDir ordner;
    test::SkriptRueckfrage r;
    r.dateien.push_back(ordner.filePath("Status.BIN"));
    const auto pfad = dateiDialogZeigen(r, {});
    ASSERT_TRUE(pfad);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(ordner.path()).canonicalPath());

    // Cancelling changes nothing.
    QDir::setCurrent(vorher);
    EXPECT_FALSE(dateiDialogZeigen(r, {}));
    EXPECT_EQ(QDir::currentPath(), vorher);
}
