#include "overview/FeldEdit.h"

#include "core/vehicles/Fahrzeugliste.h"
#include "support/AnwendungsUmfeld.h"
#include "vehicles/FahrzeugListView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
FeldEdit& doppelklick(AnwendungsUmfeld& u, int feld) {
    FensterAnsicht& a = u.anwendung->form1().tabFrame(fensterVon(feld));
    QTest::mouseDClick(&a, Qt::LeftButton, {}, a.textRechteck(feld).center().toPoint());
    EXPECT_TRUE(u.anwendung->feldEdit());
    return *u.anwendung->feldEdit();
}
} // namespace

// A double click opens the editor on that field's contents; "Uebernehmen" writes the choice into
// the field. Without vehicles the vehicle choice cannot be taken.
TEST(FeldEditFenster, ZeigtDasFeldUndUebernehmenSchreibtEs) {
    AnwendungsUmfeld u;
    u.zweiFahrzeuge();
    u.starten();
    feldMitText(u.ab.felder[6], QStringLiteral("Bereitschaft"));
    u.ab.felderGeaendert();
    FeldEdit& e = doppelklick(u, 6);
    EXPECT_EQ(e.editFeld(), 6);
    EXPECT_EQ(e.auswahl(), 2);
    EXPECT_EQ(e.Text->text(), "Bereitschaft");
    e.Fahrzeug->setCurrentIndex(1);
    e.Fahrzeug->activated(1); // picking an entry chooses "Fahrzeug:"
    EXPECT_EQ(e.auswahl(), 1);
    QTest::mouseClick(e.Uebernehmen, Qt::LeftButton);
    EXPECT_EQ(u.ab.felder[6].kennung, "6A000002");
    QTest::mouseClick(doppelklick(u, 7).Text, Qt::LeftButton);
    EXPECT_EQ(e.auswahl(), 2);
    EXPECT_FALSE(e.InFahrzeugliste->isEnabled());

    // The chosen vehicle is marked in the list window, which stays disabled; the editor stays
    // open as it was. A vehicle gone from the list since the opening is named in a message.
    e.Text->setText(QStringLiteral("Notiz"));
    e.Fahrzeug->setCurrentIndex(1);
    e.Auswahl[1]->click();
    QTest::mouseClick(e.InFahrzeugliste, Qt::LeftButton);
    Form2& liste = u.anwendung->form2();
    EXPECT_EQ(liste.ListView1->gewaehltesFahrzeug(), 1);
    EXPECT_TRUE(e.isVisible() && liste.isVisible() && !liste.isEnabled());
    EXPECT_EQ(e.auswahl(), 1);
    EXPECT_EQ(e.Text->text(), "Notiz");
    u.ab.fahrzeuge.pop_back();
    FahrzeuglisteAktualisieren(u.ab);
    QTest::mouseClick(e.InFahrzeugliste, Qt::LeftButton);
    ASSERT_FALSE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.rueckfrage.fragen.back().text, "Die Kennung \"6A000002\" steht nicht in der Fahrzeugliste.");

    AnwendungsUmfeld leer;
    leer.starten();
    FeldEdit& ohne = doppelklick(leer, 7);
    EXPECT_EQ(ohne.Fahrzeug->count(), 0);
    ohne.Auswahl[1]->click();
    EXPECT_FALSE(ohne.Uebernehmen->isEnabled() || ohne.InFahrzeugliste->isEnabled());
}
