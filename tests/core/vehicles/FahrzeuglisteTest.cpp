#include "core/vehicles/Fahrzeugliste.h"

#include "core/overview/FeldInhalt.h"
#include "core/vehicles/FahrzeugModelle.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(Fahrzeugliste, NichtAufgenommeneInListenfolge) {
    TestArbeitsbereich t;
    for (int i = 0; i < 40; ++i)
        t.ab.fahrzeuge.push_back(fahrzeug(QStringLiteral("6A12%1").arg(i, 4, 10, QLatin1Char('0'))));
    for (int i = 0; i < 40; ++i)
        if (i != 5 && i != 17 && i != 39)
            fahrzeugInFeld(t.ab, i * 10, t.ab.fahrzeuge[i]);
    FahrzeuglisteAktualisieren(t.ab);
    EXPECT_EQ(t.ab.nichtAufgenommen, (std::vector<int>{5, 17, 39}));
    EXPECT_EQ(nichtAufgenommenText(t.ab), "Nicht aufgenommen (3 von 40):");
}

// Deleting a vehicle frees every field that shows it, and only those.
TEST(Fahrzeugliste, LoeschenInDerListeGibtAlleFelderFrei) {
    const struct {
        const char* name;
        Fahrzeug geloescht;
        QList<int> felder; // fields showing it
    } faelle[] = {
        {"zwei Felder zeigen es", fahrzeug("6A124401"), {4, 200}},
        {"kein Feld zeigt es", fahrzeug("6A124401"), {}},
        {"gepolsterte Kennung", fahrzeug("6A12    "), {8}},
        // A vehicle without identifier must not free text fields, whose identifier is empty too.
        {"leere Kennung", fahrzeug(""), {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich t;
        Arbeitsbereich& ab = t.ab;
        ab.fahrzeuge = {fahrzeug("11111111"), f.geloescht, fahrzeug("22222222")};
        for (int i : f.felder)
            fahrzeugInFeld(ab, i, f.geloescht);
        fahrzeugInFeld(ab, 5, ab.fahrzeuge[0]);
        feldMitText(ab.felder[6], "Notiz");
        auto erwartet = ab.felder;
        for (int i : f.felder)
            feldFreimachen(erwartet[i]);
        FahrzeuglisteAktualisieren(ab);

        FahrzeugLoeschen(ab, 1, t.fortschritt);

        EXPECT_EQ(t.kennungen(), (QStringList{"11111111", "22222222"}));
        EXPECT_EQ(ab.felder, erwartet);
        EXPECT_EQ(ab.nichtAufgenommen, std::vector<int>{1});
    }
}

// From the list of vehicles not placed the chosen row goes, not the first one with its
// identifier; rows outside the list change nothing.
TEST(Fahrzeugliste, LoeschenTrifftGenauDieseZeile) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    ab.fahrzeuge = {fahrzeug("1234    ", "erster"), fahrzeug("99999999"), fahrzeug("1234    ", "zweiter")};
    fahrzeugInFeld(ab, 0, ab.fahrzeuge[1]);
    const Feld feld = ab.felder[0];
    FahrzeuglisteAktualisieren(ab);
    for (const int zeile : {-1, 3}) {
        FahrzeugLoeschen(ab, zeile, t.fortschritt);
        NichtAufgenommenLoeschen(ab, zeile);
    }
    EXPECT_EQ(ab.fahrzeuge.size(), 3u);
    EXPECT_EQ(ab.ungespeichert, 0);
    NichtAufgenommenLoeschen(ab, 2);
    ASSERT_EQ(ab.fahrzeuge.size(), 2u);
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "erster");
    EXPECT_EQ(ab.felder[0], feld);
    EXPECT_EQ(ab.nichtAufgenommen, std::vector<int>{0});
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste);
}
