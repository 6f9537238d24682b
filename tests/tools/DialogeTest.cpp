#include "core/settings/Einstellungsbuendel.h"
#include "support/AnwendungsUmfeld.h"
#include "tools/Einstellungen.h"
#include "tools/FrmEinstellungen.h"
#include "tools/StatusUmwandeln.h"
#include "tools/TitelFahrzeuguebersicht.h"
#include "tools/ZeitSetzen.h"
#include "ui/Farben.h"
#include "ui/Fortschrittsstreifen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct Programm : AnwendungsUmfeld {
    Programm() { starten(); }
    QString gespeichert(const QString& sekt, const QString& schluessel) const {
        return speicher.lesen(anwendung::Velastat, sekt, schluessel, QStringLiteral("<keiner>"));
    }
};
} // namespace

// Rows 1 to 9, then 0; each opening begins with every status mapped to itself; "Umwandeln"
// converts, "Abbrechen" does not. A click on a colour changes it only when one is chosen.
TEST(StatusUmwandelnDialog, ZuordnungUndFarben) {
    Programm p;
    p.fahrzeugAnhaengen("11110001", "1", "00:00:00");
    p.menue().MenueUmwandeln->trigger();
    StatusUmwandeln* d = p.werkzeuge().statusUmwandeln();
    ASSERT_NE(d, nullptr);
    const int reihenfolge[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    for (int i = 1; i < 10; ++i)
        EXPECT_LT(d->StatusUFarbe[reihenfolge[i - 1]]->y(), d->StatusUFarbe[reihenfolge[i]]->y());
    d->StatusNeu[1]->setCurrentIndex(5);
    d->Abbrechen->click();
    EXPECT_EQ(p.ab.fahrzeuge[0].stat, "1");
    p.menue().MenueUmwandeln->trigger();
    EXPECT_EQ(d->StatusNeu[1]->currentText(), "1");
    d->StatusNeu[1]->setCurrentIndex(2);
    d->Umwandeln->click();
    EXPECT_EQ(p.ab.fahrzeuge[0].stat, "2");
    EXPECT_EQ(d->StatusBar->anzahlBereiche(), 1); // the slices of one pass merge

    p.menue().MenueUmwandeln->trigger();
    QTest::mouseClick(d->StatusUFarbe[4], Qt::LeftButton); // colour dialog cancelled
    EXPECT_EQ(p.gespeichert(sektion::Statusfarben, "4"), "<keiner>");
    p.rueckfrage.farben.push_back(Farbe{0x00FF00});
    QTest::mouseClick(d->StatusUFarbe[4], Qt::LeftButton);
    EXPECT_EQ(p.ab.statusfarbe[4], 0x00FF00u);
    EXPECT_EQ(d->StatusUFarbe[4]->palette().color(QPalette::Window), QColor(0, 255, 0));
    d->Abbrechen->click();
    EXPECT_EQ(p.ab.statusfarbe[4], 0x00FF00u) << "a chosen colour stays when the tool is cancelled";
    p.ab.statusfarbe[7] = 0x0000FF; // as a loaded bundle would
    p.menue().MenueUmwandeln->trigger();
    EXPECT_EQ(d->StatusUFarbe[7]->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST(ZeitSetzenDialog, BeginntMitHeuteUndSetztUhrzeiten) {
    Programm p;
    p.ab.heute = "05.06.24";
    p.fahrzeugAnhaengen("11110001", "2", "12:34:56");
    p.menue().MenueZeitenSetzen->trigger();
    ZeitSetzen* d = p.werkzeuge().zeitSetzen();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ZeitNeu->text(), "05.06.24");
    d->ZeitNeu->setText("1:2");
    d->Setzen->click();
    EXPECT_EQ(p.ab.fahrzeuge[0].zeit, "1:2     ");
    p.menue().MenueZeitenSetzen->trigger();
    EXPECT_EQ(d->ZeitNeu->text(), "05.06.24");
}

// The boxes show what is stored; only their buttons store, closing stores nothing.
TEST(EinstellungenDialog, ZeigtGespeichertesUndSchreibtNurUeberSeineKnoepfe) {
    Programm p;
    p.menue().MenueEinstellungen->trigger();
    Einstellungen* d = p.werkzeuge().einstellungen();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(QStringList({d->TgMin->text(), d->TgMax->text(), d->Spaltenbreite->text()}),
              QStringList({"7", "19", "758"}));
    d->TgMin->setText("60");
    d->TgMax->setText("99");
    d->Spaltenbreite->setText("3500");
    d->Abbrechen->click();
    EXPECT_TRUE(p.speicher.alleLesen(anwendung::Velastat, sektion::Einstellungen).isEmpty());
    EXPECT_TRUE(p.speicher.alleLesen(anwendung::Velastat, sektion::Ton5).isEmpty());

    p.menue().MenueEinstellungen->trigger();
    d->TgMin->setText("60");
    d->TgMax->setText("99");
    d->TgVlSetzen->click();
    EXPECT_EQ(d->TgMin->text(), "50");
    EXPECT_EQ(p.gespeichert(sektion::Einstellungen, "TgVorlaufMax"), "198");
    d->Spaltenbreite->setText("3500");
    d->SpBrSetzen->click();
    EXPECT_EQ(d->Spaltenbreite->text(), "3000");
    EXPECT_EQ(p.gespeichert(sektion::Ton5, "Spaltenbreite"), "3000");
    d->Uebernehmen->click();

    // A stored maximum of 100 bits is shown whole, not cut to the box's two characters.
    p.speicher.speichern(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMax", "200");
    p.menue().MenueEinstellungen->trigger();
    EXPECT_EQ(d->TgMax->text(), "100");
    d->TgVlLoeschen->click();
    d->SpBrLoeschen->click();
    d->Abbrechen->click();
    p.menue().MenueEinstellungen->trigger();
    EXPECT_EQ(QStringList({d->TgMin->text(), d->TgMax->text(), d->Spaltenbreite->text()}),
              QStringList({"7", "19", "758"}));
}

TEST(TitelDialog, ZeigtDieTabsUndSpeichertNurMitSpeichern) {
    Programm p;
    const QString lang(75, QLatin1Char('x')); // longer than the box takes; must not be cut
    p.ab.fensterTitel[4] = lang;
    p.menue().MenuTitelFahrzeuguebersicht->trigger();
    TitelFahrzeuguebersicht* d = p.werkzeuge().titel();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Titel[4]->text(), lang);
    d->Titel[0]->setText("Nicht gespeichert");
    d->Abbrechen->click();
    geloeschteAufraeumen();
    EXPECT_EQ(p.ab.fensterTitel[0], "Fester1");

    p.menue().MenuTitelFahrzeuguebersicht->trigger();
    d = p.werkzeuge().titel();
    d->Titel[0]->setText("  Wache   ");
    d->Speichern->click();
    EXPECT_EQ(p.gespeichert(sektion::Fahrzeuguebersicht, "1"), "  Wache");
    EXPECT_EQ(p.ab.fensterTitel[4], lang);
    EXPECT_EQ(p.anwendung->form1().fensterTab().leiste().tabText(0), "  Wache");
}

// The bundle dialog locks nothing; it keeps its choices while open, shows what a load found,
// and starts with the defaults each time it is opened anew.
TEST(BuendelDialog, LadenZeigtDieErgebnisseUndSpeichernSchreibt) {
    Programm p;
    const QString pfad = p.pfad("Einstellungen.BIN");
    p.menue().MenueEinstellungenLS->trigger();
    FrmEinstellungen* d = p.werkzeuge().buendel();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(p.anwendung->form1().isEnabled());
    p.ab.fensterTitel[0] = "Eins";
    p.rueckfrage.dateien = {pfad};
    d->btnSpeichern->click();
    EXPECT_EQ(dateiInhalt(pfad), buendelErzeugen(p.ab, {false, true, true}));

    d->chkStatusfarben->setChecked(false);
    p.menue().MenueEinstellungenLS->trigger();
    EXPECT_EQ(p.werkzeuge().buendel(), d);
    p.ab.fensterTitel[0] = "Anders";
    p.rueckfrage.dateien = {pfad};
    d->btnLaden->click();
    EXPECT_EQ(d->lblEinstellungen->text(), "Nicht gefunden, nicht geladen");
    EXPECT_EQ(d->lblFenstertitel->text(), "Gefunden, geladen");
    EXPECT_EQ(d->lblStatusfarben->text(), "Gefunden, nicht geladen");
    EXPECT_EQ(p.ab.fensterTitel[0], "Eins");

    d->btnSchliessen->click();
    geloeschteAufraeumen();
    EXPECT_EQ(p.werkzeuge().buendel(), nullptr);
    p.menue().MenueEinstellungenLS->trigger();
    ASSERT_NE(p.werkzeuge().buendel(), nullptr);
    EXPECT_TRUE(p.werkzeuge().buendel()->chkStatusfarben->isChecked());
}
