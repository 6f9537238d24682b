#include "core/vehicles/FahrzeugBearbeitung.h"

#include "core/vehicles/Fahrzeugliste.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(FahrzeugEditor, AnzeigeBeimOeffnenUndKennungZusammensetzen) {
    Fahrzeug gepolstert = fahrzeug(" 1a23  ", "  RTW     ", " 7");
    gepolstert.bemerkung = QString("Bem") + QString(253, ' ');
    const struct {
        const char* name;
        Fahrzeug f;
        std::array<int, 8> ziffern;
        int status;
    } faelle[] = {
        {"Ziffern in ihrer Reihenfolge", fahrzeug("1A230047", "x", "3"), {1, 10, 2, 3, 0, 0, 4, 7}, 3},
        {"Blanks aussen weg, Kleinbuchstaben, fehlende Stellen 0", gepolstert, {1, 10, 2, 3, 0, 0, 0, 0}, 7},
        {"keine Hex-Ziffer waehlt 0", fahrzeug("XYZ9G00F"), {0, 0, 0, 9, 0, 0, 0, 15}, 2},
        {"Status ueber 9 waehlt nichts", fahrzeug("12345678", "x", "12"), {1, 2, 3, 4, 5, 6, 7, 8}, -1},
        {"Status ohne Zahl ist 0", fahrzeug("12345678", "x", "abc"), {1, 2, 3, 4, 5, 6, 7, 8}, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const EditorAnzeige a = editorAnzeigeFuer(f.f);
        EXPECT_EQ(a.ziffern, f.ziffern);
        EXPECT_EQ(a.status, f.status);
    }
    const EditorAnzeige a = editorAnzeigeFuer(gepolstert);
    EXPECT_EQ(a.rufname, "RTW");
    EXPECT_EQ(a.bemerkung, "Bem");

    // The two named lists give their first character; an unselected list is left out and the
    // identifier filled with "0".
    const std::pair<std::array<QString, 8>, const char*> kennungen[] = {
        {{"6 Feuerwehr", "A Bayern", "1", "2", "4", "4", "0", "1"}, "6A124401"},
        {{"", "A Bayern", "1", "2", "4", "4", "0", "1"}, "A1244010"},
        {{"6 Feuerwehr", "A Bayern", "1", "2", "", "", "", ""}, "6A120000"},
    };
    for (const auto& [texte, kennung] : kennungen)
        EXPECT_EQ(kennungZusammensetzen(texte), kennung);
}

namespace {
FahrzeugEingabe eingabe(const QString& kennung, const QString& rufname, const QString& status = "4") {
    FahrzeugEingabe e;
    for (int i = 0; i < 8; ++i)
        e.kennung[i] = kennung.mid(i, 1) + (i < 2 ? " Name" : "");
    e.status = status;
    e.rufname = rufname;
    e.info = "HLF";
    e.zeit = "01.02.26";
    e.bemerkung = "neu";
    return e;
}
} // namespace

// Accepting rewrites every list row and every vehicle field with the identifier, keeping what
// the editor does not show; no status chosen keeps the status. Only vehicle fields follow.
TEST(FahrzeugEditor, UebernehmenAendertAlleZeilenUndFelderMitDerKennung) {
    for (const QString status : {"4", ""}) {
        SCOPED_TRACE(status.toStdString());
        TestArbeitsbereich t;
        Arbeitsbereich& ab = t.ab;
        Fahrzeug a = fahrzeug("6A124401", "alt", "12");
        a.folgetelegramm = "12";
        a.datentelegramm = "DT";
        ab.fahrzeuge = {a, fahrzeug("6A124402"), a};
        fahrzeugInFeld(ab, 3, a);
        fahrzeugInFeld(ab, 300, a);
        ab.felder[301] = ab.felder[3];
        ab.felder[301].feldtyp = FeldText; // same identifier, but not a vehicle field
        const Feld textfeld = ab.felder[301];
        const Fahrzeug anderes = ab.fahrzeuge[1];
        FahrzeuglisteAktualisieren(ab);

        FahrzeugUebernehmen(ab, eingabe("6A124401", "Flo", status), t.fortschritt);

        const QString stat = status.isEmpty() ? "12" : status;
        Fahrzeug neu{"Flo       ",
                     "6A124401",
                     stat,
                     "01.02.26",
                     QString("HLF").leftJustified(20),
                     QString("neu").leftJustified(256),
                     "12",
                     "DT"};
        EXPECT_EQ(ab.fahrzeuge, (std::vector<Fahrzeug>{neu, anderes, neu}));
        for (int i : {3, 300}) {
            EXPECT_EQ(ab.felder[i].fahrzeug, "Flo       ");
            EXPECT_EQ(ab.felder[i].status, stat);
            EXPECT_EQ(ab.felder[i].statusFarbe, ab.statusFarbeFuer(stat));
            EXPECT_EQ(ab.felder[i].info, QString("HLF").leftJustified(20));
        }
        EXPECT_EQ(ab.felder[301], textfeld);
    }
}

// A new identifier is appended (into a sorted list at its place by call name); no field changes.
TEST(FahrzeugEditor, UebernehmenNeuerKennungHaengtAn) {
    FahrzeugEingabe ohneBos = eingabe("6A124401", "Neu");
    ohneBos.kennung[0].clear();
    const struct {
        const char* name;
        FahrzeugEingabe e;
        QString kennung;
        bool sortiert;
        QStringList liste;
    } faelle[] = {
        {"eine Ziffer anders",
         eingabe("6A124409", "Neu"),
         "6A124409",
         false,
         {"6A124401", "7B000001", "6A124409"}},
        {"BOS-Liste ohne Auswahl", ohneBos, "A1244010", false, {"6A124401", "7B000001", "A1244010"}},
        {"sortierte Liste",
         eingabe("6A124409", "Neu"),
         "6A124409",
         true,
         {"6A124401", "6A124409", "7B000001"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich t;
        Arbeitsbereich& ab = t.ab;
        ab.fahrzeuge = {fahrzeug("6A124401", "alt"), fahrzeug("7B000001", "zzz")};
        ab.sortierung = Sortierung{f.sortiert, 0, false};
        fahrzeugInFeld(ab, 0, ab.fahrzeuge[0]);
        const Feld feld = ab.felder[0];
        FahrzeugUebernehmen(ab, f.e, t.fortschritt);
        EXPECT_EQ(t.kennungen(), f.liste);
        EXPECT_EQ(ab.felder[0], feld);
        const Fahrzeug& neu = ab.fahrzeuge[f.sortiert ? 1 : 2];
        EXPECT_EQ(neu, (Fahrzeug{"Neu       ", f.kennung, "4", "01.02.26", QString("HLF").leftJustified(20),
                                 QString("neu").leftJustified(256), "00", QString(100, ' ')}));
        EXPECT_EQ(ab.nichtAufgenommen, (std::vector<int>{1, 2}));
    }
}
