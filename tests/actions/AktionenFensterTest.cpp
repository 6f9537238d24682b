#include "actions/Aktionen.h"
#include "app/AnwendungsUmfeld.h"
#include "core/actions/AktionenModell.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

QList<int> gewaehlt(const QListWidget* liste) {
    QList<int> z;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->isSelected())
            z << i;
    return z;
}

class AktionenFensterTest : public ::testing::Test, public AnwendungsUmfeld {
protected:
    AktionenFensterTest() {
        einstellung(sektion::BosKennung, "6", "BF/FF");
        einstellung(sektion::Landeskennung, "10", "Musterland");
        einstellung(sektion::Richtungskennung, "0", "FZ->LST");
        einstellung(sektion::Richtungskennung, "1", "LST->FZ");
    }

    // Opens the window through the menu, as the user does.
    Aktionen& oeffnen() {
        if (!anwendung)
            starten();
        anwendung->form1().menue.MenuAktionen->trigger();
        EXPECT_NE(anwendung->aktionen(), nullptr);
        return *anwendung->aktionen();
    }
    Menue& menue() { return anwendung->form1().menue; }

    void zeilenWaehlen(Aktionen& f, const QList<int>& zeilen) {
        f.ListView1->selectionModel()->clearSelection();
        for (int z : zeilen)
            f.ListView1->selectionModel()->select(f.modell().index(z, 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

const QByteArray Drei = aktionSatz("6A120344", '3', '0', "eins") + aktionSatz("6A120344", '4', '1', "zwei") +
                        aktionSatz("6A120345", '3', '0', "drei");

} // namespace

TEST_F(AktionenFensterTest, ErsteOeffnungLaedtUndSchaltetMenuesFrei) {
    dateiAnlegen(ordner.filePath("Aktion.BIN"), Drei);
    starten();
    EXPECT_EQ(anwendung->aktionen(), nullptr);
    EXPECT_FALSE(menue().MenueLadenAktionen->isEnabled());
    EXPECT_FALSE(menue().MenueSpeichernAktionen->isEnabled());

    Aktionen& f = oeffnen();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), "Aktionen Bearbeiten");
    EXPECT_TRUE(menue().MenueLadenAktionen->isEnabled());
    EXPECT_TRUE(menue().MenueSpeichernAktionen->isEnabled());
    EXPECT_TRUE(ab.aktionenMenueAktiv);
    EXPECT_EQ(f.modell().rowCount(), 3);
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 3");

    // Hidden and shown again: the list as it was, the file is not read again.
    f.ListView1->setFocus();
    zeilenWaehlen(f, {0});
    QTest::keyClick(f.ListView1, Qt::Key_Delete);
    EXPECT_FALSE(f.close()); // the close box is refused, the window hides
    EXPECT_FALSE(f.isVisible());
    dateiAnlegen(ordner.filePath("Aktion.BIN"), Drei + Drei);
    EXPECT_EQ(&oeffnen(), &f);
    QTest::mouseClick(f.ButtonExit, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(&oeffnen(), &f);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.modell().rowCount(), 2);
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
}

TEST_F(AktionenFensterTest, UngueltigeDateiBeimOeffnen) {
    dateiAnlegen(ordner.filePath("Aktion.BIN"), Drei + "x");
    Aktionen& f = oeffnen();
    ASSERT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(rueckfrage.fragen[0].text, QStringLiteral("Keine g\u00fcltige Aktionen-Datei!"));
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 0");
    EXPECT_TRUE(menue().MenueSpeichernAktionen->isEnabled());
}

// The lists carry the names from the settings; "Suchen" sets the action's path; "Aktionen
// Ausfuehren" is stored at each click.
TEST_F(AktionenFensterTest, StartzustandSuchenUndAktionenAusfuehren) {
    speicher.speichern(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", "1");
    Aktionen& f = oeffnen();
    QTest::mouseClick(f.ButtonSuchen, Qt::LeftButton); // cancelled
    EXPECT_EQ(f.TextAktion->text(), "C:\\Programme\\Velastat\\Kestrix.exe *?");
    ASSERT_EQ(rueckfrage.dateiDialoge.size(), 1);
    EXPECT_EQ(rueckfrage.dateiDialoge[0].titel, "Aktion Suchen");
    rueckfrage.dateien = {ordner.filePath("melden.exe")};
    QTest::mouseClick(f.ButtonSuchen, Qt::LeftButton);
    EXPECT_EQ(f.TextAktion->text(), QDir::toNativeSeparators(ordner.filePath("melden.exe")));
    EXPECT_EQ(f.BOSKennung->item(6)->text(), "6 BF/FF");
    EXPECT_EQ(f.Landeskennung->item(10)->text(), "A Musterland");
    EXPECT_EQ(f.Ortskennung2->count(), 16);
    EXPECT_EQ(f.RK->item(1)->text(), "LST->FZ");
    EXPECT_EQ(gewaehlt(f.Landeskennung).size(), 16);
    EXPECT_TRUE(gewaehlt(f.BOSKennung).isEmpty());
    EXPECT_TRUE(gewaehlt(f.Stati).isEmpty());
    EXPECT_EQ(gewaehlt(f.RK), QList<int>{0});
    const int breiten[] = {118, 56, 75, 412, 81};
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(f.ListView1->header()->sectionSize(s), breiten[s]) << s;

    EXPECT_TRUE(f.AktionenAusfuehren->isChecked());
    QTest::mouseClick(f.AktionenAusfuehren, Qt::LeftButton);
    EXPECT_EQ(speicher.lesen(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", ""), "0");
    QTest::mouseClick(f.AktionenAusfuehren, Qt::LeftButton);
    EXPECT_EQ(speicher.lesen(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", ""), "1");
}

TEST_F(AktionenFensterTest, EntfTasteEntferntAlleGewaehltenZeilen) {
    dateiAnlegen(ordner.filePath("Aktion.BIN"), Drei + Drei);
    Aktionen& f = oeffnen();
    QAbstractItemModelTester pruefer(&f.modell(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    f.ListView1->setFocus();

    zeilenWaehlen(f, {});
    QTest::keyClick(f.ListView1, Qt::Key_Delete);
    EXPECT_EQ(f.modell().rowCount(), 6);
    EXPECT_FALSE(ab.istUngespeichert(DokAktionen));

    zeilenWaehlen(f, {0, 2, 3});
    QTest::keyClick(f.ListView1, Qt::Key_Delete);
    ASSERT_EQ(f.modell().rowCount(), 3);
    EXPECT_EQ(ab.aktionen[0].aktion, "zwei");
    EXPECT_EQ(ab.aktionen[1].aktion, "zwei");
    EXPECT_EQ(ab.aktionen[2].aktion, "drei");
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 3");
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
    // Column widths survive the list's refresh.
    EXPECT_EQ(f.ListView1->header()->sectionSize(3), 412);
}

TEST_F(AktionenFensterTest, GoGeneriertUndZeigtDieAuswahl) {
    Aktionen& f = oeffnen();
    ab.fahrzeuge = {fahrzeug("6A120344", "V1"), fahrzeug("6A120345", "V2"), fahrzeug("7A120344", "Fremd")};
    f.BOSKennung->item(6)->setSelected(true);
    f.Stati->item(3)->setSelected(true);
    f.Stati->item(4)->setSelected(true);
    QTest::mouseClick(f.ButtonAutoGen, Qt::LeftButton);
    ASSERT_EQ(f.modell().rowCount(), 4);
    EXPECT_EQ(f.modell().index(0, 3).data().toString(), "C:\\Programme\\Velastat\\Kestrix.exe 6A1203443");
    EXPECT_EQ(f.modell().index(3, 0).data().toString(), "V2");
    EXPECT_EQ(f.modell().index(3, 2).data().toString(), "FZ->LST");
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 4");
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
    // The empty Ortskennung lists now show every digit selected; BOS keeps its one digit.
    EXPECT_EQ(gewaehlt(f.Ortskennung1).size(), 16);
    EXPECT_EQ(gewaehlt(f.Ortskennung2).size(), 16);
    EXPECT_EQ(gewaehlt(f.BOSKennung), QList<int>{6});

    // Past 999 the label warns in red.
    for (int i = 0; i < 600; ++i)
        ab.fahrzeuge.push_back(fahrzeug(QStringLiteral("6A%1").arg(i, 6, 10, QLatin1Char('0')), "X"));
    QTest::mouseClick(f.ButtonAutoGen, Qt::LeftButton);
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 1208 (max. 999!)");
    EXPECT_EQ(f.Anzahl->palette().color(QPalette::WindowText), QColor(Qt::red));

    // "Alle Loeschen" asks first; only "Ok" empties the list.
    rueckfrage.antworten = {Antwort::Abbrechen, Antwort::Ok};
    QTest::mouseClick(f.ButtonAlleLoeschen, Qt::LeftButton);
    EXPECT_EQ(f.modell().rowCount(), 1208);
    ASSERT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(rueckfrage.fragen[0].text, QStringLiteral("Wollen Sie wirklich alle Aktionen l\u00f6schen?"));
    EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::OkAbbrechen);
    QTest::mouseClick(f.ButtonAlleLoeschen, Qt::LeftButton);
    EXPECT_EQ(f.modell().rowCount(), 0);
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 0");
    EXPECT_EQ(f.Anzahl->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(AktionenFensterTest, ImportUndMenuebefehle) {
    dateiAnlegen(ordner.filePath("Aktion.BIN"), Drei);
    dateiAnlegen(ordner.filePath("mehr.bin"), aktionSatz("11111111", '1', '1', "neu"));
    Aktionen& f = oeffnen();
    rueckfrage.dateien = {ordner.filePath("mehr.bin")};
    QTest::mouseClick(f.ButtonImport, Qt::LeftButton);
    EXPECT_EQ(f.modell().rowCount(), 4);
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 4");

    rueckfrage.dateien = {ordner.filePath("gesichert.bin")};
    menue().MenueSpeichernAktionen->trigger();
    EXPECT_EQ(dateiInhalt(ordner.filePath("gesichert.bin")), Drei + aktionSatz("11111111", '1', '1', "neu"));

    rueckfrage.dateien = {ordner.filePath("mehr.bin")};
    menue().MenueLadenAktionen->trigger();
    EXPECT_EQ(f.modell().rowCount(), 1);
    EXPECT_EQ(f.Anzahl->text(), "Anzahl = 1");
    EXPECT_FALSE(ab.istUngespeichert(DokAktionen));
}

TEST_F(AktionenFensterTest, MindestgroesseUndListeFolgtDemFenster) {
    Aktionen& f = oeffnen();
    const QSize mindest = f.minimumSize();
    EXPECT_EQ(mindest, QSize(563, 240)); // 8565 x 4000 twips with the host's window frame
    f.resize(200, 100);
    EXPECT_EQ(f.size(), mindest);
    for (const QSize groesse : {QSize(563, 240), QSize(900, 700)}) {
        f.resize(groesse);
        QApplication::processEvents();
        EXPECT_EQ(f.ListView1->geometry(), QRect(2, 149, groesse.width() - 4, groesse.height() - 149));
    }
}
