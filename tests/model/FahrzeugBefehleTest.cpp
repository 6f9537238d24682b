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

TEST_F(FahrzeugBefehle, DateiDialoge) {
    struct Fall {
        const char* name;
        std::function<void()> befehl;
        QString titel;
        bool speichern;
    };
    const Fall faelle[] = {
        {"Laden", [&] { MenueLadenFzg(ab, rf); }, "Fahrzeugliste Laden", false},
        {"Speichern", [&] { MenueSpeichernFzg(ab, rf, fortschritt); }, "Fahrzeugliste Speichern", true},
        {"Importieren", [&] { FahrzeugImportBefehl(ab, rf); }, "Fahrzeugliste Importieren", false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        rf.dateiDialoge.clear();
        ab.fahrzeuge = {fahrzeug("11111111")};
        ab.ungespeichert = DokFahrzeugliste;
        f.befehl(); // cancelled: silent, nothing changes
        ASSERT_EQ(rf.dateiDialoge.size(), 1);
        const DateiDialog& d = rf.dateiDialoge[0];
        EXPECT_EQ(d.titel, f.titel);
        EXPECT_EQ(d.filter, "Alle Dateien (*.*)|*.*|BIN-Dateien (*.bin)|*.bin|");
        EXPECT_EQ(d.filterIndex, 2);
        EXPECT_EQ(d.dateiname, "Fahrzeug.BIN");
        EXPECT_EQ(d.speichern, f.speichern);
        if (f.speichern)
            EXPECT_TRUE(d.ueberschreibenFragen);
        else
            EXPECT_TRUE(d.mussExistieren);
        EXPECT_TRUE(rf.fragen.isEmpty());
        EXPECT_EQ(t.kennungen(), QStringList{"11111111"});
        EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste);
        EXPECT_EQ(fortschritt.gezeigt, 0);
    }
}

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

TEST_F(FahrzeugBefehle, SpeichernMeldetDenFehlerMitDateiUndGrund) {
    const QString pfad = ordner.filePath("Fahrzeug.BIN");
    dateiAnlegen(pfad, "alt");
    FehlerSchreiber kaputt(FehlerSchreiber::Art::BeimAbschluss);
    ab.setzeSchreiber(kaputt);
    ab.fahrzeuge = {fahrzeug("11111111")};
    ab.markieren(DokFahrzeugliste);
    rf.dateien = {pfad};
    MenueSpeichernFzg(ab, rf, fortschritt);
    ASSERT_EQ(rf.fragen.size(), 1);
    EXPECT_EQ(rf.fragen[0].titel, "Fahrzeugliste Speichern");
    EXPECT_EQ(rf.fragen[0].text, schreibFehlerText(pfad, "Die Datei konnte nicht umbenannt werden."));
    EXPECT_EQ(dateiInhalt(pfad), "alt");
    EXPECT_TRUE(ab.istUngespeichert(DokFahrzeugliste));
    EXPECT_EQ(fortschritt.verborgen, 1);
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
