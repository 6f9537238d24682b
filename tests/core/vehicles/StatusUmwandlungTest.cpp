#include "core/vehicles/StatusUmwandlung.h"

#include "core/overview/FeldInhalt.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>
#include <map>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct Werkbank : TestArbeitsbereich {
    Werkbank() : TestArbeitsbereich(Felder::Entwurf) {}
    void fahrzeugfeld(int i, const QString& kennung, const QString& status) {
        feldMitFahrzeug(ab, ab.felder[i], "RTW", kennung, status, "", "");
    }
};
} // namespace

// Every vehicle changes once, from its status before the pass.
TEST(StatusUmwandlung, JedesFahrzeugEinmalAusSeinemAltenStatus) {
    const struct {
        const char* name;
        QStringList vorher;
        std::map<int, QString> aenderungen;
        QStringList nachher;
    } faelle[] = {
        {"Kette wird nicht weitergereicht", {"1", "2", "3"}, {{1, "2"}, {2, "3"}}, {"2", "3", "3"}},
        {"Ringtausch 0 und 9", {"0", "9", "5"}, {{0, "9"}, {9, "0"}}, {"9", "0", "5"}},
        {"ohne Aenderung bleibt alles", {"0", "4", "9"}, {}, {"0", "4", "9"}},
        {"10 und mehr bleiben", {"10", "12", "255"}, {{1, "5"}, {2, "5"}}, {"10", "12", "255"}},
        {"negativer Status bleibt", {"-1"}, {{0, "5"}, {1, "5"}}, {"-1"}},
        {"leerer Status gilt als 0", {"", "x"}, {{0, "7"}}, {"7", "7"}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Werkbank w;
        for (int i = 0; i < fall.vorher.size(); ++i)
            w.fahrzeugAnhaengen(QStringLiteral("1000%1").arg(i, 4, 10, QLatin1Char('0')), fall.vorher[i]);
        Statuszuordnung neu = gleicheZuordnung();
        for (const auto& [k, text] : fall.aenderungen)
            neu[k] = text;
        StatusWerteUmwandeln(w.ab, neu, w.fortschritt);
        EXPECT_EQ(w.fahrzeugSpalte(&Fahrzeug::stat), fall.nachher);
    }
}

// A vehicle field shows the new status of the first row with its identifier; fields of other
// kinds and of vehicles not in the list stay.
TEST(StatusUmwandlung, FelderFolgenDemErstenFahrzeugIhrerKennung) {
    Werkbank w;
    w.fahrzeugAnhaengen("11110001", "6");
    w.fahrzeugAnhaengen("11110002", "1");
    w.fahrzeugAnhaengen("11110002", "4");
    w.fahrzeugfeld(0, "11110001", "6");
    w.fahrzeugfeld(60, "11110002", "1");
    w.fahrzeugfeld(415, "99999999", "6");
    feldMitText(w.ab.felder[1], "Notiz");
    w.ab.felder[1].kennung = "11110001";
    auto erwartet = w.ab.felder;
    Statuszuordnung neu = gleicheZuordnung();
    neu[6] = "3";
    neu[1] = "2";
    StatusWerteUmwandeln(w.ab, neu, w.fortschritt);
    feldMitFahrzeug(w.ab, erwartet[0], "RTW", "11110001", "3", "", "");
    feldMitFahrzeug(w.ab, erwartet[60], "RTW", "11110002", "2", "", "");
    EXPECT_EQ(w.ab.felder, erwartet);
    EXPECT_TRUE(w.ab.kennungsListe.contains(" 11110001"));
}

// A new colour is stored with all ten and recolours every status label showing its status,
// the design captions included; the documents stay saved.
TEST(Statusfarbe, AenderungSpeichertAlleZehnUndFaerbtJedesFeld) {
    Werkbank w;
    w.speicher.speichern(anwendung::Velastat, sektion::Statusfarben, "9", "abc");
    w.fahrzeugfeld(0, "11110001", "4");
    w.fahrzeugfeld(1, "11110002", "2");
    w.ab.felder[2].status = "4";
    w.ab.felder[2].statusFarbe = 0;
    StatusfarbeAendern(w.ab, 4, 0x123456);
    EXPECT_EQ(w.ab.statusfarbe[4], 0x123456u);
    for (int m = 0; m < 10; ++m)
        EXPECT_EQ(w.speicher.lesen(anwendung::Velastat, sektion::Statusfarben, QString::number(m), "-"),
                  QString::number(w.ab.statusfarbe[m]))
            << m;
    EXPECT_EQ(w.ab.felder[0].statusFarbe, 0x123456u);
    EXPECT_EQ(w.ab.felder[1].statusFarbe, w.ab.statusfarbe[2]);
    EXPECT_EQ(w.ab.felder[2].statusFarbe, 0x123456u);
    EXPECT_EQ(w.ab.ungespeichert, 0);
}
