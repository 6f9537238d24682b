#include "overview/FeldEdit.h"

#include "support/AnwendungsUmfeld.h"

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
            zweiFahrzeuge();
        f = &starten();
        feldMitText(ab.felder[6], QStringLiteral("Bereitschaft"));
        feldFreimachen(ab.felder[7]);
        ab.felderGeaendert();
    }
    FeldEdit& doppelklick(int feld) {
        FensterAnsicht& a = f->tabFrame(fensterVon(feld));
        QTest::mouseDClick(&a, Qt::LeftButton, {}, a.textRechteck(feld).center().toPoint());
        EXPECT_TRUE(anwendung->feldEdit());
        return *anwendung->feldEdit();
    }
    bool gesperrt() { return !f->isEnabled() && !anwendung->form2().isEnabled(); }
    bool frei() { return f->isEnabled() && anwendung->form2().isEnabled(); }
};
} // namespace

// A double click opens the editor on that field's contents and locks both main windows; every
// way out frees them, and only "Uebernehmen" writes the field.
TEST(FeldEditFenster, OeffnetSperrtUndJederAuswegGibtFrei) {
    EditUmfeld u;
    FeldEdit& e = u.doppelklick(6);
    EXPECT_TRUE(u.gesperrt());
    EXPECT_EQ(e.editFeld(), 6);
    EXPECT_EQ(e.Text->text(), "Bereitschaft");
    e.close();
    EXPECT_TRUE(u.frei());
    QTest::mouseClick(u.doppelklick(7).Abbrechen, Qt::LeftButton);
    EXPECT_TRUE(u.frei());
    EXPECT_EQ(u.ab.ungespeichert, 0);

    FeldEdit& zweites = u.doppelklick(7);
    EXPECT_EQ(&zweites, &e) << "the dialog is kept";
    e.Fahrzeug->setCurrentIndex(1);
    e.Fahrzeug->activated(1); // picking an entry chooses "Fahrzeug:"
    EXPECT_EQ(e.auswahl(), 1);
    QTest::mouseClick(e.Uebernehmen, Qt::LeftButton);
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(u.frei());
    EXPECT_EQ(u.ab.felder[7].kennung, "6A000002");
    QTest::mouseClick(u.doppelklick(8).Text, Qt::LeftButton);
    EXPECT_EQ(e.auswahl(), 2);
}

// Without vehicles the vehicle choice cannot be taken.
TEST(FeldEditFenster, OhneFahrzeugeKeinFahrzeugfeld) {
    EditUmfeld u(false);
    FeldEdit& e = u.doppelklick(7);
    EXPECT_EQ(e.Fahrzeug->count(), 0);
    e.Auswahl[1]->click();
    EXPECT_FALSE(e.Uebernehmen->isEnabled());
    e.Auswahl[0]->click();
    QTest::mouseClick(e.Uebernehmen, Qt::LeftButton);
    EXPECT_TRUE(u.frei());
}
