#include "overview/FeldEdit.h"

#include "app/AnwendungsUmfeld.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct EditUmfeld : AnwendungsUmfeld {
    Form1* f = nullptr;
    explicit EditUmfeld(bool mitFahrzeugen = true) {
        if (mitFahrzeugen)
            datei("Fahrzeug.bin", zweiFahrzeuge());
        f = &starten();
        feldMitText(ab.felder[6], QStringLiteral("Bereitschaft"));
        feldFreimachen(ab.felder[7]);
        if (mitFahrzeugen)
            feldMitFahrzeug(ab, ab.felder[8], ab.fahrzeuge[1]);
        ab.felderGeaendert();
    }
    FeldEdit& doppelklick(int feld) {
        FensterAnsicht& a = f->tabFrame(fensterVon(feld));
        QTest::mouseDClick(&a, Qt::LeftButton, {}, a.textRechteck(feld).center().toPoint());
        FeldEdit* e = anwendung->feldEdit();
        EXPECT_TRUE(e);
        return *e;
    }
    bool gesperrt() { return !f->isEnabled() && !fahrzeugFenster().isEnabled(); }
    bool frei() { return f->isEnabled() && fahrzeugFenster().isEnabled(); }
};
} // namespace

TEST(FeldEditFenster, OeffnetMitDerArtDesFeldesSperrtUndJederAuswegGibtFrei) {
    struct Fall {
        int feld, auswahl;
        QString text;
        int eintrag;
        bool schliessfeld; // else "Abbrechen"
    };
    EditUmfeld u;
    for (const Fall& fall :
         {Fall{7, 0, "", 0, false}, Fall{8, 1, "", 1, true}, Fall{6, 2, "Bereitschaft", 0, false}}) {
        SCOPED_TRACE(fall.feld);
        FeldEdit& e = u.doppelklick(fall.feld);
        EXPECT_TRUE(e.isVisible());
        EXPECT_TRUE(u.gesperrt());
        EXPECT_EQ(e.editFeld(), fall.feld);
        EXPECT_EQ(e.auswahl(), fall.auswahl);
        EXPECT_EQ(e.Text->text(), fall.text);
        EXPECT_EQ(e.Fahrzeug->count(), 2);
        EXPECT_EQ(e.Fahrzeug->currentIndex(), fall.eintrag);
        if (fall.schliessfeld)
            e.close();
        else
            QTest::mouseClick(e.Abbrechen, Qt::LeftButton);
        EXPECT_FALSE(e.isVisible());
        EXPECT_TRUE(u.frei());
    }
    EXPECT_EQ(u.ab.felder[6].text, "Bereitschaft");
    EXPECT_EQ(u.ab.ungespeichert, 0);
}

TEST(FeldEditFenster, UebernehmenSchreibtDasFeld) {
    EditUmfeld u;
    FeldEdit& e = u.doppelklick(7);
    e.Fahrzeug->setCurrentIndex(1);
    e.Fahrzeug->activated(1); // picking an entry chooses "Fahrzeug:"
    EXPECT_EQ(e.auswahl(), 1);
    QTest::mouseClick(e.Uebernehmen, Qt::LeftButton);
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(u.frei());
    EXPECT_EQ(u.ab.felder[7].kennung, "6A000002");
    EXPECT_EQ(u.ab.ungespeichert, DokStatusuebersicht);

    FeldEdit& zweites = u.doppelklick(8);
    EXPECT_EQ(&zweites, &e) << "the dialog is kept";
    QTest::mouseClick(e.Text, Qt::LeftButton);
    EXPECT_EQ(e.auswahl(), 2);
    QTest::keyClicks(e.Text, QString(40, 'x'));
    QTest::mouseClick(e.Uebernehmen, Qt::LeftButton);
    EXPECT_EQ(u.ab.felder[8].text, QString(30, 'x'));
    EXPECT_EQ(u.ab.felder[8].feldtyp, FeldText);
}

TEST(FeldEditFenster, OhneFahrzeugeKeinFahrzeugfeld) {
    EditUmfeld u(false);
    FeldEdit& e = u.doppelklick(7);
    EXPECT_EQ(e.Fahrzeug->count(), 0);
    e.Auswahl[1]->click();
    EXPECT_FALSE(e.Uebernehmen->isEnabled());
    e.Auswahl[0]->click();
    QTest::mouseClick(e.Uebernehmen, Qt::LeftButton);
    EXPECT_EQ(u.ab.felder[7].feldtyp, FeldFrei);
    EXPECT_TRUE(u.frei());
}
