#include "app/AnwendungsUmfeld.h"
#include "overview/FensterAnsicht.h"
#include "overview/FensterTab.h"
#include "overview/Modusleiste.h"
#include "ui/Farben.h"
#include "ui/Fortschrittsstreifen.h"
#include "vehicles/FahrzeugEdit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
QStringList tabTitel(Form1& f) {
    QStringList t;
    for (int i = 0; i < f.fensterTab().leiste().count(); ++i)
        t << f.fensterTab().leiste().tabText(i);
    return t;
}

// The colour drawn in the status label of a field, taken beside its centred caption.
QColor statusPixel(Form1& f, int feld) {
    FensterAnsicht& a = f.tabFrame(fensterVon(feld));
    const QImage bild = a.grab().toImage();
    const QRectF r = a.statusRechteck(feld);
    return bild.pixelColor(QPointF(r.left() + 2, r.top() + 2).toPoint());
}

QStringList titel(const QList<QAction*>& aktionen) {
    QStringList t;
    for (QAction* a : aktionen)
        t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}

// The main window alone, before any start-up.
struct NurHauptfenster : TestArbeitsbereich {
    NurHauptfenster() : TestArbeitsbereich(Felder::Entwurf) {}
    Form1 f{ab, rueckfrage};
};
} // namespace

// Vehicles first, then settings, then the overview: the overview's vehicles find their status
// and take the stored colour; the windows show what was read. The same whether the vehicle file
// was read ahead or not.
TEST(Form1Start, GefertigteDateienUndEinstellungen) {
    for (const bool vorlesen : {false, true}) {
        SCOPED_TRACE(vorlesen ? "vorgelesen" : "selbst gelesen");
        AnwendungsUmfeld u;
        u.einstellung(sektion::Fahrzeuguebersicht, "2", "Wache Nord");
        u.einstellung(sektion::Fahrzeuguebersicht, "8", QStringLiteral("S\u00fcd"));
        u.einstellung(sektion::Statusfarben, "3", "16711680"); // blue instead of yellow
        u.einstellung(sektion::BosKennung, "6", "BF/FF");
        u.datei("FAHRZEUG.BIN", AnwendungsUmfeld::zweiFahrzeuge());
        QList<QByteArray> saetze(60, statusSatz(0, {}));
        saetze[0] = statusSatz(1, "RTW 1", "6A000001");
        saetze[1] = statusSatz(1, "Weg 1", "6A0000FF");
        saetze[57] = statusSatz(1, "NEF 2", "6A000002");
        u.datei("Status.bin", statusDatei(saetze));
        u.datei("Orte.BIN", ortSatz('6', "A12", "Musterstadt") + ortSatz('7', "A12", "Musterstadt") +
                                ortSatz('6', "A13", "Nachbarort"));

        Form1& f = u.starten(vorlesen);
        Arbeitsbereich& ab = u.ab;
        EXPECT_EQ(ab.startFertig, 10);
        EXPECT_EQ(ab.ungespeichert, 0);
        EXPECT_EQ(ab.heute, "07.03.24");
        EXPECT_EQ(QDir(ab.startverzeichnis).canonicalPath(), QDir(u.ordner.path()).canonicalPath());
        EXPECT_EQ(tabTitel(f), (QStringList{"Fester1", "Wache Nord", "Fenster3", "Fenster4", "Fenster5",
                                            "Fenster6", "Fenster7", QStringLiteral("S\u00fcd")}));
        EXPECT_EQ(ab.felder[0].statusFarbe, 16711680u);
        EXPECT_EQ(ab.felder[57].status, "4");
        EXPECT_EQ(ab.orte.anzahl, 3);
        EXPECT_TRUE(ab.orte.liste[0].endsWith("BF/FF Undefiniert"));
        // The vehicle editor, opened after the start, lists the names read then.
        EXPECT_EQ(u.anwendung->fahrzeugEdit().BOSKennung->itemText(6), "6 BF/FF");

        EXPECT_EQ(statusPixel(f, 0), QColor(0, 0, 255));
        EXPECT_NE(statusPixel(f, 1), qtFarbe(ab.felder[1].statusFarbe)) << "a free field shows no status";
        EXPECT_FALSE(f.statusBar().isVisible());
        EXPECT_EQ(f.statusBar().anzahlBereiche(), 3); // two green vehicle records merged, 416 records
        EXPECT_TRUE(f.tabFrame(1).isVisible());
        for (int w = 2; w <= 8; ++w)
            EXPECT_FALSE(f.tabFrame(w).isVisible()) << w;
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
    }
}

TEST(Form1Start, OhneDateienDieEntwurfsbeschriftungen) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    EXPECT_EQ(tabTitel(f), (QStringList{"Fester1", "Fenster2", "Fenster3", "Fenster4", "Fenster5", "Fenster6",
                                        "Fenster7", "Fenster8"}));
    EXPECT_EQ(statusPixel(f, 0), QColor(0, 0x80, 0));
    EXPECT_EQ(statusPixel(f, 51), QColor(0, 0x80, 0));
}

// Several spellings of a start file are named once the start is done.
TEST(Form1Start, MehrereSchreibweisenWerdenGenannt) {
    AnwendungsUmfeld u;
    if (!schreibweisenGetrennt(u.ordner.path()))
        GTEST_SKIP() << "the file system ignores case";
    u.datei("orte.bin", ortSatz('6', "A12", "Klein"));
    u.datei("Orte.BIN", ortSatz('6', "A12", "Gross"));
    u.starten();
    EXPECT_TRUE(u.ab.orte.liste[0].contains("Gross"));
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, "Mehrere Schreibweisen");
}

