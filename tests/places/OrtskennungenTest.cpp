#include "places/Ortskennungen.h"

#include "app/Anwendung.h"
#include "app/Form1.h"
#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "model/Arbeitsbereich.h"
#include "support/OrteDaten.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"

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
#include <QTest>
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

QStringList eintraege(const QComboBox* liste) {
    QStringList e;
    for (int i = 0; i < liste->count(); ++i)
        e << liste->itemText(i);
    return e;
}

class OrtskennungenFenster : public ::testing::Test {
protected:
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    SkriptRueckfrage rueckfrage;
    TemporaererArbeitsordner ordner;
    std::unique_ptr<Anwendung> anwendung;
    Ortskennungen* fenster = nullptr;
    std::unique_ptr<QAbstractItemModelTester> pruefer;

    // Starts the program in a folder holding a place file.
    void starten() {
        speicher.speichern(anwendung::Velastat, sektion::Landeskennung, "10", "Musterland");
        speicher.speichern(anwendung::Velastat, sektion::BosKennung, "6", "BF/FF");
        speicher.speichern(anwendung::Velastat, sektion::BosKennung, "7", "THW");
        dateiAnlegen(ordner.pfad("Orte.BIN"), ortsdatei());
        anwendung = std::make_unique<Anwendung>(ab, rueckfrage);
        fenster = &anwendung->ortskennungen();
        pruefer = std::make_unique<QAbstractItemModelTester>(
            fenster->OKListe->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        anwendung->starten();
    }

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

TEST_F(OrtskennungenFenster, VerstecktAngelegtUndMitTabelleNachDemStart) {
    starten();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(fenster->windowTitle(), "Ortskennungen bearbeiten");
    EXPECT_EQ(fenster->OKListe->count(), 3);
    EXPECT_TRUE(fenster->OKListe->item(1)->text().endsWith(" BF/FF THW"));
    EXPECT_EQ(fenster->Anzahl->text(), "7");
    EXPECT_EQ(fenster->Landeskennung->itemText(10), "A Musterland");
    EXPECT_EQ(fenster->Landeskennung->itemText(0), "0 Undefiniert");

    anwendung->form1().menue.MenueOrtskennungen->trigger();
    EXPECT_TRUE(fenster->isVisible());
    QTest::mouseClick(fenster->Abbrechen, Qt::LeftButton);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(fenster->OKListe->count(), 3); // hiding leaves the table alone
}

TEST_F(OrtskennungenFenster, BedienelementeWieEntworfen) {
    starten();
    QStringList titel;
    for (const QCheckBox* k : fenster->BOS)
        titel << k->text();
    EXPECT_EQ(titel,
              (QStringList{"NN(0)", "POL(1)", "BGS(2)", "BKA(3)", "KAT(4)", "ZOLL(5)", "BF/FF(6)", "THW(7)",
                           "ASB(8)", "DRK(9)", "JUH(A)", "MHD(B)", "DLRG(C)", "RD(D)", "ZVS(E)"}));
    const QStringList ziffern{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"};
    EXPECT_EQ(eintraege(fenster->Ortskennung[0]), ziffern);
    EXPECT_EQ(eintraege(fenster->Ortskennung[1]), ziffern);
    EXPECT_EQ(fenster->Landeskennung->count(), 16);
    EXPECT_EQ(fenster->Klartext->maxLength(), 50);
    EXPECT_TRUE(QFontInfo(fenster->OKListe->font()).fixedPitch());
    EXPECT_EQ(fenster->Text1->text(), "Anzahl Ortskennungen (max. 250):");
    EXPECT_EQ(fenster->Uebernehmen->text(), QStringLiteral("\u00dcbernehmen / Neu Anlegen"));
    EXPECT_EQ(fenster->Abbrechen->text(), QStringLiteral("Abbrechen / Schlie\u00dfen"));
    EXPECT_EQ(fenster->ButtonImport->text(), "Ortskennungen Importieren");
}

TEST_F(OrtskennungenFenster, ZeileWaehlenAendernNeuAnlegenSpeichernUndWiederLaden) {
    starten();
    fenster->show();
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
    rueckfrage.dateien.push_back(ordner.pfad("gespeichert.bin"));
    anwendung->form1().menue.MenueSpeichernOrte->trigger();
    EXPECT_FALSE(ab.istUngespeichert(DokOrtskennungen));
    const QByteArray gespeichert = dateiInhalt(ordner.pfad("gespeichert.bin"));
    ASSERT_EQ(gespeichert.size(), 10 * 54);
    EXPECT_EQ(gespeichert.mid(3 * 54, 4 * 54),
              orteSatz('1', "A13", "Beispielhausen") + orteSatz('6', "A13", "Beispielhausen") +
                  orteSatz('7', "A13", "Beispielhausen") + orteSatz('6', "A14", "Lindenfeld"));

    rueckfrage.dateien.push_back(ordner.pfad("gespeichert.bin"));
    anwendung->form1().menue.MenueLadenOrte->trigger();
    EXPECT_EQ(zeilen(fenster->OKListe), vorher);
    EXPECT_EQ(fenster->Anzahl->text(), "10");
    rueckfrage.dateien.push_back(ordner.pfad("wieder.bin"));
    anwendung->form1().menue.MenueSpeichernOrte->trigger();
    EXPECT_EQ(dateiInhalt(ordner.pfad("wieder.bin")), gespeichert);
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
}

TEST_F(OrtskennungenFenster, UnvollstaendigeEingabeWirdIgnoriert) {
    starten();
    fenster->Klartext->setText("Irgendwo");
    kaestenSetzen({1});
    QTest::mouseClick(fenster->Uebernehmen, Qt::LeftButton); // no Landeskennung chosen yet
    EXPECT_EQ(fenster->OKListe->count(), 3);
    EXPECT_FALSE(ab.istUngespeichert(DokOrtskennungen));
}

TEST_F(OrtskennungenFenster, AnzahlWirdUeber250Rot) {
    starten();
    for (const int saetze : {250, 251}) {
        QByteArray daten;
        for (int i = 0; i < saetze; ++i)
            daten += orteSatz(i % 2 ? '7' : '6', QByteArray::number(0x100 + i / 2, 16).toUpper().constData(),
                              "Ort");
        dateiAnlegen(ordner.pfad("viele.bin"), daten);
        rueckfrage.dateien.push_back(ordner.pfad("viele.bin"));
        anwendung->form1().menue.MenueLadenOrte->trigger();
        EXPECT_EQ(fenster->Anzahl->text(), QString::number(saetze));
        const QColor farbe = fenster->Anzahl->palette().color(QPalette::WindowText);
        EXPECT_EQ(farbe == QColor(Qt::red), saetze > 250) << saetze;
    }
}

TEST_F(OrtskennungenFenster, ImportUndUndoFolgtDieListe) {
    starten();
    dateiAnlegen(ordner.pfad("dazu.bin"), orteSatz('9', "A12", "Musterstadt") + orteSatz('2', "B01", "Neu"));
    rueckfrage.dateien.push_back(ordner.pfad("dazu.bin"));
    QTest::mouseClick(fenster->ButtonImport, Qt::LeftButton);
    ASSERT_EQ(rueckfrage.dateiDialoge.size(), 1);
    EXPECT_EQ(rueckfrage.dateiDialoge[0].titel, "Ortskennungen Laden");
    EXPECT_EQ(fenster->OKListe->count(), 4);
    EXPECT_EQ(fenster->Anzahl->text(), "8"); // one new record; the repeated one counts once
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));

    anwendung->form1().menue.MenueUndoOrte->trigger(); // "Orte.BIN" of the working directory
    EXPECT_EQ(fenster->OKListe->count(), 3);
    EXPECT_EQ(fenster->Anzahl->text(), "7");
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));
}

TEST_F(OrtskennungenFenster, GroesseFolgtDerRegel) {
    starten();
    fenster->show();
    fenster->resize(300, 400);
    EXPECT_EQ(fenster->width(), (6900 - ortFenster::RahmenBreite) / 15);
    for (const QSize groesse : {QSize(688, 352), QSize(900, 600)}) {
        fenster->resize(groesse);
        const QRect liste = fenster->OKListe->geometry();
        EXPECT_EQ(liste.width(), (groesse.width() * 15 + ortFenster::RahmenBreite - 225) / 15);
        EXPECT_EQ(liste.height(), (groesse.height() * 15 + ortFenster::RahmenHoehe - 3105) / 15);
        EXPECT_LE(liste.right(), groesse.width());
        EXPECT_LE(liste.bottom(), groesse.height());
        EXPECT_LE(fenster->Frame2->geometry().bottom(), liste.top()); // the inputs stay above the list
    }
}
