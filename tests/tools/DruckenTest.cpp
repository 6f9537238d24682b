#include "tools/Drucken.h"

#include "core/overview/FeldInhalt.h"
#include "core/print/Druckauswahl.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/AnwendungsUmfeld.h"
#include "support/FehlerSchreiber.h"
#include "tools/DruckauswahlDialog.h"
#include "ui/Druckseiten.h"
#include "ui/Farben.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
// A fleet of 100 vehicles, two of them in window 1, a text in window 2, one place.
void fuellen(Arbeitsbereich& ab) {
    for (int i = 0; i < 100; ++i) {
        Fahrzeug fz;
        fz.rufname = QStringLiteral("Fz %1").arg(i, 3, 10, QLatin1Char('0'));
        fz.kennung = QStringLiteral("6A12%1").arg(i, 4, 10, QLatin1Char('0'));
        fz.stat = "3";
        fz.zeit = "10:00:00";
        ab.fahrzeuge.push_back(fz);
    }
    for (int f : {0, 2})
        feldMitFahrzeug(ab, ab.felder[f], ab.fahrzeuge[f].rufname, ab.fahrzeuge[f].kennung, "3", "10:00:00",
                        "ELW 1");
    feldMitText(ab.felder[60], QStringLiteral("Bereitschaft"));
    for (int w = 0; w < AnzahlFenster; ++w)
        ab.fensterTitel[w] = QStringLiteral("Wache %1").arg(QChar(u'A' + w));
    ab.orte.satzEinfuegen(QStringLiteral("6A12Musterstadt").leftJustified(54));
    ab.aktionenMenueAktiv = true;
    FahrzeuglisteAktualisieren(ab);
}

// The text of each page of a PDF, as a reader would select it.
QStringList seitenTexte(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    QStringList seiten = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    seiten.removeLast(); // after the last page's form feed
    return seiten;
}

Druckauswahl alles() {
    Druckauswahl a;
    a.fahrzeuge = a.orte = a.aktionen = true;
    return a;
}
} // namespace

// All eight windows and the three tables: every page is there, with its heading, the fields'
// call names, the table captions repeated on every page, and the footer's count.
TEST(Drucken, PdfMitAllenSeiten) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) fehlt";
    TestArbeitsbereich t;
    fuellen(t.ab);
    QWidget fenster;
    Drucken d(t.ab, t.rueckfrage, &fenster);
    d.uhr = [] { return QDate(2026, 12, 6); };
    ASSERT_TRUE(d.pdfSchreiben(alles(), t.pfad("a.pdf")));

    const QStringList seiten = seitenTexte(t.pfad("a.pdf"));
    ASSERT_EQ(seiten.size(), 8 + 3 + 1 + 1); // 100 vehicles at 39 a page
    for (int w = 0; w < AnzahlFenster; ++w)
        EXPECT_TRUE(seiten[w].contains(t.ab.fensterTitel[w])) << w;
    for (const char* name : {"Fz 000", "Fz 002", "6A120002", "ELW 1"})
        EXPECT_TRUE(seiten[0].contains(name)) << name;
    EXPECT_TRUE(seiten[1].contains("Bereitschaft"));
    for (int s = 8; s < 11; ++s)
        EXPECT_TRUE(seiten[s].contains("Rufname") && seiten[s].contains("Bemerkung")) << s;
    EXPECT_TRUE(seiten[10].contains("Fz 099"));
    EXPECT_FALSE(seiten[10].contains("Fz 077")) << "a row on one page only";
    EXPECT_TRUE(seiten[8].contains("* = Nicht aufgenommen (98 von 100)"));
    EXPECT_TRUE(seiten[11].contains("Musterstadt"));
    EXPECT_TRUE(seiten[12].contains(QStringLiteral("(keine Eintr\u00e4ge)")));
    EXPECT_TRUE(seiten[12].contains("Seite 13 von 13") && seiten[12].contains("06.12.2026"));
}