TEST(Form1Start, EinfuegemodusKnoepfe) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    Modusleiste& leiste = f.frame2();
    EXPECT_TRUE(leiste.modusButton(2).isChecked());
    for (const int k : {3, 1, 4, 2}) {
        QTest::mouseClick(&leiste.modusButton(k), Qt::LeftButton);
        EXPECT_EQ(u.ab.einfuegemodus, k);
        EXPECT_TRUE(leiste.modusButton(k).isChecked());
    }
}

TEST(Form1Start, GroesseFolgtDemRasterUndMinimierenBehaeltEs) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    // Until the first resize the fields keep their design geometry and fonts.
    EXPECT_EQ(f.raster().fh, 510);
    EXPECT_EQ(f.raster().status.punkte, 9.75);
    EXPECT_EQ(f.tabFrame(1).feldRechteck(5).topLeft(), QPointF(2190 / 15.0, 385 / 15.0));
    f.resize(900, 700);
    QTest::qWait(20);
    const Rasterlayout erwartet = rasterBerechnen(f.formBreite(), f.formHoehe());
    EXPECT_EQ(f.raster().fw, erwartet.fw);
    EXPECT_EQ(f.raster().fh, erwartet.fh);
    EXPECT_EQ(f.tabFrame(1).width(), qRound(erwartet.fensterBreite / 15));
    EXPECT_EQ(f.tabFrame(1).feldRechteck(5).left(), (erwartet.fw + 30) / 15.0);

    const QRect vorher = f.tabFrame(1).geometry();
    const int fw = f.raster().fw;
    f.showMinimized();
    QTest::qWait(20);
    f.showNormal();
    QTest::qWait(20);
    EXPECT_EQ(f.tabFrame(1).geometry(), vorher);
    EXPECT_EQ(f.raster().fw, fw);

    // Without a window manager nothing heeds the size hint: the window sets itself back.
    f.centralWidget()->setMinimumSize(0, 0);
    f.setMinimumSize(0, 0);
    f.resize(100, 100);
    QTest::qWait(20);
    EXPECT_GE(f.formBreite(), 6000);
    EXPECT_GE(f.formHoehe(), 5000);
    EXPECT_LT(f.formHoehe(), 5000 + 15); // the next whole pixel
    EXPECT_EQ(f.raster().fh, rasterBerechnen(f.formBreite(), f.formHoehe()).fh);
}

TEST(Form1Start, VorDemEndeDesStartsBleibtDasEntwurfsraster) {
    NurHauptfenster h;
    Form1& f = h.f;
    f.show();
    f.resize(900, 700);
    f.rasterAnwenden();
    EXPECT_EQ(f.raster().fw, 2160);
    EXPECT_EQ(f.raster().fh, 510);
    EXPECT_EQ(f.tabFrame(1).feldRechteck(5).topLeft(), QPointF(2190 / 15.0, 385 / 15.0));
    h.ab.startFertig = 10;
    f.rasterAnwenden();
    EXPECT_EQ(f.raster().fw, rasterBerechnen(f.formBreite(), f.formHoehe()).fw);
    EXPECT_NE(f.raster().fw, 2160);
}

TEST(Form1Menue, FensterTitelUndMenueleiste) {
    NurHauptfenster h;
    Form1& form = h.f;

    EXPECT_EQ(form.windowTitle(), "Tabulo v1.3.0");
    EXPECT_EQ(titel(form.menuBar()->actions()), (QStringList{"&Datei", "&Bearbeiten", "&Tools", "&?"}));
    EXPECT_EQ(titel(form.menue.MenueDatei->actions()),
              (QStringList{"Laden...", "Alles &Speichern", "Speichern...", "-", "&Drucken...",
                           "Seiten&ansicht...", "Als &PDF exportieren...", "-", "&Beenden"}));
    EXPECT_EQ(
        titel(form.menue.MenuXLaden->actions()),
        (QStringList{"Fahrzeugliste", "Ortskennungen", QStringLiteral("Status \u00dcbersicht"), "Aktionen"}));
    EXPECT_EQ(titel(form.menue.MenueBearbeiten->actions()),
              (QStringList{QStringLiteral("R\u00fcckg\u00e4ngig"), "Wiederholen", "-", "&Ortskennungen",
                           "Aktionen", QStringLiteral("&Titel der Fahrzeug\u00fcbersicht"), "&Einstellungen",
                           "-", "Undo: Ortskennungen neu laden", "Undo: Fahrzeuge neu laden",
                           QStringLiteral("Undo: Fzg.\u00dcbersicht neu laden")}));
    EXPECT_EQ(titel(form.menue.MenueTools->actions()),
              (QStringList{"Status &Umwandeln", "&Zeiten Setzen", "&Einstellungen Laden/Speichern",
                           QStringLiteral("&Pr\u00fcfen")}));
    EXPECT_EQ(titel(form.menue.MenueHelp->actions()), (QStringList{"Inf&o..."}));
    EXPECT_EQ(form.menue.MenueSpeichern->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(form.menue.MenueDrucken->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    // The action items wait for the action window.
    EXPECT_FALSE(form.menue.MenueLadenAktionen->isEnabled());
    EXPECT_FALSE(form.menue.MenueSpeichernAktionen->isEnabled());
}
