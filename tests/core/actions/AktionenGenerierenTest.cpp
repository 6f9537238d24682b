#include "core/actions/AktionenGenerieren.h"

#include "core/actions/Aktionsliste.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

const QString Vorlage = QStringLiteral("C:\\Programme\\Velastat\\Kestrix.exe *?");

class AktionenGenerierenTest : public ::testing::Test, protected AktionenArbeitsbereich {
protected:
    AktionenGenerierenTest() {
        auswahl.vorlage = Vorlage;
        auswahl.land.fill(true); // as the window starts
        auswahl.richtung[0] = true;
    }

    // (Kennung, status, direction) of every action, in list order.
    std::vector<QString> folge() const {
        std::vector<QString> f;
        for (const Aktion& a : ab.aktionen)
            f.push_back(a.kennung + "/" + a.status + "/" + QString::number(a.richtungNr));
        return f;
    }

    GenerierAuswahl auswahl;
};

} // namespace

TEST(AktionstextBilden, ErsetztInEinemDurchgang) {
    struct Fall {
        const char* vorlage;
        const char* kennung;
        const char* status;
        const char* ergebnis;
    };
    const Fall faelle[] = {
        {"C:\\Programme\\Velastat\\Kestrix.exe *?", "6A120344", "3",
         "C:\\Programme\\Velastat\\Kestrix.exe 6A1203443"},
        {"ohne Platzhalter", "6A120344", "3", "ohne Platzhalter"},
        {"*-*-?-?", "AB", "7", "AB-AB-7-7"},
        {"?*", "a?b*", "1", "1a?b*"}, // inserted text is not replaced again
        {"", "6A120344", "3", ""},
        {"x * y", "", "", "x  y"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(AktionstextBilden(f.vorlage, f.kennung, f.status), f.ergebnis) << f.vorlage;
}

TEST_F(AktionenGenerierenTest, BeispielZweiFahrzeugeZweiStati) {
    ab.fahrzeuge = {fahrzeug("6A120344", "V1"), fahrzeug("6B120344", "Fremd"), fahrzeug("6A120345", "V2")};
    ab.aktionen = {aktion("99999999", "1", 0, "schon da")};
    auswahl.bos[6] = true;
    auswahl.land = {};
    auswahl.land[10] = true;
    auswahl.stati[3] = auswahl.stati[4] = true;

    EXPECT_EQ(AktionenGenerieren(ab, auswahl), 4);
    EXPECT_EQ(folge(), (std::vector<QString>{"99999999/1/0", "6A120344/3/0", "6A120344/4/0", "6A120345/3/0",
                                             "6A120345/4/0"}));
    EXPECT_EQ(ab.aktionen[1].rufname, "V1");
    EXPECT_EQ(ab.aktionen[1].richtung, "FZ->LST");
    EXPECT_EQ(ab.aktionen[1].aktion, "C:\\Programme\\Velastat\\Kestrix.exe 6A1203443");
    EXPECT_EQ(ab.aktionen[4].aktion, "C:\\Programme\\Velastat\\Kestrix.exe 6A1203454");
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
}

TEST_F(AktionenGenerierenTest, ReihenfolgeStatusDannRichtung) {
    ab.fahrzeuge = {fahrzeug("12345678", "V1"), fahrzeug("12340000", "V2")};
    auswahl.stati[9] = auswahl.stati[0] = true;
    auswahl.richtung = {true, true};
    AktionenGenerieren(ab, auswahl);
    EXPECT_EQ(folge(),
              (std::vector<QString>{"12345678/0/0", "12345678/0/1", "12345678/9/0", "12345678/9/1",
                                    "12340000/0/0", "12340000/0/1", "12340000/9/0", "12340000/9/1"}));
    EXPECT_EQ(ab.aktionen[1].richtung, "LST->FZ");
}

TEST_F(AktionenGenerierenTest, OhneStatusOderRichtungEntstehtNichtsAberFlagGesetzt) {
    ab.fahrzeuge = {fahrzeug("12345678", "V1")};
    for (bool mitStatus : {false, true}) {
        GenerierAuswahl a = auswahl;
        a.stati[3] = mitStatus;
        a.richtung = {false, false};
        if (!mitStatus)
            a.richtung[0] = true;
        ab.alleFreigeben();
        QSignalSpy geaendert(&ab, &Arbeitsbereich::aktionenVeraendert);
        EXPECT_EQ(AktionenGenerieren(ab, a), 0);
        EXPECT_TRUE(ab.aktionen.empty());
        EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
        EXPECT_EQ(geaendert.count(), 1); // the count label is refreshed all the same
    }
}

TEST_F(AktionenGenerierenTest, LeereZiffernauswahlHeisstAlleUndBleibtSichtbar) {
    ab.fahrzeuge = {
        fahrzeug("0F9AC3B1", "Hex"),   fahrzeug("6A1", "Kurz"),           fahrzeug("6A12", "Vier"),
        fahrzeug("6 120344", "Blank"), fahrzeug("6A1 0344", "Blank Ort"), fahrzeug("6a120344", "klein"),
        fahrzeug("", "Leer"),          fahrzeug("6G120344", "Fremd")};
    auswahl.land = {};
    auswahl.stati[2] = true;
    AktionenGenerieren(ab, auswahl);
    // Only identifiers that start with four upper-case hexadecimal digits qualify.
    EXPECT_EQ(folge(), (std::vector<QString>{"0F9AC3B1/2/0", "6A12/2/0"}));
    for (const auto& liste : {auswahl.bos, auswahl.land, auswahl.ort1, auswahl.ort2})
        EXPECT_TRUE(std::all_of(liste.begin(), liste.end(), [](bool b) { return b; }));
    EXPECT_EQ(std::count(auswahl.stati.begin(), auswahl.stati.end(), true), 1); // statuses are not filled in
}

TEST_F(AktionenGenerierenTest, OrtskennungAusBeidenListen) {
    ab.fahrzeuge = {fahrzeug("6A120000", "12"), fahrzeug("6A210000", "21"), fahrzeug("6A110000", "11"),
                    fahrzeug("6A1C0000", "1C"), fahrzeug("6AC20000", "C2")};
    auswahl.ort1[1] = auswahl.ort1[12] = true;
    auswahl.ort2[2] = true;
    auswahl.stati[1] = true;
    AktionenGenerieren(ab, auswahl);
    EXPECT_EQ(folge(), (std::vector<QString>{"6A120000/1/0", "6AC20000/1/0"}));
    // A list that had a selection keeps it as it was.
    EXPECT_EQ(std::count(auswahl.ort1.begin(), auswahl.ort1.end(), true), 2);
}
