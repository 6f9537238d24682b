#include "tools/Pruefen.h"

#include "actions/Aktionen.h"
#include "core/check/BefundModell.h"
#include "core/files/AktionDatei.h"
#include "places/Ortskennungen.h"
#include "support/AnwendungsUmfeld.h"
#include "support/Saetze.h"
#include "vehicles/FahrzeugListView.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTreeView>

using namespace tabulo;
using namespace tabulo::test;

// "Tools > Prüfen" lists the findings of the running editor; a double click on one shows its
// place in the window that holds it, and the severities filter the list.
TEST(PruefenFenster, DoppelklickZeigtDieStelle) {
    AnwendungsUmfeld u;
    u.zweiFahrzeuge();
    dateiAnlegen(u.pfad("orte.bin"), "6A00" + QByteArray("Nord").leftJustified(50) + "6A00" +
                                         QByteArray("Sued").leftJustified(50));
    dateiAnlegen(u.pfad("Aktion.BIN"),
                 aktionSatzSchreiben("6A000001", "3", 0, "a") + aktionSatzSchreiben("6A0000FF", "3", 0, "a"));
    Form1& form1 = u.starten();
    fahrzeugInFeld(u.ab, 60, u.ab.fahrzeuge[0]);
    fahrzeugInFeld(u.ab, 61, u.ab.fahrzeuge[0]);
    form1.menue.MenuePruefen->trigger();
    Pruefen* p = u.anwendung->pruefen();
    ASSERT_TRUE(p && QTest::qWaitForWindowExposed(p));
    EXPECT_EQ(p->Anzahl->text(), "0 Fehler, 3 Warnungen, 1 Hinweis");

    const auto doppelklick = [&](Befundart art) {
        for (int z = 0; z < p->filter().rowCount(); ++z)
            if (p->filter().befund(p->filter().index(z, 0))->art == art) {
                emit p->Liste->doubleClicked(p->filter().index(z, BefundModell::SpText));
                return true;
            }
        return false;
    };
    ASSERT_TRUE(doppelklick(Befundart::FahrzeugMehrfach));
    EXPECT_EQ(form1.aktuellesFenster(), 2);
    EXPECT_EQ(u.ab.rahmenFarbe[61], farbe::Zielmarke);
    ASSERT_TRUE(doppelklick(Befundart::NichtAufgenommen));
    EXPECT_EQ(u.anwendung->form2().ListView1->gewaehlteZeile(), 1);
    ASSERT_TRUE(doppelklick(Befundart::OrtZweiNamen));
    EXPECT_EQ(u.anwendung->ortskennungen().OKListe->currentRow(), 1);
    ASSERT_TRUE(doppelklick(Befundart::AktionOhneFahrzeug));
    ASSERT_TRUE(u.anwendung->aktionen());
    EXPECT_EQ(u.anwendung->aktionen()->ListView1->currentIndex().row(), 1);

    p->Zeigen[static_cast<int>(Schwere::Warnung)]->setChecked(false);
    EXPECT_EQ(p->filter().rowCount(), 1);
}
