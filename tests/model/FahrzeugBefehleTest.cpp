#include "model/FahrzeugBefehle.h"

#include "model/FahrzeuglisteDatei.h"
#include "support/Fahrzeuge.h"
#include "support/FehlerSchreiber.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class FahrzeugBefehle : public ::testing::Test {
protected:
    QString vorher = QDir::currentPath();
    QTemporaryDir ordner;
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    SkriptRueckfrage rf;
    ProtokollFortschritt fortschritt;

    void TearDown() override { QDir::setCurrent(vorher); }
};

} // namespace


TEST_F(FahrzeugBefehle, LadenFragtErstNachDerDateiwahl) {
    const QString pfad = ordner.filePath("sub/Fahrzeug.BIN");
    dateiAnlegen(pfad, fahrzeugDatei({fahrzeug("22222222")}));
    ab.fahrzeuge = {fahrzeug("11111111")};
    int gefragt = 0;
    rf.dateien = {pfad};
    MenueLadenFzg(ab, rf, [&] {
        ++gefragt;
        return false;
    });
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(t.kennungen(), QStringList{"11111111"});
    // The chosen file's folder became the working directory.
    EXPECT_EQ(QDir::currentPath(), ordner.filePath("sub"));

    rf.dateien = {pfad};
    MenueLadenFzg(ab, rf, [&] {
        ++gefragt;
        return true;
    });
    EXPECT_EQ(gefragt, 2);
    EXPECT_EQ(t.kennungen(), QStringList{"22222222"});
}


TEST_F(FahrzeugBefehle, UndoLaedtFahrzeugBinDesArbeitsordners) {
    ab.fahrzeuge = {fahrzeug("11111111")};
    ab.markieren(DokFahrzeugliste);
    QDir::setCurrent(ordner.path());
    MenueUndoFahrzeug(ab, rf); // no file: nothing happens
    EXPECT_EQ(t.kennungen(), QStringList{"11111111"});
    EXPECT_TRUE(ab.istUngespeichert(DokFahrzeugliste));
    EXPECT_TRUE(rf.fragen.isEmpty());

    dateiAnlegen(ordner.filePath("FAHRZEUG.BIN"),
                 fahrzeugDatei({fahrzeug("22222222"), fahrzeug("33333333")}));
    MenueUndoFahrzeug(ab, rf);
    EXPECT_EQ(t.kennungen(), (QStringList{"22222222", "33333333"}));
    EXPECT_FALSE(ab.istUngespeichert(DokFahrzeugliste));
    EXPECT_TRUE(rf.fragen.isEmpty());
}
