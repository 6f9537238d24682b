#include "model/OrteBefehle.h"

#include "files/EinstellungsSpeicher.h"
#include "model/Arbeitsbereich.h"
#include "support/FehlerSchreiber.h"
#include "support/OrteDaten.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class OrteBefehle : public ::testing::Test {
protected:
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    SkriptRueckfrage rueckfrage;
    TemporaererArbeitsordner ordner;
    const QByteArray altdorf = orteSatz('1', "A11", "Altdorf");

    void SetUp() override { dateiAnlegen(ordner.pfad("unter/Orte.BIN"), altdorf); }
};

} // namespace

TEST_F(OrteBefehle, LadenUndImportierenFragenNachDerDatei) {
    using Befehl = void (*)(Arbeitsbereich&, Rueckfrage&);
    const std::pair<Befehl, bool> befehle[] = {
        {[](Arbeitsbereich& a, Rueckfrage& r) { OrteLadenBefehl(a, r); }, false},
        {OrteImportierenBefehl, true}};
    for (const auto& [befehl, markiert] : befehle) {
        SkriptRueckfrage r;
        ab.orte.leeren();
        ab.alleFreigeben();
        befehl(ab, r); // cancelled: nothing happens, nothing is said
        EXPECT_TRUE(ab.orte.liste.isEmpty());
        EXPECT_TRUE(r.fragen.isEmpty());

        r.dateien.push_back(ordner.pfad("unter/Orte.BIN"));
        befehl(ab, r);
        ASSERT_EQ(r.dateiDialoge.size(), 2);
        EXPECT_TRUE(r.fragen.isEmpty());
        ASSERT_EQ(ab.orte.liste.size(), 1);
        EXPECT_EQ(ab.orte.anzahl, 1);
        EXPECT_EQ(ab.istUngespeichert(DokOrtskennungen), markiert);
        EXPECT_EQ(QDir::currentPath(), QFileInfo(ordner.pfad("unter")).absoluteFilePath());
        QDir::setCurrent(ordner.pfad(""));
    }
}


TEST_F(OrteBefehle, NeinVorDemLadenLaesstDieTabelle) {
    rueckfrage.dateien.push_back(ordner.pfad("unter/Orte.BIN"));
    int gefragt = 0;
    OrteLadenBefehl(ab, rueckfrage, [&] { return ++gefragt, false; });
    EXPECT_EQ(gefragt, 1);
    EXPECT_TRUE(ab.orte.liste.isEmpty());
}


TEST_F(OrteBefehle, UndoMeldetNurEineUngueltigeDatei) {
    OrteUndoBefehl(ab, rueckfrage); // no orte.bin here: silent, and none is created
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(ordner.pfad("orte.bin")));

    dateiAnlegen(ordner.pfad("orte.bin"), altdorf + "x");
    OrteUndoBefehl(ab, rueckfrage);
    ASSERT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(rueckfrage.fragen[0].text, QStringLiteral("Keine g\u00fcltige Ortskennungen-Datei!"));
    EXPECT_TRUE(ab.orte.liste.isEmpty());

    dateiAnlegen(ordner.pfad("orte.bin"), altdorf);
    OrteUndoBefehl(ab, rueckfrage);
    EXPECT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(ab.orte.liste.size(), 1);
    EXPECT_TRUE(rueckfrage.dateiDialoge.isEmpty());
}
