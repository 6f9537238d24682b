#include "places/Ortskennungen.h"

#include "app/AnwendungsUmfeld.h"
#include "support/OrteDaten.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

// Three places, seven records.
QByteArray ortsdatei() {
    return orteSatz('6', "A12", "Musterstadt") + orteSatz('9', "A12", "Musterstadt") +
           orteSatz('D', "A12", "Musterstadt") + orteSatz('6', "A13", "Beispielhausen") +
           orteSatz('7', "A13", "Beispielhausen") + orteSatz('6', "A14", "Lindenfeld") +
           orteSatz('8', "A14", "Lindenfeld");
}

QStringList zeilen(const QListWidget* liste) {
    QStringList z;
    for (int i = 0; i < liste->count(); ++i)
        z << liste->item(i)->text();
    return z;
}

class OrtskennungenFenster : public ::testing::Test, public AnwendungsUmfeld {
protected:
    Ortskennungen* fenster = nullptr;
    std::unique_ptr<QAbstractItemModelTester> pruefer;

    // Starts the program in a folder holding a place file and opens the window from the menu.
    void SetUp() override {
        einstellung(sektion::Landeskennung, "10", "Musterland");
        einstellung(sektion::BosKennung, "6", "BF/FF");
        einstellung(sektion::BosKennung, "7", "THW");
        datei("Orte.BIN", ortsdatei());
        starten();
        menue().MenueOrtskennungen->trigger();
        fenster = &anwendung->ortskennungen();
        pruefer = std::make_unique<QAbstractItemModelTester>(
            fenster->OKListe->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }
    Menue& menue() { return anwendung->form1().menue; }

    void zeileWaehlen(int zeile) {
        const QRect r = fenster->OKListe->visualItemRect(fenster->OKListe->item(zeile));
        QTest::mouseClick(fenster->OKListe->viewport(), Qt::LeftButton, {}, r.center());
    }

    void kaestenSetzen(std::initializer_list<int> bos) {
        for (QCheckBox* k : fenster->BOS)
            k->setChecked(false);
        for (int d : bos)
            fenster->BOS[d]->setChecked(true);
    }
};

} // namespace

TEST_F(OrtskennungenFenster, MenueZeigtDieTabelleAbbrechenVerbirgt) {
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->OKListe->count(), 3);
    EXPECT_TRUE(fenster->OKListe->item(1)->text().endsWith(" BF/FF THW"));
    EXPECT_EQ(fenster->Anzahl->text(), "7");
    EXPECT_EQ(fenster->Landeskennung->itemText(10), "A Musterland");
    EXPECT_TRUE(QFontInfo(fenster->OKListe->font()).fixedPitch());
    QTest::mouseClick(fenster->Abbrechen, Qt::LeftButton);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(fenster->OKListe->count(), 3); // hiding leaves the table alone
    menue().MenueOrtskennungen->trigger();
    EXPECT_TRUE(fenster->isVisible());
}

