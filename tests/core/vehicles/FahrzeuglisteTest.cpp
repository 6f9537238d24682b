#include "core/vehicles/Fahrzeugliste.h"

#include "core/vehicles/FahrzeugModelle.h"
#include "support/Fahrzeuge.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(Fahrzeugliste, ZaehlzeileUndNichtAufgenommeneInListenfolge) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    for (int i = 0; i < 40; ++i)
        ab.fahrzeuge.push_back(fahrzeug(QStringLiteral("6A12%1").arg(i, 4, 10, QLatin1Char('0'))));
    for (int i = 0; i < 40; ++i)
        if (i != 5 && i != 17 && i != 39)
            fahrzeugInFeld(ab, i * 10, ab.fahrzeuge[i]);
    FahrzeuglisteAktualisieren(ab);
    EXPECT_EQ(ab.nichtAufgenommen, (std::vector<int>{5, 17, 39}));
    EXPECT_EQ(nichtAufgenommenText(ab), "Nicht aufgenommen (3 von 40):");
}

TEST(Fahrzeugliste, LoeschenInDerListeGibtAlleFelderFrei) {
    struct Fall {
        const char* name;
        Fahrzeug geloescht;
        QList<int> felder; // fields showing it
    };
    const Fall faelle[] = {
        {"zwei Felder zeigen es", fahrzeug("6A124401"), {4, 200}},
        {"kein Feld zeigt es", fahrzeug("6A124401"), {}},
        {"gepolsterte Kennung", fahrzeug("6A12    "), {8}},
        // A vehicle without identifier must not free text fields, whose identifier is empty too.
        {"leere Kennung", fahrzeug(""), {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich t;
        Arbeitsbereich& ab = t.ab;
        ab.fahrzeuge = {fahrzeug("11111111"), f.geloescht, fahrzeug("22222222")};
        for (int i : f.felder)
            fahrzeugInFeld(ab, i, f.geloescht);
        fahrzeugInFeld(ab, 5, ab.fahrzeuge[0]);
        ab.felder[6].feldtyp = FeldText;
        ab.felder[6].text = "Notiz";
        const Feld andere = ab.felder[5];
        const Feld text = ab.felder[6];
        FahrzeuglisteAktualisieren(ab);
        ab.statusfarbe[4] = 0x445566;

        FahrzeugLoeschen(ab, 1, t.fortschritt);

        EXPECT_EQ(t.kennungen(), (QStringList{"11111111", "22222222"}));
        for (int i : f.felder) {
            const Feld& feld = ab.felder[i];
            EXPECT_EQ(feld.feldtyp, FeldFrei);
            EXPECT_EQ(feld.text, "Frei");
            EXPECT_FALSE(feld.statusSichtbar);
            EXPECT_TRUE(feld.fahrzeug.isEmpty() && feld.kennung.isEmpty() && feld.status.isEmpty() &&
                        feld.zeit.isEmpty() && feld.info.isEmpty());
        }
        EXPECT_EQ(ab.felder[5], andere);
        EXPECT_EQ(ab.felder[6], text);
        EXPECT_EQ(ab.istUngespeichert(DokStatusuebersicht), !f.felder.isEmpty());
        EXPECT_TRUE(ab.istUngespeichert(DokFahrzeugliste));
        EXPECT_EQ(ab.nichtAufgenommen, std::vector<int>{1});
        EXPECT_EQ(t.fortschritt.bereiche.size(), AnzahlFelder);
        EXPECT_EQ(t.fortschritt.bereiche.back().farbe, 0x445566u);
        EXPECT_EQ(t.fortschritt.verborgen, 1);
    }
}

TEST(Fahrzeugliste, LoeschenNichtAufgenommenerTrifftGenauDieseZeile) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    // Two entries with one (padded) identifier: the chosen one goes, not the first match.
    ab.fahrzeuge = {fahrzeug("1234    ", "erster"), fahrzeug("99999999"), fahrzeug("1234    ", "zweiter")};
    fahrzeugInFeld(ab, 0, ab.fahrzeuge[1]);
    const Feld feld = ab.felder[0];
    FahrzeuglisteAktualisieren(ab);
    ASSERT_EQ(ab.nichtAufgenommen, (std::vector<int>{0, 2}));
    NichtAufgenommenLoeschen(ab, 2);
    ASSERT_EQ(ab.fahrzeuge.size(), 2u);
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "erster");
    EXPECT_EQ(ab.felder[0], feld);
    EXPECT_EQ(ab.nichtAufgenommen, std::vector<int>{0});
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste);
}

TEST(Fahrzeugliste, LoeschenAusserhalbDerListeTutNichts) {
    TestArbeitsbereich t;
    t.ab.fahrzeuge = {fahrzeug("11111111")};
    FahrzeugLoeschen(t.ab, 1, t.fortschritt);
    FahrzeugLoeschen(t.ab, -1, t.fortschritt);
    NichtAufgenommenLoeschen(t.ab, 5);
    EXPECT_EQ(t.ab.fahrzeuge.size(), 1u);
    EXPECT_EQ(t.ab.ungespeichert, 0);
}
