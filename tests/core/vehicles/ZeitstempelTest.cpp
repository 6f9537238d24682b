#include "core/vehicles/Zeitstempel.h"

#include "core/overview/FeldInhalt.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(Zeitstempel, UhrzeitUndEingabe) {
    // A colon from the second character on makes a clock time.
    const std::pair<const char*, bool> zeiten[] = {
        {"12:34:56", true}, {"01.02.24", false}, {":2345678", false}, {"1:      ", true},
        {"", false},        {"a:b", true},       {"::", true},        {"        ", false},
    };
    for (const auto& [zeit, uhrzeit] : zeiten)
        EXPECT_EQ(istUhrzeit(QString::fromLatin1(zeit)), uhrzeit) << zeit;
    const std::pair<const char*, const char*> eingaben[] = {{"", "        "},
                                                            {"1:2", "1:2     "},
                                                            {"05.06.24", "05.06.24"},
                                                            {"123456789", "12345678"},
                                                            {" a ", " a      "}};
    for (const auto& [eingabe, stempel] : eingaben)
        EXPECT_EQ(zeitstempelAus(QString::fromLatin1(eingabe)), QString::fromLatin1(stempel)) << eingabe;
}

// Only clock times take the text; vehicle fields then show the time of the first row with their
// identifier.
TEST(ZeitenSetzen, NurUhrzeitenBekommenDenText) {
    const struct {
        QStringList vorher;
        const char* text;
        QStringList nachher;
    } faelle[] = {
        {{"12:34:56", "01.02.24", ":0000000", "        "},
         "05.06.24",
         {"05.06.24", "01.02.24", ":0000000", "        "}},
        // A time stays a time when the text keeps its colon at the second character.
        {{"00:00:00"}, "1:2", {"1:2     "}},
        {{"23:59:59", "31.12.23"}, "", {"        ", "31.12.23"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        TestArbeitsbereich t;
        for (const QString& zeit : f.vorher)
            t.fahrzeugAnhaengen("11110001", "2", zeit);
        ZeitenSetzen(t.ab, f.text, t.fortschritt);
        EXPECT_EQ(t.fahrzeugSpalte(&Fahrzeug::zeit), f.nachher);
    }

    TestArbeitsbereich t;
    t.fahrzeugAnhaengen("11110001", "2", "12:00:00");
    t.fahrzeugAnhaengen("11110002", "2", "13:00:00");
    t.fahrzeugAnhaengen("11110002", "2", "01.01.24");
    feldMitFahrzeug(t.ab, t.ab.felder[0], "A", "11110001", "2", "10:10:10", "");
    feldMitFahrzeug(t.ab, t.ab.felder[1], "B", "11110002", "2", "10:10:10", "");
    feldMitFahrzeug(t.ab, t.ab.felder[2], "C", "99999999", "2", "10:10:10", "");
    feldMitText(t.ab.felder[3], "Notiz");
    t.ab.felder[3].kennung = "11110001";
    ZeitenSetzen(t.ab, "05.06.24", t.fortschritt);
    const QStringList zeiten = {t.ab.felder[0].zeit, t.ab.felder[1].zeit, t.ab.felder[2].zeit,
                                t.ab.felder[3].zeit};
    EXPECT_EQ(zeiten, (QStringList{"05.06.24", "05.06.24", "10:10:10", ""}));
}
