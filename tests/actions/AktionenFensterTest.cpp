#include "actions/Aktionen.h"
#include "core/actions/AktionenModell.h"
#include "support/AnwendungsUmfeld.h"
#include "support/Saetze.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class AktionenFensterTest : public ::testing::Test, public AnwendungsUmfeld {
protected:
    // Opens the window through the menu, as the user does.
    Aktionen& oeffnen() {
        if (!anwendung)
            starten();
        menue().MenuAktionen->trigger();
        EXPECT_NE(anwendung->aktionen(), nullptr);
        return *anwendung->aktionen();
    }
    void zeilenWaehlen(Aktionen& f, const QList<int>& zeilen) {
        f.ListView1->selectionModel()->clearSelection();
        for (int z : zeilen)
            f.ListView1->selectionModel()->select(f.modell().index(z, 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
        f.ListView1->setFocus();
        QTest::keyClick(f.ListView1, Qt::Key_Delete);
    }
};

const QByteArray Drei = aktionSatz("6A120344", '3', '0', "eins") + aktionSatz("6A120344", '4', '1', "zwei") +
                        aktionSatz("6A120345", '3', '0', "drei");

} // namespace

// The first opening reads the action file and frees the action menu items; opening it again shows
// the list as it was, without reading the file again. "Entf" removes the selected rows.
TEST_F(AktionenFensterTest, ErsteOeffnungLaedtUndSchaltetMenuesFrei) {
    datei("Aktion.BIN", Drei);
    starten();
    EXPECT_FALSE(menue().MenueLadenAktionen->isEnabled());
    EXPECT_FALSE(menue().MenueSpeichernAktionen->isEnabled());
    Aktionen& f = oeffnen();
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(menue().MenueLadenAktionen->isEnabled());
    EXPECT_TRUE(menue().MenueSpeichernAktionen->isEnabled());
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 3");

    zeilenWaehlen(f, {}); // Entf without a selection removes nothing
    EXPECT_EQ(f.modell().rowCount(), 3);
    zeilenWaehlen(f, {0, 2});
    EXPECT_EQ(f.modell().rowCount(), 1);
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 1");
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
    f.close();
    datei("Aktion.BIN", Drei + Drei);
    EXPECT_EQ(&oeffnen(), &f);
    EXPECT_EQ(f.modell().rowCount(), 1);
}

// "Go" generates from the lists' selection and shows the digits it took as all; past 999 the
// count turns red; "Alle Loeschen" asks first and only "Ok" empties the list.
TEST_F(AktionenFensterTest, GoGeneriertUndAlleLoeschenFragt) {
    Aktionen& f = oeffnen();
    ab.fahrzeuge = {fahrzeug("6A120344", "V1"), fahrzeug("7A120344", "Fremd")};
    f.BOSKennung->item(6)->setSelected(true);
    f.Stati->item(3)->setSelected(true);
    QTest::mouseClick(f.ButtonAutoGen, Qt::LeftButton);
    ASSERT_EQ(f.modell().rowCount(), 1);
    EXPECT_EQ(f.Ortskennung1->selectedItems().size(), 16);
    EXPECT_EQ(f.BOSKennung->selectedItems().size(), 1);
    for (int i = 0; i < 999; ++i)
        ab.fahrzeuge.push_back(fahrzeug(QStringLiteral("6A%1").arg(i, 6, 10, QLatin1Char('0')), "X"));
    QTest::mouseClick(f.ButtonAutoGen, Qt::LeftButton);
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 1001 (max. 999!)");
    EXPECT_EQ(f.Anzahl->palette().color(QPalette::WindowText), QColor(Qt::red));

    rueckfrage.antworten = {Antwort::Abbrechen, Antwort::Ok};
    QTest::mouseClick(f.ButtonAlleLoeschen, Qt::LeftButton);
    EXPECT_EQ(f.modell().rowCount(), 1001);
    ASSERT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::OkAbbrechen);
    QTest::mouseClick(f.ButtonAlleLoeschen, Qt::LeftButton);
    EXPECT_EQ(f.modell().rowCount(), 0);
    EXPECT_EQ(f.Anzahl->palette().color(QPalette::WindowText), QColor(Qt::black));
}

// The buttons and menu items reach their commands; "Aktionen Ausfuehren" is stored at each click.
TEST_F(AktionenFensterTest, KnoepfeUndMenuebefehle) {
    datei("Aktion.BIN", Drei);
    datei("mehr.bin", aktionSatz("11111111", '1', '1', "neu"));
    Aktionen& f = oeffnen();
    rueckfrage.dateien = {pfad("mehr.bin")};
    QTest::mouseClick(f.ButtonImport, Qt::LeftButton);
    EXPECT_EQ(f.modell().rowCount(), 4);
    rueckfrage.dateien = {pfad("gesichert.bin")};
    menue().MenueSpeichernAktionen->trigger();
    EXPECT_EQ(dateiInhalt(pfad("gesichert.bin")), Drei + aktionSatz("11111111", '1', '1', "neu"));
    rueckfrage.dateien = {pfad("mehr.bin")};
    menue().MenueLadenAktionen->trigger();
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 1");

    rueckfrage.dateien = {pfad("melden.exe")};
    QTest::mouseClick(f.ButtonSuchen, Qt::LeftButton);
    EXPECT_EQ(f.TextAktion->text(), QDir::toNativeSeparators(pfad("melden.exe")));
    for (const char* erlaubt : {"1", "0"}) {
        QTest::mouseClick(f.AktionenAusfuehren, Qt::LeftButton);
        EXPECT_EQ(speicher.lesen(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", ""), erlaubt);
    }
}
