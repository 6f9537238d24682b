#include "core/places/OrteLadenSpeichern.h"

#include "support/Saetze.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class OrteLadenSpeichern : public ::testing::Test, protected OrteArbeitsbereich {
protected:
    // A table that a refused file must leave alone.
    void vorbelegen() {
        ASSERT_TRUE(OrteLaden(ab, datei("vorher.bin", orteSatz('1', "A11", "Altdorf"))));
        ab.markieren(DokOrtskennungen);
    }
};

} // namespace

// The save writes the places in slot order, each with ascending BOS digits, which is what such a
// file holds.
TEST_F(OrteLadenSpeichern, LadenUndSpeichernGibtDieDateiZurueck) {
    const QByteArray daten = orteSatz('6', "A12", "Musterstadt") + orteSatz('D', "A12", "Musterstadt") +
                             orteSatz('F', "A12", "Musterstadt") +
                             orteSatz('0', "012", QString::fromUtf8("Güstrow")) +
                             orteSatz('6', "A13", "Ein Ortsname mit genau f\u00fcnfzig Zeichen bis zu Ende");
    ASSERT_TRUE(OrteLaden(ab, datei("orte.bin", daten)));
    ASSERT_TRUE(OrteSpeichern(ab, pfad("zurueck.bin")));
    EXPECT_EQ(dateiInhalt(pfad("zurueck.bin")), daten);
}

TEST_F(OrteLadenSpeichern, ImportErgaenztZeilenZaehltNeuUndMarkiert) {
    vorbelegen();
    ab.freigeben(DokOrtskennungen);
    datei("import.bin", orteSatz('1', "A11", "Altdorf") + orteSatz('7', "A11", "Altdorf") +
                            orteSatz('2', "B01", "Neustadt"));
    ASSERT_TRUE(OrteImportieren(ab, pfad("import.bin")));
    ASSERT_EQ(ab.orte.liste.size(), 2);
    EXPECT_TRUE(ab.orte.liste[0].endsWith(" N1 N7")); // rewritten in place; the repeated bit 1 counts once
    EXPECT_TRUE(ab.orte.liste[1].startsWith("B01 Neustadt"));
    EXPECT_EQ(ab.orte.anzahl, 3);
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));
}

// Without a file in the working directory the reload changes nothing and creates none (what it
// does with a file: the tables of the file commands and the fuzz seeds). The start-up reads the
// whole records of a cut file.
TEST_F(OrteLadenSpeichern, NeuLadenOhneDateiUndStart) {
    vorbelegen();
    const Ortstabelle vorher = ab.orte;
    EXPECT_EQ(OrteNeuLaden(ab).art, OrteLesen::KeineDatei);
    EXPECT_EQ(ab.orte, vorher);
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));
    EXPECT_FALSE(QFileInfo::exists(pfad("orte.bin")));

    EXPECT_EQ(OrteStartLesen(ab).art, OrteLesen::KeineDatei);
    datei("Orte.BIN", orteSatz('2', "B01", "Neu") + orteSatz('3', "B01", "Neu") + "Rest");
    EXPECT_TRUE(OrteStartLesen(ab));
    ASSERT_EQ(ab.orte.liste.size(), 1);
    EXPECT_TRUE(ab.orte.liste[0].endsWith(" N2 N3"));
    EXPECT_EQ(ab.orte.anzahl, 2);
}
