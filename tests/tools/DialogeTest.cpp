#include "core/settings/Einstellungsbuendel.h"
#include "support/Umgebung.h"
#include "tools/Einstellungen.h"
#include "tools/FrmEinstellungen.h"
#include "tools/StatusUmwandeln.h"
#include "tools/TitelFahrzeuguebersicht.h"
#include "tools/Werkbank.h"
#include "tools/ZeitSetzen.h"
#include "ui/Farben.h"
#include "ui/Fortschrittsstreifen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tabulo;
using test::Programm;

namespace {
QString gespeichert(const Programm& p, const QString& sekt, const QString& schluessel) {
    return p.speicher.lesen(anwendung::Velastat, sekt, schluessel, QStringLiteral("<keiner>"));
}
} // namespace

// Rows 1 to 9, then 0; each opening begins with every status mapped to itself.
TEST(StatusUmwandelnDialog, JedesOeffnenBeginntMitDerGleichenZuordnung) {
    Programm p;
    p.fahrzeugAnhaengen("11110001", "1", "00:00:00");
    p.menue().MenueUmwandeln->trigger();
    StatusUmwandeln* d = p.w().statusUmwandeln();
    ASSERT_NE(d, nullptr);
    const int reihenfolge[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    for (int i = 1; i < 10; ++i)
        EXPECT_LT(d->StatusUFarbe[reihenfolge[i - 1]]->y(), d->StatusUFarbe[reihenfolge[i]]->y());
    EXPECT_EQ(d->StatusUFarbe[1]->toolTip(), "Hier klicken um Farben zu bearbeiten");
    EXPECT_TRUE(d->StatusUFarbe[3]->toolTip().isEmpty());
    d->StatusNeu[1]->setCurrentIndex(5);
    d->Abbrechen->click();
    EXPECT_EQ(p.ab.fahrzeuge[0].stat, "1");
    EXPECT_EQ(p.ab.ungespeichert, 0);

    p.menue().MenueUmwandeln->trigger();
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(d->StatusNeu[k]->currentText(), QString::number(k));
    d->StatusNeu[1]->setCurrentIndex(2);
    d->StatusNeu[2]->setCurrentIndex(3);
    d->Umwandeln->click();
    EXPECT_EQ(p.ab.fahrzeuge[0].stat, "2");
    EXPECT_TRUE(p.ab.istUngespeichert(DokStatusuebersicht));
    EXPECT_EQ(d->StatusBar->anzahlBereiche(), 1); // the slices of one pass merge
    EXPECT_FALSE(d->StatusBar->isVisible());
}

// A colour changes only when one is chosen, and stays when the tool is cancelled; every opening
// shows the colours as they are then.
TEST(StatusUmwandelnDialog, KlickAufFarbeAendertSieNurWennGewaehlt) {
    Programm p;
    p.menue().MenueUmwandeln->trigger();
    StatusUmwandeln* d = p.w().statusUmwandeln();
    EXPECT_EQ(d->StatusUFarbe[4]->palette().color(QPalette::Window), qtFarbe(StandardStatusfarben[4]));

    QTest::mouseClick(d->StatusUFarbe[4], Qt::LeftButton); // colour dialog cancelled
    EXPECT_EQ(p.ab.statusfarbe[4], StandardStatusfarben[4]);
    EXPECT_EQ(gespeichert(p, sektion::Statusfarben, "4"), "<keiner>");

    p.rueckfrage.farben.push_back(Farbe{0x00FF00});
    QTest::mouseClick(d->StatusUFarbe[4], Qt::LeftButton);
    EXPECT_EQ(p.ab.statusfarbe[4], 0x00FF00u);
    EXPECT_EQ(gespeichert(p, sektion::Statusfarben, "4"), "65280");
    EXPECT_EQ(d->StatusUFarbe[4]->palette().color(QPalette::Window), QColor(0, 255, 0));
    d->Abbrechen->click();
    EXPECT_EQ(p.ab.statusfarbe[4], 0x00FF00u);

    p.ab.statusfarbe[7] = 0x0000FF; // as a loaded bundle would
    p.menue().MenueUmwandeln->trigger();
    EXPECT_EQ(d->StatusUFarbe[7]->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST(ZeitSetzenDialog, BeginntMitHeuteUndSetztUhrzeiten) {
    Programm p;
    p.ab.heute = "05.06.24";
    p.fahrzeugAnhaengen("11110001", "2", "12:34:56");
    p.fahrzeugAnhaengen("11110002", "2", "01.02.24");
    p.menue().MenueZeitenSetzen->trigger();
    ZeitSetzen* d = p.w().zeitSetzen();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ZeitNeu->text(), "05.06.24");
    d->ZeitNeu->setText("1:2");
    d->Setzen->click();
    EXPECT_EQ(p.ab.fahrzeuge[0].zeit, "1:2     ");
    EXPECT_EQ(p.ab.fahrzeuge[1].zeit, "01.02.24");
    EXPECT_EQ(p.ab.ungespeichert, DokFahrzeugliste);

    p.menue().MenueZeitenSetzen->trigger();
    EXPECT_EQ(d->ZeitNeu->text(), "05.06.24");
}

TEST(EinstellungenDialog, ZeigtGespeichertesUndSchreibtNurUeberSeineKnoepfe) {
    Programm p;
    p.menue().MenueEinstellungen->trigger();
    Einstellungen* d = p.w().einstellungen();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->TgMin->text(), "7");
    EXPECT_EQ(d->TgMax->text(), "19");
    EXPECT_EQ(d->Spaltenbreite->text(), "758");

    d->TgMin->setText("60");
    d->Spaltenbreite->setText("3500");
    d->Abbrechen->click(); // closing stores nothing
    EXPECT_TRUE(p.speicher.alleLesen(anwendung::Velastat, sektion::Einstellungen).isEmpty());
    EXPECT_TRUE(p.speicher.alleLesen(anwendung::Velastat, sektion::Ton5).isEmpty());

    p.menue().MenueEinstellungen->trigger();
    d->TgMin->setText("60");
    d->TgMax->setText("99");
    d->TgVlSetzen->click();
    EXPECT_EQ(d->TgMin->text(), "50");
    EXPECT_EQ(gespeichert(p, sektion::Einstellungen, "TgVorlaufMin"), "100");
    EXPECT_EQ(gespeichert(p, sektion::Einstellungen, "TgVorlaufMax"), "198");
    d->Spaltenbreite->setText("3500");
    d->SpBrSetzen->click();
    EXPECT_EQ(d->Spaltenbreite->text(), "3000");
    EXPECT_EQ(gespeichert(p, sektion::Ton5, "Spaltenbreite"), "3000");
    d->Uebernehmen->click();

    // A stored maximum of 100 bits is shown whole, not cut to the box's two characters.
    p.speicher.speichern(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMax", "200");
    p.menue().MenueEinstellungen->trigger();
    EXPECT_EQ(d->TgMin->text(), "50");
    EXPECT_EQ(d->TgMax->text(), "100");
    d->TgVlSetzen->click();
    EXPECT_EQ(gespeichert(p, sektion::Einstellungen, "TgVorlaufMax"), "200");

    d->TgVlLoeschen->click();
    d->SpBrLoeschen->click();
    EXPECT_EQ(d->TgMin->text(), "50"); // the boxes keep their contents
    d->Abbrechen->click();
    p.menue().MenueEinstellungen->trigger();
    EXPECT_EQ(d->TgMin->text(), "7");
    EXPECT_EQ(d->TgMax->text(), "19");
    EXPECT_EQ(d->Spaltenbreite->text(), "758");
}

TEST(TitelDialog, ZeigtDieTabsUndSpeichertOhneEndLeerzeichen) {
    Programm p;
    p.ab.fensterTitel[2] = "Rettungsdienst";
    const QString lang(75, QLatin1Char('x')); // longer than the box takes; must not be cut
    p.ab.fensterTitel[4] = lang;
    p.menue().MenuTitelFahrzeuguebersicht->trigger();
    TitelFahrzeuguebersicht* d = p.w().titel();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Titel[0]->text(), "Fester1");
    EXPECT_EQ(d->Titel[2]->text(), "Rettungsdienst");
    EXPECT_EQ(d->Titel[4]->text(), lang);

    d->Titel[0]->setText("Nicht gespeichert");
    d->Abbrechen->click();
    test::geloeschteAufraeumen();
    EXPECT_EQ(p.ab.fensterTitel[0], "Fester1");
    EXPECT_EQ(gespeichert(p, sektion::Fahrzeuguebersicht, "1"), "<keiner>");

    p.menue().MenuTitelFahrzeuguebersicht->trigger();
    d = p.w().titel();
    QSignalSpy titel(&p.ab, &Arbeitsbereich::titelVeraendert);
    d->Titel[0]->setText("  Wache   ");
    d->Speichern->click();
    EXPECT_EQ(p.ab.fensterTitel[0], "  Wache");
    EXPECT_EQ(gespeichert(p, sektion::Fahrzeuguebersicht, "1"), "  Wache");
    EXPECT_EQ(gespeichert(p, sektion::Fahrzeuguebersicht, "3"), "Rettungsdienst");
    EXPECT_EQ(p.ab.fensterTitel[4], lang);
    EXPECT_EQ(titel.count(), 1);
    EXPECT_EQ(p.ab.ungespeichert, 0);
}

// The bundle dialog locks nothing; it keeps its choices while open and starts with the defaults
// each time it is opened anew.
TEST(BuendelDialog, LadenZeigtDieErgebnisseUndSpeichernSchreibt) {
    Programm p;
    const QString pfad = p.pfad("Einstellungen.BIN");
    p.menue().MenueEinstellungenLS->trigger();
    FrmEinstellungen* d = p.w().buendel();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(p.app.form1().isEnabled());
    EXPECT_FALSE(d->chkEinstellungen->isChecked());
    EXPECT_TRUE(d->chkStatusfarben->isChecked());

    d->btnLaden->click(); // cancelled
    EXPECT_EQ(d->lblFenstertitel->text(), "");

    p.ab.fensterTitel[0] = "Eins";
    p.rueckfrage.dateien.push_back(pfad);
    d->btnSpeichern->click();
    EXPECT_EQ(test::dateiInhalt(pfad), buendelErzeugen(p.ab, {false, true, true}));

    d->chkStatusfarben->setChecked(false);
    p.menue().MenueEinstellungenLS->trigger(); // the same window, choices kept
    EXPECT_EQ(p.w().buendel(), d);
    p.ab.fensterTitel[0] = "Anders";
    p.rueckfrage.dateien.push_back(pfad);
    d->btnLaden->click();
    EXPECT_EQ(d->lblEinstellungen->text(), "Nicht gefunden, nicht geladen");
    EXPECT_EQ(d->lblFenstertitel->text(), "Gefunden, geladen");
    EXPECT_EQ(d->lblStatusfarben->text(), "Gefunden, nicht geladen");
    EXPECT_EQ(p.ab.fensterTitel[0], "Eins");

    d->btnSchliessen->click();
    test::geloeschteAufraeumen();
    EXPECT_EQ(p.w().buendel(), nullptr);
    p.menue().MenueEinstellungenLS->trigger();
    ASSERT_NE(p.w().buendel(), nullptr);
    EXPECT_TRUE(p.w().buendel()->chkStatusfarben->isChecked());
}
