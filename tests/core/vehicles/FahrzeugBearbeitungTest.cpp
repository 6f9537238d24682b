#include "core/vehicles/FahrzeugBearbeitung.h"

#include "core/vehicles/Fahrzeugliste.h"
#include "support/Fahrzeuge.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(FahrzeugEditor, AnzeigeBeimOeffnen) {
    struct Fall {
        const char* name;
        Fahrzeug f;
        std::array<int, 8> ziffern;
        int status;
    };
    Fahrzeug gepolstert = fahrzeug(" 1a23  ", "  RTW     ", " 7");
    gepolstert.bemerkung = QString("Bem") + QString(253, ' ');
    const Fall faelle[] = {
        {"Ziffern in ihrer Reihenfolge", fahrzeug("1A230047", "x", "3"), {1, 10, 2, 3, 0, 0, 4, 7}, 3},
        {"Blanks aussen weg, Kleinbuchstaben, fehlende Stellen 0", gepolstert, {1, 10, 2, 3, 0, 0, 0, 0}, 7},
        {"keine Hex-Ziffer waehlt 0", fahrzeug("XYZ9G00F"), {0, 0, 0, 9, 0, 0, 0, 15}, 2},
        {"Status ueber 9 waehlt nichts", fahrzeug("12345678", "x", "12"), {1, 2, 3, 4, 5, 6, 7, 8}, -1},
        {"Status ohne Zahl ist 0", fahrzeug("12345678", "x", "abc"), {1, 2, 3, 4, 5, 6, 7, 8}, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const EditorAnzeige a = editorAnzeigeFuer(f.f);
        EXPECT_EQ(a.ziffern, f.ziffern);
        EXPECT_EQ(a.status, f.status);
    }
    const EditorAnzeige a = editorAnzeigeFuer(gepolstert);
    EXPECT_EQ(a.rufname, "RTW");
    EXPECT_EQ(a.bemerkung, "Bem");
    EXPECT_EQ(a.zeit, "12:00:00");
}

TEST(FahrzeugEditor, KennungZusammensetzen) {
    struct Fall {
        std::array<QString, 8> texte;
        QString kennung;
    };
    const Fall faelle[] = {
        {{"6 Feuerwehr", "A Bayern", "1", "2", "4", "4", "0", "1"}, "6A124401"},
        {{"", "A Bayern", "1", "2", "4", "4", "0", "1"},
         "A1244010"}, // unselected list: shorter, filled with 0
        {{"6 Feuerwehr", "A Bayern", "1", "2", "", "", "", ""}, "6A120000"},
        {{"", "", "", "", "", "", "", ""}, "00000000"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(kennungZusammensetzen(f.texte), f.kennung);
}

namespace {

FahrzeugEingabe eingabe(const QString& kennung, const QString& rufname, const QString& status = "4") {
    FahrzeugEingabe e;
    e.kennung = {
        kennung.mid(0, 1) + " Name", kennung.mid(1, 1) + " Land", kennung.mid(2, 1), kennung.mid(3, 1),
        kennung.mid(4, 1),           kennung.mid(5, 1),           kennung.mid(6, 1), kennung.mid(7, 1)};
    e.status = status;
    e.rufname = rufname;
    e.info = "HLF";
    e.zeit = "01.02.26";
    e.bemerkung = "neu";
    return e;
}

} // namespace

TEST(FahrzeugEditor, UebernehmenAendertAlleZeilenUndFelderMitDerKennung) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    Fahrzeug a = fahrzeug("6A124401", "alt", "2");
    a.folgetelegramm = "12";
    a.datentelegramm = "DT";
    ab.fahrzeuge = {a, fahrzeug("6A124402"), a};
    fahrzeugInFeld(ab, 3, a);
    fahrzeugInFeld(ab, 300, a);
    ab.felder[301] = ab.felder[3];
    ab.felder[301].feldtyp = FeldText; // same identifier, but not a vehicle field
    const Feld textfeld = ab.felder[301];
    FahrzeuglisteAktualisieren(ab);

    FahrzeugUebernehmen(ab, eingabe("6A124401", "Flo"), t.fortschritt);

    ASSERT_EQ(ab.fahrzeuge.size(), 3u);
    for (int zeile : {0, 2}) {
        const Fahrzeug& f = ab.fahrzeuge[zeile];
        EXPECT_EQ(f.rufname, "Flo       ");
        EXPECT_EQ(f.stat, "4");
        EXPECT_EQ(f.zeit, "01.02.26");
        EXPECT_EQ(f.info, QString("HLF").leftJustified(20));
        EXPECT_EQ(f.bemerkung.size(), 256);
        EXPECT_EQ(f.folgetelegramm, "12");
        EXPECT_EQ(f.datentelegramm, "DT");
    }
    EXPECT_EQ(ab.fahrzeuge[1].rufname, "RTW");
    for (int i : {3, 300}) {
        EXPECT_EQ(ab.felder[i].fahrzeug, "Flo       ");
        EXPECT_EQ(ab.felder[i].status, "4");
        EXPECT_EQ(ab.felder[i].statusFarbe, ab.statusfarbe[4]);
        EXPECT_EQ(ab.felder[i].info, QString("HLF").leftJustified(20));
    }
    EXPECT_EQ(ab.felder[301], textfeld);
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste | DokStatusuebersicht);
    EXPECT_EQ(t.fortschritt.gezeigt, 1);
    EXPECT_EQ(t.fortschritt.verborgen, 1);
}