TEST_F(OrtskennungenFenster, ZeileWaehlenAendernNeuAnlegenSpeichernUndWiederLaden) {
    zeileWaehlen(1);
    EXPECT_EQ(fenster->Landeskennung->currentIndex(), 10);
    EXPECT_EQ(fenster->Ortskennung[0]->currentText(), "1");
    EXPECT_EQ(fenster->Ortskennung[1]->currentText(), "3");
    EXPECT_EQ(fenster->Klartext->text(), "Beispielhausen");
    for (int d = 0; d < 15; ++d)
        EXPECT_EQ(fenster->BOS[d]->isChecked(), d == 6 || d == 7) << d;

    kaestenSetzen({1, 6, 7});
    QTest::mouseClick(fenster->Uebernehmen, Qt::LeftButton);
    EXPECT_EQ(fenster->OKListe->count(), 3);
    EXPECT_TRUE(fenster->OKListe->item(1)->text().endsWith(" Undefiniert BF/FF THW"));
    EXPECT_EQ(fenster->Anzahl->text(), "8");
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));

    fenster->Klartext->setText("Neuweiler");
    kaestenSetzen({7, 14});
    QTest::mouseClick(fenster->Uebernehmen, Qt::LeftButton);
    ASSERT_EQ(fenster->OKListe->count(), 4);
    EXPECT_TRUE(fenster->OKListe->item(3)->text().startsWith("A13 Neuweiler "));
    EXPECT_EQ(fenster->Anzahl->text(), "10");

    const QStringList vorher = zeilen(fenster->OKListe);
    rueckfrage.dateien.push_back(ordner.filePath("gespeichert.bin"));
    menue().MenueSpeichernOrte->trigger();
    EXPECT_FALSE(ab.istUngespeichert(DokOrtskennungen));
    EXPECT_EQ(dateiInhalt(ordner.filePath("gespeichert.bin")).size(), 10 * 54);

    rueckfrage.dateien.push_back(ordner.filePath("gespeichert.bin"));
    menue().MenueLadenOrte->trigger();
    EXPECT_EQ(zeilen(fenster->OKListe), vorher);
    EXPECT_EQ(fenster->Anzahl->text(), "10");
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
}

TEST_F(OrtskennungenFenster, AnzahlWirdUeber250Rot) {
    for (const int saetze : {250, 251}) {
        QByteArray daten;
        for (int i = 0; i < saetze; ++i)
            daten += orteSatz(i % 2 ? '7' : '6', QByteArray::number(0x100 + i / 2, 16).toUpper().constData(),
                              "Ort");
        dateiAnlegen(ordner.filePath("viele.bin"), daten);
        rueckfrage.dateien.push_back(ordner.filePath("viele.bin"));
        menue().MenueLadenOrte->trigger();
        EXPECT_EQ(fenster->Anzahl->text(), QString::number(saetze));
        const QColor farbe = fenster->Anzahl->palette().color(QPalette::WindowText);
        EXPECT_EQ(farbe == QColor(Qt::red), saetze > 250) << saetze;
    }
}

TEST_F(OrtskennungenFenster, ImportUndUndoFolgtDieListe) {
    dateiAnlegen(ordner.filePath("dazu.bin"),
                 orteSatz('9', "A12", "Musterstadt") + orteSatz('2', "B01", "Neu"));
    rueckfrage.dateien.push_back(ordner.filePath("dazu.bin"));
    QTest::mouseClick(fenster->ButtonImport, Qt::LeftButton);
    ASSERT_EQ(rueckfrage.dateiDialoge.size(), 1);
    EXPECT_EQ(rueckfrage.dateiDialoge[0].titel, "Ortskennungen Laden");
    EXPECT_EQ(fenster->OKListe->count(), 4);
    EXPECT_EQ(fenster->Anzahl->text(), "8"); // one new record; the repeated one counts once
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));

    menue().MenueUndoOrte->trigger(); // "Orte.BIN" of the working directory
    EXPECT_EQ(fenster->OKListe->count(), 3);
    EXPECT_EQ(fenster->Anzahl->text(), "7");
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));
}

TEST_F(OrtskennungenFenster, GroesseFolgtDerRegel) {
    fenster->resize(300, 400);
    EXPECT_EQ(fenster->width(), (6900 - ortFenster::RahmenBreite) / 15);
    for (const QSize groesse : {QSize(688, 352), QSize(900, 600)}) {
        fenster->resize(groesse);
        const QRect liste = fenster->OKListe->geometry();
        EXPECT_EQ(liste.height(), (groesse.height() * 15 + ortFenster::RahmenHoehe - 3105) / 15);
        EXPECT_LE(liste.right(), groesse.width());
        EXPECT_LE(liste.bottom(), groesse.height());
        EXPECT_LE(fenster->Frame2->geometry().bottom(), liste.top()); // the inputs stay above the list
    }
}
