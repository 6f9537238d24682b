// What the answers of the tool dialogs do.
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
// converts, "Abbrechen" does not. A colour changes when one is chosen, and stays so.
TEST(StatusUmwandelnDialog, ZuordnungUndFarben) {
    Programm p;
    p.fahrzeugAnhaengen("11110001", "1", "00:00:00");
    p.menue().MenueUmwandeln->trigger();
    StatusUmwandeln* d = p.werkzeuge().statusUmwandeln();
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
    EXPECT_EQ(d->StatusUFarbe[4]->palette().color(QPalette::Window), QColor(0, 255, 0));
    d->Abbrechen->click();
    EXPECT_EQ(p.ab.statusfarbe[4], 0x00FF00u) << "a chosen colour stays when the tool is cancelled";
}

// The time dialog begins with today and sets it; the settings boxes show what is stored and
// store only through their buttons; the title dialog stores only with "Speichern".
TEST(Werkzeugdialoge, AntwortenSchreibenNurUeberIhreKnoepfe) {
    Programm p;
    p.ab.heute = "05.06.24";
    p.fahrzeugAnhaengen("11110001", "2", "12:34:56");
    p.menue().MenueZeitenSetzen->trigger();
    ZeitSetzen* z = p.werkzeuge().zeitSetzen();
    EXPECT_EQ(z->ZeitNeu->text(), "05.06.24");
    z->Setzen->click();
    EXPECT_EQ(p.ab.fahrzeuge[0].zeit, "05.06.24");

    p.menue().MenueEinstellungen->trigger();
    Einstellungen* d = p.werkzeuge().einstellungen();
    d->TgMin->setText("60");
    d->TgMax->setText("99");
    d->Abbrechen->click();
    EXPECT_TRUE(p.speicher.alleLesen(anwendung::Velastat, sektion::Einstellungen).isEmpty());
    p.menue().MenueEinstellungen->trigger();
    EXPECT_EQ(d->TgMin->text(), "7");
    d->TgMin->setText("60");
    d->TgMax->setText("99");
    d->TgVlSetzen->click();
    EXPECT_EQ(d->TgMin->text(), "50");
    EXPECT_EQ(p.gespeichert(sektion::Einstellungen, "TgVorlaufMax"), "198");
    d->Spaltenbreite->setText("3500");
    d->SpBrSetzen->click();
    EXPECT_EQ(p.gespeichert(sektion::Ton5, "Spaltenbreite"), "3000");
    d->TgVlLoeschen->click();
    EXPECT_EQ(p.gespeichert(sektion::Einstellungen, "TgVorlaufMax"), "<keiner>");
    d->Abbrechen->click();

    const QString lang(75, QLatin1Char('x')); // longer than the box takes; must not be cut
    p.ab.fensterTitel[4] = lang;
    p.menue().MenuTitelFahrzeuguebersicht->trigger();
    TitelFahrzeuguebersicht* t = p.werkzeuge().titel();
    t->Titel[0]->setText("  Wache   ");
    t->Speichern->click();
    EXPECT_EQ(p.gespeichert(sektion::Fahrzeuguebersicht, "1"), "  Wache");
    EXPECT_EQ(p.gespeichert(sektion::Fahrzeuguebersicht, "5"), lang);
    EXPECT_EQ(p.anwendung->form1().fensterTab().leiste().tabText(0), "  Wache");
}

// The bundle dialog saves the chosen groups, shows what a load found, keeps its choices while
// open and starts with the defaults when opened anew.
TEST(BuendelDialog, LadenZeigtDieErgebnisseUndSpeichernSchreibt) {
    Programm p;
    const QString pfad = p.pfad("Einstellungen.BIN");
    p.menue().MenueEinstellungenLS->trigger();
    FrmEinstellungen* d = p.werkzeuge().buendel();
    p.rueckfrage.dateien = {pfad};
    d->btnSpeichern->click();
    EXPECT_EQ(dateiInhalt(pfad), buendelErzeugen(p.ab, {false, true, true}));
    d->chkStatusfarben->setChecked(false);
    p.menue().MenueEinstellungenLS->trigger();
    p.rueckfrage.dateien = {pfad};
    d->btnLaden->click();
    EXPECT_EQ(d->lblEinstellungen->text(), "Nicht gefunden, nicht geladen");
    EXPECT_EQ(d->lblFenstertitel->text(), "Gefunden, geladen");
    EXPECT_EQ(d->lblStatusfarben->text(), "Gefunden, nicht geladen");
    d->btnSchliessen->click();
    geloeschteAufraeumen();
    p.menue().MenueEinstellungenLS->trigger();
    EXPECT_TRUE(p.werkzeuge().buendel()->chkStatusfarben->isChecked());
}
