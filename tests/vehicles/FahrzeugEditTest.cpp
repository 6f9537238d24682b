#include "vehicles/FahrzeugEdit.h"

#include "core/common/Text.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/Fahrzeuge.h"
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
    QWidget haupt;
    QWidget liste;
    std::unique_ptr<FahrzeugEdit> edit;

    void SetUp() override {
        ab.bosName[6] = "Feuerwehr";
        ab.landName[10] = "Musterland";
        edit = std::make_unique<FahrzeugEdit>(ab);
        Fahrzeug f = fahrzeug("1A230047", "  Flo 1   ", "3");
        f.bemerkung = QString("Bem").leftJustified(256);
        ab.fahrzeuge = {f, fahrzeug("6A124401", "RTW", "12"), f};
        fahrzeugInFeld(ab, 10, f);
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

    void kennungWaehlen(const QString& k) {
        const auto listen = edit->kennungsListen();
        for (int i = 0; i < 8; ++i)
            listen[i]->setCurrentIndex(hexZiffer(k[i]));
    }
};

} // namespace

TEST_F(FahrzeugEditTest, OeffnenSperrtUndUebernehmenAendertAlleZeilenUndFelder) {
    edit->oeffnenFuer(2, sperren());
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(haupt.isEnabled());
    EXPECT_FALSE(liste.isEnabled());
    // The lists carry the names from the settings.
    EXPECT_EQ(gewaehlt(), (QStringList{"1 Undefiniert", "A Musterland", "2", "3", "0", "0", "4", "7"}));
    EXPECT_EQ(edit->BOSKennung->itemText(6), "6 Feuerwehr");
    EXPECT_EQ(edit->Rufname->text(), "Flo 1");
    EXPECT_EQ(edit->ZeitDatum->text(), "=07.03.26");
    edit->Rufname->setText("Flo 2");
    edit->Status->setCurrentIndex(6);
    edit->ZeitDatum->click();
    EXPECT_EQ(edit->Zeit->text(), "07.03.26");
    edit->Uebernehmen->click();
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(haupt.isEnabled());
    EXPECT_TRUE(liste.isEnabled());
    EXPECT_FALSE(edit->StatusBar->isVisible());
    for (int zeile : {0, 2}) {
        EXPECT_EQ(ab.fahrzeuge[zeile].rufname, "Flo 2     ");
        EXPECT_EQ(ab.fahrzeuge[zeile].stat, "6");
    }
    EXPECT_EQ(ab.felder[10].fahrzeug, "Flo 2     ");
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste | DokStatusuebersicht);

    edit->oeffnenFuer(1, sperren()); // status 12 has no entry
    EXPECT_EQ(edit->Status->currentIndex(), -1);
    edit->Abbrechen->click();
    // New names come in; the selection stays.
    edit->BOSKennung->setCurrentIndex(6);
    ab.bosName[6] = "THW";
    edit->listenFuellen();
    EXPECT_EQ(edit->BOSKennung->currentText(), "6 THW");
}

TEST_F(FahrzeugEditTest, NeuesFahrzeug) {
    edit->oeffnenNeu(sperren());
    EXPECT_EQ(edit->Status->currentText(), "2");
    EXPECT_EQ(edit->Zeit->text(), "07.03.26");
    edit->BOSKennung->setCurrentIndex(6);
    edit->Landeskennung->setCurrentIndex(10);
    edit->Rufname->setText("Neu");
    edit->Uebernehmen->click();
    ASSERT_EQ(ab.fahrzeuge.size(), 4u);
    EXPECT_EQ(ab.fahrzeuge[3].kennung, "6A000000");

    // Opening for a new vehicle again keeps the identifier lists, clears the name.
    edit->oeffnenNeu(sperren());
    EXPECT_EQ(edit->BOSKennung->currentIndex(), 6);
    EXPECT_TRUE(edit->Rufname->text().isEmpty());
    kennungWaehlen("1A230048"); // one digit off an existing vehicle
    edit->Uebernehmen->click();
    ASSERT_EQ(ab.fahrzeuge.size(), 5u);
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "  Flo 1   ");
    EXPECT_EQ(ab.fahrzeuge[4].kennung, "1A230048");
}

TEST_F(FahrzeugEditTest, AbbrechenUndSchliessenAendernNichts) {
    const auto vorher = ab.fahrzeuge;
    const auto felder = ab.felder;
    for (int weg = 0; weg < 3; ++weg) {
        edit->oeffnenFuer(0, sperren());
        edit->Rufname->setText("anders");
        kennungWaehlen("99999999");
        if (weg == 0)
            edit->Abbrechen->click();
        else if (weg == 1)
            edit->close();
        else
            QTest::keyClick(edit.get(), Qt::Key_Escape);
        EXPECT_FALSE(edit->isVisible()) << weg;
        EXPECT_TRUE(haupt.isEnabled()) << weg;
        EXPECT_TRUE(liste.isEnabled()) << weg;
    }
    EXPECT_EQ(ab.fahrzeuge, vorher);
    EXPECT_EQ(ab.felder, felder);
    EXPECT_EQ(ab.ungespeichert, 0);
}
