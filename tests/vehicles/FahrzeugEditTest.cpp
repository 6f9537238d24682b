#include "vehicles/FahrzeugEdit.h"

#include "core/common/Text.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"
#include "ui/Fortschrittsstreifen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class FahrzeugEditTest : public ::testing::Test, protected TestArbeitsbereich {
protected:
    QWidget haupt, liste;
    std::unique_ptr<FahrzeugEdit> edit;

    void SetUp() override {
        ab.bosName[6] = "Feuerwehr";
        edit = std::make_unique<FahrzeugEdit>(ab);
        ab.fahrzeuge = {fahrzeug("1A230047", "  Flo 1   ", "3"), fahrzeug("6A124401", "RTW", "12")};
        FahrzeuglisteAktualisieren(ab);
        haupt.show();
        liste.show();
    }
    QList<QWidget*> sperren() { return {&haupt, &liste}; }
    QStringList gewaehlt() const {
        QStringList texte;
        for (QComboBox* c : edit->kennungsListen())
            texte << c->currentText();
        return texte;
    }
};

} // namespace

// Opening for a vehicle shows it; "Uebernehmen" hands the inputs over, "Abbrechen" changes nothing.
TEST_F(FahrzeugEditTest, ZeigtDasFahrzeugUndUebernehmenSchreibtEs) {
    edit->oeffnenFuer(0, sperren());
    EXPECT_EQ(gewaehlt(), (QStringList{"1 Undefiniert", "A Undefiniert", "2", "3", "0", "0", "4", "7"}));
    EXPECT_EQ(edit->Rufname->text(), "Flo 1");
    edit->ZeitDatum->click();
    EXPECT_EQ(edit->Zeit->text(), "07.03.26");
    edit->Rufname->setText("Flo 2");
    edit->Status->setCurrentIndex(6);
    edit->Uebernehmen->click();
    EXPECT_FALSE(edit->StatusBar->isVisible());
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "Flo 2     ");
    EXPECT_EQ(ab.fahrzeuge[0].stat, "6");

    const auto vorher = ab.fahrzeuge;
    edit->oeffnenFuer(1, sperren()); // status 12 has no entry
    EXPECT_EQ(edit->Status->currentIndex(), -1);
    edit->Rufname->setText("anders");
    edit->Abbrechen->click();
    EXPECT_EQ(ab.fahrzeuge, vorher);
    // New names come in; the selection stays.
    edit->BOSKennung->setCurrentIndex(6);
    ab.bosName[6] = "THW";
    edit->listenFuellen();
    EXPECT_EQ(edit->BOSKennung->currentText(), "6 THW");
}

// A new vehicle starts with status 2 and today; opening again keeps the identifier lists.
TEST_F(FahrzeugEditTest, NeuesFahrzeug) {
    edit->oeffnenNeu(sperren());
    EXPECT_EQ(edit->Status->currentText(), "2");
    EXPECT_EQ(edit->Zeit->text(), "07.03.26");
    edit->BOSKennung->setCurrentIndex(6);
    edit->Landeskennung->setCurrentIndex(10);
    edit->Rufname->setText("Neu");
    edit->Uebernehmen->click();
    ASSERT_EQ(ab.fahrzeuge.size(), 3u);
    EXPECT_EQ(ab.fahrzeuge[2].kennung, "6A000000");
    edit->oeffnenNeu(sperren());
    EXPECT_EQ(edit->BOSKennung->currentIndex(), 6);
    EXPECT_TRUE(edit->Rufname->text().isEmpty());
    edit->Abbrechen->click();
}
