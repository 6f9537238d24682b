#include "overview/FensterAnsicht.h"
#include "overview/FensterTab.h"
#include "overview/Modusleiste.h"
#include "support/AnwendungsUmfeld.h"
#include "support/Saetze.h"
#include "ui/Fortschrittsstreifen.h"
#include "vehicles/FahrzeugEdit.h"

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
// The colour drawn in the status label of a field, taken beside its centred caption.
QColor statusPixel(Form1& f, int feld) {
    FensterAnsicht& a = f.tabFrame(fensterVon(feld));
    const QRectF r = a.statusRechteck(feld);
    return a.grab().toImage().pixelColor(QPointF(r.left() + 2, r.top() + 2).toPoint());
}
} // namespace

// Vehicles first, then settings, then the overview: the overview's vehicles find their status
// and take the stored colour; the windows show what was read. The same whether the vehicle file
// was read ahead or not.
TEST(Form1Start, GefertigteDateienUndEinstellungen) {
    for (const bool vorlesen : {false, true}) {
        SCOPED_TRACE(vorlesen ? "vorgelesen" : "selbst gelesen");
        AnwendungsUmfeld u;
        u.einstellung(sektion::Fahrzeuguebersicht, "8", QStringLiteral("S\u00fcd"));
        u.einstellung(sektion::Statusfarben, "3", "16711680"); // blue instead of yellow
        u.einstellung(sektion::BosKennung, "6", "BF/FF");
        u.zweiFahrzeuge();
        QList<QByteArray> saetze(60, statusSatz(0, {}));
        saetze[0] = statusSatz(1, "RTW 1", "6A000001");
        saetze[57] = statusSatz(1, "NEF 2", "6A000002");
        u.datei("Status.bin", statusDatei(saetze));
        u.datei("Orte.BIN", orteSatz('6', "A12", "Musterstadt") + orteSatz('7', "A12", "Musterstadt"));

        Form1& f = u.starten(vorlesen);
        EXPECT_EQ(u.ab.startFertig, 10);
        EXPECT_EQ(u.ab.heute, "07.03.24");
        EXPECT_EQ(QDir(u.ab.startverzeichnis).canonicalPath(), QDir(u.ordner.path()).canonicalPath());
        EXPECT_EQ(f.fensterTab().leiste().tabText(7), QStringLiteral("S\u00fcd"));
        EXPECT_EQ(u.ab.felder[57].status, "4");
        EXPECT_TRUE(u.ab.orte.liste[0].endsWith("BF/FF Undefiniert"));
        // The vehicle editor, opened after the start, lists the names read then.
        EXPECT_EQ(u.anwendung->fahrzeugEdit().BOSKennung->itemText(6), "6 BF/FF");
        EXPECT_EQ(statusPixel(f, 0), QColor(0, 0, 255));
        EXPECT_FALSE(f.statusBar().isVisible());
        EXPECT_EQ(f.statusBar().anzahlBereiche(), 3); // two green vehicle records merged, 416 records
        for (int w = 1; w <= 8; ++w)
            EXPECT_EQ(f.tabFrame(w).isVisible(), w == 1) << w;
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
    }
}

// Modes and size reach the core: a click sets the insert mode; a resize gives the grid of the
// new size, and a window set below the minimum sets itself back.
TEST(Form1Start, ModusknoepfeUndGroesseErreichenDenKern) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    Modusleiste& leiste = f.frame2();
    for (const int k : {3, 1, 4, 2}) {
        QTest::mouseClick(&leiste.modusButton(k), Qt::LeftButton);
        EXPECT_EQ(u.ab.einfuegemodus, k);
    }
    f.resize(900, 700);
    QTest::qWait(20);
    const Rasterlayout erwartet = rasterBerechnen(f.formBreite(), f.formHoehe());
    EXPECT_EQ(f.raster().fh, erwartet.fh);
    EXPECT_EQ(f.tabFrame(1).feldRechteck(5).left(), (erwartet.fw + 30) / 15.0);
    // Without a window manager nothing heeds the size hint: the window sets itself back.
    f.centralWidget()->setMinimumSize(0, 0);
    f.setMinimumSize(0, 0);
    f.resize(100, 100);
    QTest::qWait(20);
    EXPECT_GE(f.formBreite(), 6000);
    EXPECT_GE(f.formHoehe(), 5000);
}
