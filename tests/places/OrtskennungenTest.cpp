#include "places/Ortskennungen.h"

#include "support/AnwendungsUmfeld.h"
#include "support/Saetze.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class OrtskennungenFenster : public ::testing::Test, public AnwendungsUmfeld {
protected:
    Ortskennungen* fenster = nullptr;

    // Starts the program in a folder holding a place file (two places, four records) and opens
    // the window from the menu.
    void SetUp() override {
        einstellung(sektion::Landeskennung, "10", "Musterland");
        datei("Orte.BIN", orteSatz('6', "A12", "Musterstadt") + orteSatz('9', "A12", "Musterstadt") +
                              orteSatz('6', "A13", "Beispielhausen") +
                              orteSatz('7', "A13", "Beispielhausen"));
        starten();
        menue().MenueOrtskennungen->trigger();
        fenster = &anwendung->ortskennungen();
    }
    void zeileWaehlen(int zeile) {
        const QRect r = fenster->OKListe->visualItemRect(fenster->OKListe->item(zeile));
        QTest::mouseClick(fenster->OKListe->viewport(), Qt::LeftButton, {}, r.center());
    }
};

} // namespace

// A picked line fills the inputs; "Uebernehmen" writes them back into the table and the list
// follows.
TEST_F(OrtskennungenFenster, ZeileWaehlenUebernehmenUndAbbrechen) {
    EXPECT_EQ(fenster->Anzahl->text(), "4");
    zeileWaehlen(1);
    EXPECT_EQ(fenster->Landeskennung->currentText(), "A Musterland");
    EXPECT_EQ(fenster->Ortskennung[1]->currentText(), "3");
    EXPECT_EQ(fenster->Klartext->text(), "Beispielhausen");
    EXPECT_TRUE(fenster->BOS[7]->isChecked());
    fenster->BOS[1]->setChecked(true);
    fenster->Klartext->setText("Neuweiler");
    QTest::mouseClick(fenster->Uebernehmen, Qt::LeftButton);
    ASSERT_EQ(fenster->OKListe->count(), 3);
    EXPECT_TRUE(fenster->OKListe->item(2)->text().startsWith("A13 Neuweiler "));
    EXPECT_EQ(fenster->Anzahl->text(), "7");
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));
}

// Import and undo reach the table; the count turns red above 250 records.
TEST_F(OrtskennungenFenster, ImportUndoUndRoteAnzahl) {
    QByteArray viele;
    for (int i = 0; i < 251; ++i)
        viele +=
            orteSatz(i % 2 ? '7' : '6', QByteArray::number(0x100 + i / 2, 16).toUpper().constData(), "Ort");
    rueckfrage.dateien = {datei("viele.bin", viele)};
    QTest::mouseClick(fenster->ButtonImport, Qt::LeftButton);
    EXPECT_EQ(fenster->OKListe->count(), 2 + 126);
    EXPECT_EQ(fenster->Anzahl->palette().color(QPalette::WindowText), QColor(Qt::red));
    menue().MenueUndoOrte->trigger(); // "Orte.BIN" of the working directory
    EXPECT_EQ(fenster->OKListe->count(), 2);
    EXPECT_EQ(fenster->Anzahl->text(), "4");
    EXPECT_NE(fenster->Anzahl->palette().color(QPalette::WindowText), QColor(Qt::red));
}
