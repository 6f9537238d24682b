#include "core/vehicles/Zeitstempel.h"

#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

struct Werkbank : TestArbeitsbereich {
    Werkbank() : TestArbeitsbereich(Felder::Entwurf) {}
};

} // namespace

TEST(Zeitstempel, DoppelpunktAbDemZweitenZeichenIstUhrzeit) {
    const struct {
        const char* zeit;
        bool uhrzeit;
    } faelle[] = {
        {"12:34:56", true}, {"01.02.24", false}, {":2345678", false}, {"1:      ", true},
        {"", false},        {"a:b", true},       {"::", true},        {"        ", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(istUhrzeit(QString::fromLatin1(f.zeit)), f.uhrzeit) << f.zeit;
}

TEST(Zeitstempel, EingabeWirdAufAchtZeichenGebracht) {
    const struct {
        const char* eingabe;
        const char* stempel;
    } faelle[] = {
        {"", "        "},          {"1:2", "1:2     "}, {"05.06.24", "05.06.24"},
        {"123456789", "12345678"}, {" a ", " a      "},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zeitstempelAus(QString::fromLatin1(f.eingabe)), QString::fromLatin1(f.stempel))
            << f.eingabe;
}

TEST(ZeitenSetzen, NurUhrzeitenBekommenDenText) {
    struct Fall {
        QStringList vorher;
        const char* text;
        QStringList nachher;
    };
    const Fall faelle[] = {
        {{"12:34:56", "01.02.24", ":0000000", "        "},
         "05.06.24",
         {"05.06.24", "01.02.24", ":0000000", "        "}},
        // A time stays a time when the text keeps its colon at the second character.
        {{"00:00:00"}, "1:2", {"1:2     "}},
        {{"23:59:59", "31.12.23"}, "", {"        ", "31.12.23"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        Werkbank w;
        for (const QString& zeit : f.vorher)
            w.fahrzeugAnhaengen("11110001", "2", zeit);
        ZeitenSetzen(w.ab, f.text, w.fortschritt);
        EXPECT_EQ(w.fahrzeugSpalte(&Fahrzeug::zeit), f.nachher);
        // Now every time is a date: a second run changes nothing.
        if (f.nachher[0] == "05.06.24") {
            ZeitenSetzen(w.ab, "07.08.24", w.fortschritt);
            EXPECT_EQ(w.fahrzeugSpalte(&Fahrzeug::zeit), f.nachher);
        }
    }
}

TEST(ZeitenSetzen, FelderFolgenDemErstenFahrzeugIhrerKennung) {
    Werkbank w;
    w.fahrzeugAnhaengen("11110001", "2", "12:00:00");
    w.fahrzeugAnhaengen("11110002", "2", "13:00:00");
    w.fahrzeugAnhaengen("11110002", "2", "01.01.24"); // duplicate: the field shows the first row's time
    for (int i : {0, 1, 2})
        w.ab.felder[i].feldtyp = FeldFahrzeug;
    w.ab.felder[0].kennung = "11110001";
    w.ab.felder[1].kennung = "11110002";
    w.ab.felder[2].kennung = "99999999";
    w.ab.felder[2].zeit = "10:10:10";
    w.ab.felder[3].feldtyp = FeldText;
    w.ab.felder[3].kennung = "11110001";
    w.ab.felder[3].zeit.clear();

    ZeitenSetzen(w.ab, "05.06.24", w.fortschritt);

    EXPECT_EQ(w.ab.felder[0].zeit, "05.06.24");
    EXPECT_EQ(w.ab.felder[1].zeit, "05.06.24");
    EXPECT_EQ(w.ab.felder[2].zeit, "10:10:10");
    EXPECT_EQ(w.ab.felder[3].zeit, "");
}
