#include "core/places/OrtEingabe.h"

#include "core/places/OrteLadenSpeichern.h"
#include "support/Saetze.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

constexpr quint16 bits(std::initializer_list<int> ds) {
    quint16 m = 0;
    for (int d : ds)
        m |= static_cast<quint16>(1u << d);
    return m;
}

QString name50(const QString& name) {
    return name.leftJustified(50, QLatin1Char(' '));
}

class OrtEingabeTest : public ::testing::Test, protected OrteArbeitsbereich {
protected:
    // Musterstadt (A12) for 6, 9 and F; Beispiel (A13) for 6 and 7: 5 records.
    void SetUp() override {
        ASSERT_TRUE(OrteLaden(
            ab, datei("orte.bin", orteSatz('6', "A12", "Musterstadt") + orteSatz('9', "A12", "Musterstadt") +
                                      orteSatz('F', "A12", "Musterstadt") + orteSatz('6', "A13", "Beispiel") +
                                      orteSatz('7', "A13", "Beispiel"))));
        ab.freigeben(DokOrtskennungen);
    }
};

} // namespace

TEST_F(OrtEingabeTest, UebernehmenAendertVorhandeneOderLegtNeuAn) {
    const struct {
        const char* name;
        OrtEingabe eingabe;
        int slot;
        QString zeile; // expected line of that slot; empty: nothing changes
        int anzahl;
    } faelle[] = {
        {"gleicher Schluessel aendert an Ort und Stelle, F faellt weg",
         {10, 1, 2, "Musterstadt", bits({1, 13})},
         0,
         "A12 " + name50("Musterstadt") + " N1 N13",
         4},
        {"Leerzeichen am Ende gehoeren zum Polster",
         {10, 1, 2, "Musterstadt   ", bits({6})},
         0,
         "A12 " + name50("Musterstadt") + " N6",
         3},
        {"neuer Name wird angehaengt",
         {10, 1, 2, "Musterdorf", bits({0, 4, 14})},
         2,
         "A12 " + name50("Musterdorf") + " N0 N4 N14",
         8},
        {"andere Ortskennung ist ein neuer Ort",
         {10, 1, 3, "Musterstadt", bits({6})},
         2,
         "A13 " + name50("Musterstadt") + " N6",
         6},
        {"kein Kasten: Zeile ohne Namen, Anzahl sinkt",
         {10, 1, 3, "Beispiel", 0},
         1,
         "A13 " + name50("Beispiel"),
         3},
        {"Name wird auf 50 Zeichen begrenzt",
         {0, 0, 0, QString(60, 'x'), bits({2})},
         2,
         "000 " + QString(50, 'x') + " N2",
         6},
        {"ohne Landeskennung", {-1, 1, 2, "Musterstadt", bits({1})}, -1, {}, 5},
        {"ohne erste Ortskennung", {10, -1, 2, "Musterstadt", bits({1})}, -1, {}, 5},
        {"ohne zweite Ortskennung", {10, 1, -1, "Musterstadt", bits({1})}, -1, {}, 5},
        {"ohne Namen", {10, 1, 2, "", bits({1})}, -1, {}, 5},
        {"Name nur aus Blanks", {10, 1, 2, "    ", bits({1})}, -1, {}, 5},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        const Ortstabelle vorher = ab.orte;
        EXPECT_EQ(OrtUebernehmen(ab, f.eingabe), f.slot);
        EXPECT_EQ(ab.orte.anzahl, f.anzahl);
        EXPECT_EQ(ab.istUngespeichert(DokOrtskennungen), f.slot >= 0);
        if (f.slot < 0) {
            EXPECT_EQ(ab.orte, vorher);
            continue;
        }
        EXPECT_EQ(ab.orte.liste.size(), std::max(2, f.slot + 1));
        EXPECT_EQ(ab.orte.liste[f.slot], f.zeile);
    }
}

TEST_F(OrtEingabeTest, VolleTabelleNimmtKeinenNeuenOrt) {
    for (int i = 2; i < OrtMaxEintraege; ++i)
        ASSERT_EQ(OrtUebernehmen(ab, {0, i / 16, i % 16, "Ort", bits({1})}), i);
    ab.freigeben(DokOrtskennungen);
    const Ortstabelle vorher = ab.orte;
    EXPECT_EQ(OrtUebernehmen(ab, {1, 1, 1, "Noch einer", bits({1})}), -1);
    EXPECT_EQ(ab.orte, vorher);
    EXPECT_FALSE(ab.istUngespeichert(DokOrtskennungen));
    EXPECT_EQ(OrtUebernehmen(ab, {0, 0, 2, "Ort", bits({3})}), 2); // an existing place is still changed
}

// A picked line fills the inputs; there is no box for BOS-Kennung F, so it is not offered.
TEST_F(OrtEingabeTest, AuswahlFuelltDieEingaben) {
    EXPECT_EQ(ortAusZeile(ab.orte, 0), (OrtEingabe{10, 1, 2, "Musterstadt", bits({6, 9})}));
    EXPECT_EQ(ortAusZeile(ab.orte, 1), (OrtEingabe{10, 1, 3, "Beispiel", bits({6, 7})}));
    EXPECT_EQ(ortAusZeile(ab.orte, 2), OrtEingabe{}); // no such line
    // Digits that are no hexadecimal digits pick entry 0; small letters count.
    ASSERT_TRUE(OrteLaden(ab, datei("komisch.bin", orteSatz('1', "x b", "  Ort mit Rand  "))));
    EXPECT_EQ(ortAusZeile(ab.orte, 0), (OrtEingabe{0, 0, 11, "  Ort mit Rand", bits({1})}));
}