TEST(FahrzeugEditor, UebernehmenNeuerKennungHaengtAn) {
    struct Fall {
        const char* name;
        FahrzeugEingabe e;
        QString kennung;
    };
    FahrzeugEingabe ohneBos = eingabe("6A124401", "Neu");
    ohneBos.kennung[0].clear();
    const Fall faelle[] = {
        {"eine Ziffer anders", eingabe("6A124409", "Neu"), "6A124409"},
        {"BOS-Liste ohne Auswahl", ohneBos, "A1244010"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich t;
        Arbeitsbereich& ab = t.ab;
        const Fahrzeug alt = fahrzeug("6A124401", "alt");
        ab.fahrzeuge = {alt};
        fahrzeugInFeld(ab, 0, alt);
        const Feld feld = ab.felder[0];
        FahrzeugUebernehmen(ab, f.e, t.fortschritt);
        ASSERT_EQ(ab.fahrzeuge.size(), 2u);
        EXPECT_EQ(ab.fahrzeuge[0], alt);
        EXPECT_EQ(ab.felder[0], feld);
        const Fahrzeug& neu = ab.fahrzeuge[1];
        EXPECT_EQ(neu.kennung, f.kennung);
        EXPECT_EQ(neu.rufname, "Neu       ");
        EXPECT_EQ(neu.stat, "4");
        EXPECT_EQ(neu.folgetelegramm, "00");
        EXPECT_EQ(neu.datentelegramm, QString(100, ' '));
        // Both documents count as changed even though no field shows the new vehicle.
        EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste | DokStatusuebersicht);
        EXPECT_EQ(ab.nichtAufgenommen, std::vector<int>{1});
    }
}

TEST(FahrzeugEditor, StatusOhneAuswahlBleibtErhalten) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    const Fahrzeug f = fahrzeug("12345678", "alt", "12");
    ab.fahrzeuge = {f};
    fahrzeugInFeld(ab, 0, f);
    FahrzeugUebernehmen(ab, eingabe("12345678", "neu", ""), t.fortschritt);
    EXPECT_EQ(ab.fahrzeuge[0].stat, "12");
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "neu       ");
    EXPECT_EQ(ab.felder[0].status, "12");
}

TEST(FahrzeugEditor, NeuesFahrzeugInSortierterListe) {
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    ab.fahrzeuge = {fahrzeug("11111111", "Anton"), fahrzeug("22222222", "Zeppelin")};
    ab.sortierung = Sortierung{true, 0, false};
    FahrzeugUebernehmen(ab, eingabe("33333333", "Mitte"), t.fortschritt);
    EXPECT_EQ(t.kennungen(), (QStringList{"11111111", "33333333", "22222222"}));
}