// The image of a page: the status square of a vehicle's field in its status colour, a free field
// without one.
TEST(Drucken, StatusfarbeImBild) {
    TestArbeitsbereich t;
    fuellen(t.ab);
    Druckauswahl nurEins;
    nurEins.fenster.fill(false);
    nurEins.fenster[0] = true;
    Druckseiten seiten(t.ab, nurEins, "ordner", "06.12.2026");
    const QSizeF flaeche(773, 527);
    ASSERT_EQ(seiten.planen(flaeche), 1);
    const double dpi = 96;
    const QImage bild = seiten.bild(0, dpi);
    const Rasterlage lage = rasterAufSeite(flaeche.width(), flaeche.height());
    const auto punkt = [&](int feld) {
        const QRectF r = lage.element(feld, lage.raster.status.ort);
        return (QPointF(r.left() + 2, r.top() + 2) * dpi / 72).toPoint();
    };
    EXPECT_EQ(bild.pixelColor(punkt(0)), qtFarbe(t.ab.felder[0].statusFarbe));
    EXPECT_EQ(bild.pixelColor(punkt(2)), qtFarbe(StandardStatusfarben[3]));
    EXPECT_NE(bild.pixelColor(punkt(1)), qtFarbe(StandardStatusfarben[3])) << "a free field shows no status";
}

// A PDF that cannot be written is said by name; the older file stays.
TEST(Drucken, SchreibfehlerBehaeltAlteDatei) {
    TestArbeitsbereich t;
    FehlerSchreiber kaputt(FehlerSchreiber::Art::BeimAbschluss);
    t.ab.setzeSchreiber(kaputt);
    const QString pfad = t.datei("alt.pdf", "alt");
    QWidget fenster;
    Drucken d(t.ab, t.rueckfrage, &fenster);
    EXPECT_FALSE(d.pdfSchreiben(Druckauswahl{}, pfad));
    ASSERT_EQ(t.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(t.rueckfrage.fragen[0].titel, "Als PDF exportieren");
    EXPECT_TRUE(t.rueckfrage.fragen[0].text.contains("alt.pdf"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "alt");
}

// From the menu: the dialog offers the last choice, the answer is kept for the next time, the
// file dialog names a PDF, and the file is written.
TEST(Drucken, MenueMerktAuswahlUndSchreibtPdf) {
    AnwendungsUmfeld u;
    u.starten();
    Drucken& d = u.anwendung->drucken();
    QList<Druckauswahl> angeboten;
    Druckauswahl gewaehlt;
    gewaehlt.fenster = {false, true, false, false, false, false, false, false};
    gewaehlt.orte = true;
    d.auswahlFragen = [&](const Druckauswahl& vorgabe) {
        angeboten << vorgabe;
        return std::optional(gewaehlt);
    };
    u.rueckfrage.dateien = {u.pfad("x.pdf"), std::nullopt};
    u.anwendung->form1().menue.MenuePdf->trigger();
    u.anwendung->form1().menue.MenuePdf->trigger(); // the file dialog cancelled: nothing written
    ASSERT_EQ(angeboten.size(), 2);
    EXPECT_EQ(angeboten[0], Druckauswahl{});
    EXPECT_EQ(angeboten[1], gewaehlt);
    EXPECT_EQ(u.rueckfrage.dateiDialoge[0].titel, "Als PDF exportieren");
    EXPECT_TRUE(u.rueckfrage.dateiDialoge[0].speichern);
    QFile pdf(u.pfad("x.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
}

// The dialog: the choice shown and read back; nothing chosen, no OK; actions only once read.
TEST(Drucken, AuswahlDialog) {
    TestArbeitsbereich t;
    Druckauswahl vorgabe;
    vorgabe.fenster[4] = false;
    vorgabe.aktionen = vorgabe.fahrzeuge = true;
    for (const bool gelesen : {false, true}) {
        t.ab.aktionenMenueAktiv = gelesen;
        DruckauswahlDialog dialog(t.ab, vorgabe);
        Druckauswahl erwartet = vorgabe;
        erwartet.aktionen = gelesen;
        EXPECT_EQ(dialog.auswahl(), erwartet) << gelesen;
        EXPECT_EQ(dialog.AktionenTabelle->isEnabled(), gelesen);
    }
    DruckauswahlDialog dialog(t.ab, vorgabe);
    QPushButton* ok = dialog.Knoepfe->button(QDialogButtonBox::Ok);
    for (QCheckBox* b : dialog.Fenster)
        b->setChecked(false);
    dialog.Fahrzeuge->setChecked(false);
    dialog.AktionenTabelle->setChecked(false);
    EXPECT_FALSE(ok->isEnabled());
    dialog.Fenster[7]->setChecked(true);
    EXPECT_TRUE(ok->isEnabled());
}
