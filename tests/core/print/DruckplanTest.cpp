#include "core/files/EinstellungsSpeicher.h"
#include "core/print/Druckauswahl.h"
#include "core/print/Drucktabellen.h"
#include "core/print/Seitenplan.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
constexpr double A4Quer = 595.28 - 2 * 34.02; // printable height of landscape A4, 12 mm margins
const std::array<bool, AnzahlFenster> KeinFenster{};

QStringList zeile(const Drucktabelle& t, int z) {
    QStringList werte;
    for (int s = 0; s < t.spalten.size(); ++s)
        werte << t.zelle(z, s);
    return werte;
}
} // namespace

// Page breaks follow from the row counts alone; each row of a table lands on exactly one page.
TEST(Druckplan, SeitenUmbruch) {
    const int n = zeilenProSeite(A4Quer);
    EXPECT_EQ(n, 39);
    struct Fall {
        const char* fehler;
        std::array<bool, AnzahlFenster> fenster;
        std::vector<int> zeilen;
        double hoehe;
        std::vector<Seite> seiten;
    };
    const std::vector<Fall> faelle = {
        {"gewaehlte Fenster in ihrer Reihenfolge",
         {false, true, false, false, false, false, false, true},
         {},
         A4Quer,
         {{2, -1, 0, 0}, {8, -1, 0, 0}}},
        {"volle Seite bricht nicht um", KeinFenster, {n}, A4Quer, {{0, 0, 0, n}}},
        {"eine Zeile mehr bricht um", KeinFenster, {n + 1}, A4Quer, {{0, 0, 0, n}, {0, 0, n, 1}}},
        {"leere Tabelle behaelt ihre Seite", KeinFenster, {0, 3}, A4Quer, {{0, 0, 0, 0}, {0, 1, 0, 3}}},
        {"zu niedrige Seite nimmt eine Zeile", KeinFenster, {2}, 10, {{0, 0, 0, 1}, {0, 0, 1, 1}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fehler);
        EXPECT_EQ(seitenPlanen(f.fenster, f.zeilen, f.hoehe), f.seiten);
    }
    const std::vector<Seite> gross = seitenPlanen(KeinFenster, {10000}, A4Quer);
    EXPECT_EQ(gross.size(), size_t(10000 + n - 1) / n);
    EXPECT_EQ(gross.back().ersteZeile + gross.back().zeilen, 10000);
    EXPECT_EQ(seitenText(3, 12), "Seite 3 von 12");
}

// The grid keeps the screen's proportions inside a field box and fills the paper in one direction.
TEST(Druckplan, RasterFuelltDieSeite) {
    for (const auto& [b, h] : {std::pair{775.0, A4Quer}, std::pair{527.0, 775.0}, std::pair{2000.0, 300.0}}) {
        SCOPED_TRACE(b);
        const Rasterlage l = rasterAufSeite(b, h);
        const double rb = rasterBreite(l.raster) * l.massstab, rh = rasterHoehe(l.raster) * l.massstab;
        const double frei = h - druckmass::Titel - druckmass::Fuss;
        EXPECT_LE(rb, b + 1e-6);
        EXPECT_LE(rh, frei + 1e-6);
        EXPECT_TRUE(rb > b * 0.99 || rh > frei * 0.99);
        EXPECT_NEAR(l.links * 2 + rb, b, 1e-6) << "centred";
        EXPECT_EQ(l.oben, druckmass::Titel);
        EXPECT_GE(l.raster.formBreite, MindestBreite);
        const QRectF status = l.element(51, l.raster.status.ort);
        EXPECT_TRUE(l.feld(51).contains(status.center()));
    }
}

// The choice is kept under the program's own name; a damaged value gives the default.
TEST(Druckplan, AuswahlGemerkt) {
    SpeicherImSpeicher s;
    EXPECT_EQ(druckauswahlLesen(s), Druckauswahl{});
    Druckauswahl keinFenster;
    keinFenster.fenster.fill(false);
    keinFenster.orte = true;
    Druckauswahl einige;
    einige.fenster = {true, false, true, false, false, false, false, true};
    einige.fahrzeuge = einige.aktionen = true;
    for (const Druckauswahl& a : {keinFenster, einige, Druckauswahl{}}) {
        druckauswahlSpeichern(s, a);
        EXPECT_EQ(druckauswahlLesen(s), a);
    }
    EXPECT_EQ(s.lesen(QStringLiteral("Tabulo"), QStringLiteral("Drucken"), QStringLiteral("Fenster"), {}),
              "12345678");
    for (const QString& sektion : {sektion::Einstellungen, QStringLiteral("Drucken")})
        EXPECT_TRUE(s.alleLesen(anwendung::Velastat, sektion).isEmpty()) << "nothing in the host's store";
    for (const char* kaputt : {"19", "abc", ""}) {
        s.speichern(QStringLiteral("Tabulo"), QStringLiteral("Drucken"), QStringLiteral("Fenster"), kaputt);
        EXPECT_EQ(druckauswahlLesen(s).fenster, Druckauswahl{}.fenster) << kaputt;
    }
}

// What each table prints: the columns a reader needs, in the order shown, marks where they belong.
TEST(Druckplan, TabellenInhalt) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    ab.fahrzeuge = {{"RTW 1", "6A000001", "3", "10:00:00", "Wache", "Bem", "12", "Daten"},
                    {"NEF 2", "6A000002", "4", "11:00:00", "Klinik", "", "", ""}};
    ab.felder[5].kennung = "6A000002";
    FahrzeuglisteAktualisieren(ab);
    const Drucktabelle f = fahrzeugDrucktabelle(ab);
    EXPECT_EQ(f.spalten, (QStringList{"", "Rufname", "Kennung", "Stat", "Zeit", "Info", "Bemerkung"}));
    EXPECT_EQ(f.breiten.size(), size_t(f.spalten.size()));
    EXPECT_EQ(zeile(f, 0), (QStringList{"*", "RTW 1", "6A000001", "3", "10:00:00", "Wache", "Bem"}));
    EXPECT_EQ(zeile(f, 1).first(), "") << "a placed vehicle carries no mark";
    EXPECT_TRUE(f.markiert(0));
    EXPECT_FALSE(f.markiert(1));
    EXPECT_EQ(f.hinweis, "* = Nicht aufgenommen (1 von 2)");

    ab.landName[10] = "Musterland";
    ab.bosName[6] = "BF/FF";
    ab.bosName[8] = "ASB";
    ab.orte.satzEinfuegen(QStringLiteral("6A12Musterstadt").leftJustified(54));
    ab.orte.satzEinfuegen(QStringLiteral("8A12Musterstadt").leftJustified(54));
    ab.orte.satzEinfuegen(QStringLiteral("6A13Leer").leftJustified(54));
    ab.orte.maske[1] = 0; // every BOS-Kennung taken away: the file gets no record of it
    ab.orte.satzEinfuegen(QStringLiteral("6B01Nachbarort").leftJustified(54));
    const Drucktabelle o = orteDrucktabelle(ab);
    ASSERT_EQ(o.zeilen, 2);
    EXPECT_EQ(zeile(o, 0), (QStringList{"A Musterland", "12", "Musterstadt", "BF/FF, ASB"}));
    EXPECT_EQ(zeile(o, 1), (QStringList{"B Undefiniert", "01", "Nachbarort", "BF/FF"}));

    ab.aktionen = {{"RTW 1", "3", "FZ<->LST", "C:\\a.exe 6A000001", "6A000001", 0}};
    const Drucktabelle a = aktionenDrucktabelle(ab);
    EXPECT_EQ(zeile(a, 0), (QStringList{"RTW 1", "3", "FZ<->LST", "C:\\a.exe 6A000001", "6A000001"}));
    EXPECT_EQ(a.spalten.size(), 5);
}
