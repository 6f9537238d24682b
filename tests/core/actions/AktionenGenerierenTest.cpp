#include "core/actions/AktionenGenerieren.h"

#include "support/Saetze.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
class AktionenGenerierenTest : public ::testing::Test, protected AktionenArbeitsbereich {
protected:
    AktionenGenerierenTest() {
        auswahl.vorlage = QStringLiteral("C:\\Kestrix.exe *?");
        auswahl.land.fill(true); // as the window starts
        auswahl.richtung[0] = true;
    }
    // (Kennung, status, direction) of every action, in list order.
    QStringList folge() const {
        QStringList f;
        for (const Aktion& a : ab.aktionen)
            f << a.kennung + "/" + a.status + "/" + QString::number(a.richtungNr);
        return f;
    }
    GenerierAuswahl auswahl;
};
} // namespace

TEST(AktionstextBilden, ErsetztInEinemDurchgang) {
    const std::array<const char*, 4> faelle[] = {
        {"C:\\Kestrix.exe *?", "6A120344", "3", "C:\\Kestrix.exe 6A1203443"},
        {"ohne Platzhalter", "6A120344", "3", "ohne Platzhalter"},
        {"*-*-?-?", "AB", "7", "AB-AB-7-7"},
        {"?*", "a?b*", "1", "1a?b*"}, // inserted text is not replaced again
    };
    for (const auto& [vorlage, kennung, status, ergebnis] : faelle)
        EXPECT_EQ(AktionstextBilden(vorlage, kennung, status), ergebnis) << vorlage;
}

// One action per qualifying vehicle, status and direction, in that nesting, after those there.
TEST_F(AktionenGenerierenTest, ReihenfolgeFahrzeugStatusRichtung) {
    ab.fahrzeuge = {fahrzeug("12345678", "V1"), fahrzeug("22340000", "V2"), fahrzeug("12340000", "V3")};
    ab.aktionen = {aktion("99999999", "1", 0, "schon da")};
    auswahl.bos[1] = true;
    auswahl.stati[9] = auswahl.stati[0] = true;
    auswahl.richtung = {true, true};
    EXPECT_EQ(AktionenGenerieren(ab, auswahl), 8);
    EXPECT_EQ(folge(),
              (QStringList{"99999999/1/0", "12345678/0/0", "12345678/0/1", "12345678/9/0", "12345678/9/1",
                           "12340000/0/0", "12340000/0/1", "12340000/9/0", "12340000/9/1"}));
    EXPECT_EQ(ab.aktionen[1], aktion("12345678", "0", 0, "C:\\Kestrix.exe 123456780", "V1"));
    EXPECT_EQ(ab.aktionen[2].richtung, "LST->FZ");
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
}

// Every status at once: ten a direction, no eleventh.
TEST_F(AktionenGenerierenTest, AlleStatiUndOhneStatusOderRichtung) {
    ab.fahrzeuge = {fahrzeug("12345678", "V1")};
    auswahl.stati.fill(true);
    EXPECT_EQ(AktionenGenerieren(ab, auswahl), 10);
    EXPECT_EQ(ab.aktionen.back().status, "9");
    for (const bool mitStatus : {false, true}) {
        GenerierAuswahl a = auswahl;
        a.stati = {};
        a.stati[3] = mitStatus;
        a.richtung = {!mitStatus, false};
        ab.alleFreigeben();
        EXPECT_EQ(AktionenGenerieren(ab, a), 0);
        EXPECT_TRUE(ab.istUngespeichert(DokAktionen)) << "the count label is refreshed all the same";
    }
}

// Only identifiers that start with four upper-case hexadecimal digits of the selection qualify;
// an empty digit list means all and is filled in, a list with a selection keeps it.
TEST_F(AktionenGenerierenTest, ZiffernauswahlDerErstenVierStellen) {
    ab.fahrzeuge = {fahrzeug("0F9AC3B1"), fahrzeug("6A1"),      fahrzeug("6A12"),    fahrzeug("6 120344"),
                    fahrzeug("6A1 0344"), fahrzeug("6a120344"), fahrzeug(""),        fahrzeug("6G120344"),
                    fahrzeug("6A210000"), fahrzeug("6AC20000"), fahrzeug("6A1C0000")};
    auswahl.land = {};
    auswahl.ort1[0] = auswahl.ort1[1] = auswahl.ort1[12] = auswahl.ort1[9] = true;
    auswahl.ort2[10] = auswahl.ort2[2] = true;
    auswahl.stati[2] = true;
    AktionenGenerieren(ab, auswahl);
    EXPECT_EQ(folge(), (QStringList{"0F9AC3B1/2/0", "6A12/2/0", "6AC20000/2/0"}));
    for (const auto& liste : {auswahl.bos, auswahl.land})
        EXPECT_TRUE(std::all_of(liste.begin(), liste.end(), [](bool b) { return b; }));
    EXPECT_EQ(std::count(auswahl.ort1.begin(), auswahl.ort1.end(), true), 4);
    EXPECT_EQ(std::count(auswahl.stati.begin(), auswahl.stati.end(), true), 1); // statuses are not filled in
}
