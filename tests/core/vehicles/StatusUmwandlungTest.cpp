#include "core/vehicles/StatusUmwandlung.h"

#include "core/common/Fortschritt.h"
#include "support/TestArbeitsbereich.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <map>
#include <ostream>

using namespace tabulo;
using namespace tabulo::test;

namespace {

struct Werkbank : TestArbeitsbereich {
    Werkbank() : TestArbeitsbereich(Felder::Entwurf) {}

    void fahrzeugfeld(int i, const QString& kennung, const QString& status) {
        Feld& f = ab.felder[i];
        f.feldtyp = FeldFahrzeug;
        f.kennung = kennung;
        f.status = status;
        f.statusFarbe = ab.statusFarbeFuer(status);
    }
};

struct Umwandlungsfall {
    const char* name;
    QStringList vorher;
    std::map<int, QString> aenderungen;
    QStringList nachher;
};

// Test names stay readable (the default would print the case's bytes, addresses included).
void PrintTo(const Umwandlungsfall& fall, std::ostream* os) {
    *os << fall.name;
}

} // namespace

class StatusUmwandlungFaelle : public ::testing::TestWithParam<Umwandlungsfall> {};

TEST_P(StatusUmwandlungFaelle, JedesFahrzeugEinmalAusSeinemAltenStatus) {
    const Umwandlungsfall& fall = GetParam();
    Werkbank w;
    for (int i = 0; i < fall.vorher.size(); ++i)
        w.fahrzeugAnhaengen(QStringLiteral("1000%1").arg(i, 4, 10, QLatin1Char('0')), fall.vorher[i]);
    Statuszuordnung neu = gleicheZuordnung();
    for (const auto& [k, text] : fall.aenderungen)
        neu[k] = text;
    Fortschritt keiner;
    StatusWerteUmwandeln(w.ab, neu, keiner);
    EXPECT_EQ(w.fahrzeugSpalte(&Fahrzeug::stat), fall.nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, StatusUmwandlungFaelle,
    ::testing::Values(
        Umwandlungsfall{
            "KetteWirdNichtWeitergereicht", {"1", "2", "3"}, {{1, "2"}, {2, "3"}}, {"2", "3", "3"}},
        Umwandlungsfall{"RingtauschNullNeun", {"0", "9", "5"}, {{0, "9"}, {9, "0"}}, {"9", "0", "5"}},
        Umwandlungsfall{"OhneAenderungBleibtAlles", {"0", "4", "9"}, {}, {"0", "4", "9"}},
        Umwandlungsfall{"SechsWirdDrei", {"6", "6", "2"}, {{6, "3"}}, {"3", "3", "2"}},
        Umwandlungsfall{"ZehnUndMehrBleiben", {"10", "12", "255"}, {{1, "5"}, {2, "5"}}, {"10", "12", "255"}},
        Umwandlungsfall{"NegativerStatusBleibt", {"-1"}, {{0, "5"}, {1, "5"}}, {"-1"}},
        Umwandlungsfall{"LeererStatusGiltAlsNull", {"", "x"}, {{0, "7"}}, {"7", "7"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StatusUmwandlung, FelderFolgenDemErstenFahrzeugIhrerKennung) {
    Werkbank w;
    w.fahrzeugAnhaengen("11110001", "6");
    w.fahrzeugAnhaengen("11110002", "1");
    w.fahrzeugAnhaengen("11110002", "4"); // same identifier again: the field follows the first row
    w.fahrzeugfeld(0, "11110001", "6");
    w.fahrzeugfeld(60, "11110002", "1");
    w.fahrzeugfeld(415, "99999999", "6"); // not in the list
    w.ab.felder[1].feldtyp = FeldText;
    w.ab.felder[1].kennung = "11110001";
    w.ab.felder[1].status.clear();
    const Feld textfeldVorher = w.ab.felder[1];
    const Feld fremdVorher = w.ab.felder[415];

    Statuszuordnung neu = gleicheZuordnung();
    neu[6] = "3";
    neu[1] = "2";
    Fortschritt keiner;
    StatusWerteUmwandeln(w.ab, neu, keiner);

    EXPECT_EQ(w.ab.felder[0].status, "3");
    EXPECT_EQ(w.ab.felder[0].statusFarbe, w.ab.statusfarbe[3]);
    EXPECT_EQ(w.ab.felder[60].status, "2");
    EXPECT_EQ(w.ab.felder[60].statusFarbe, w.ab.statusfarbe[2]);
    EXPECT_EQ(w.ab.felder[1], textfeldVorher);
    EXPECT_EQ(w.ab.felder[415], fremdVorher);
}

TEST(StatusUmwandlung, MarkiertFahrzeuglisteUndUebersichtUndMeldetAenderungen) {
    Werkbank w;
    w.fahrzeugAnhaengen("11110001", "1");
    w.fahrzeugfeld(3, "11110001", "1");
    w.ab.kennungsListe.clear();
    QSignalSpy fahrzeuge(&w.ab, &Arbeitsbereich::fahrzeugeVeraendert);
    QSignalSpy felder(&w.ab, &Arbeitsbereich::felderVeraendert);
    ProtokollFortschritt strip;
    StatusWerteUmwandeln(w.ab, gleicheZuordnung(), strip);

    EXPECT_EQ(w.ab.ungespeichert, DokFahrzeugliste | DokStatusuebersicht);
    EXPECT_TRUE(w.ab.kennungsListe.contains(" 11110001"));
    EXPECT_GE(fahrzeuge.count(), 1);
    EXPECT_GE(felder.count(), 1);
    // One slice per field; the strip is full after field 414.
    ASSERT_EQ(strip.bereiche.size(), AnzahlFelder);
    EXPECT_DOUBLE_EQ(strip.bereiche.back().bis, double(AnzahlFelder) / (AnzahlFelder - 1));
    EXPECT_EQ(strip.gezeigt, 1);
    EXPECT_EQ(strip.verborgen, 1);
}

TEST(Statusfarbe, AenderungSpeichertAlleZehnUndFaerbtJedesFeld) {
    Werkbank w;
    w.speicher.speichern(anwendung::Velastat, sektion::Statusfarben, "9", "abc");
    w.fahrzeugfeld(0, "11110001", "4");
    w.fahrzeugfeld(1, "11110002", "2");
    // A design field (kind free, visible caption "4") follows too.
    w.ab.felder[2].status = "4";
    w.ab.felder[2].statusFarbe = 0;

    StatusfarbeAendern(w.ab, 4, 0x123456);

    EXPECT_EQ(w.ab.statusfarbe[4], 0x123456u);
    for (int m = 0; m < 10; ++m)
        EXPECT_EQ(w.speicher.lesen(anwendung::Velastat, sektion::Statusfarben, QString::number(m), "-"),
                  QString::number(w.ab.statusfarbe[m]))
            << m;
    EXPECT_EQ(w.speicher.lesen(anwendung::Velastat, sektion::Statusfarben, "4", "-"), "1193046");
    EXPECT_EQ(w.ab.felder[0].statusFarbe, 0x123456u);
    EXPECT_EQ(w.ab.felder[1].statusFarbe, w.ab.statusfarbe[2]);
    EXPECT_EQ(w.ab.felder[2].statusFarbe, 0x123456u);
    EXPECT_EQ(w.ab.ungespeichert, 0);
}
