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

void erwarteDialog(const DateiDialog& d, const QString& titel, bool speichern) {
    EXPECT_EQ(d.titel, titel);
    EXPECT_EQ(d.filter, "Alle Dateien (*.*)|*.*|BIN-Dateien (*.bin)|*.bin|");
    EXPECT_EQ(d.filterIndex, 2);
    EXPECT_EQ(d.dateiname, "Orte.BIN");
    EXPECT_EQ(d.speichern, speichern);
    if (speichern)
        EXPECT_TRUE(d.ueberschreibenFragen);
    else
        EXPECT_TRUE(d.mussExistieren);
}

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
        erwarteDialog(r.dateiDialoge[1], "Ortskennungen Laden", false);
        EXPECT_TRUE(r.fragen.isEmpty());
        ASSERT_EQ(ab.orte.liste.size(), 1);
        EXPECT_EQ(ab.orte.anzahl, 1);
        EXPECT_EQ(ab.istUngespeichert(DokOrtskennungen), markiert);
        EXPECT_EQ(QDir::currentPath(), QFileInfo(ordner.pfad("unter")).absoluteFilePath());
        QDir::setCurrent(ordner.pfad(""));
    }
}

TEST_F(OrteBefehle, FehlerhafteDateienWerdenGemeldet) {
    dateiAnlegen(ordner.pfad("kurz.bin"), altdorf.left(53));
    using Befehl = void (*)(Arbeitsbereich&, Rueckfrage&);
    struct Fall {
        const char* name;
        Befehl befehl;
        QString datei;
        QString textBeginn;
    };
    const Fall faelle[] = {
        {"Laden zu kurz", [](Arbeitsbereich& a, Rueckfrage& r) { OrteLadenBefehl(a, r); },
         ordner.pfad("kurz.bin"), QStringLiteral("Keine g\u00fcltige Ortskennungen-Datei!")},
        {"Import zu kurz", OrteImportierenBefehl, ordner.pfad("kurz.bin"),
         QStringLiteral("Keine g\u00fcltige Ortskennungen-Datei!")},
        {"Laden eines Ordners", [](Arbeitsbereich& a, Rueckfrage& r) { OrteLadenBefehl(a, r); },
         ordner.pfad("unter"), QStringLiteral("Die Datei \"")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SkriptRueckfrage r;
        r.dateien.push_back(f.datei);
        ab.markieren(DokOrtskennungen);
        f.befehl(ab, r);
        ASSERT_EQ(r.fragen.size(), 1);
        EXPECT_EQ(r.fragen[0].titel, "Ortskennungen Laden");
        EXPECT_TRUE(r.fragen[0].text.startsWith(f.textBeginn)) << r.fragen[0].text.toStdString();
        EXPECT_EQ(r.fragen[0].knoepfe, Knoepfe::Ok);
        EXPECT_TRUE(ab.orte.liste.isEmpty());
        EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));
    }
}

TEST_F(OrteBefehle, NeinVorDemLadenLaesstDieTabelle) {
    rueckfrage.dateien.push_back(ordner.pfad("unter/Orte.BIN"));
    int gefragt = 0;
    OrteLadenBefehl(ab, rueckfrage, [&] { return ++gefragt, false; });
    EXPECT_EQ(gefragt, 1);
    EXPECT_TRUE(ab.orte.liste.isEmpty());
}

TEST_F(OrteBefehle, SpeichernNenntDateiUndGrund) {
    FehlerSchreiber fehler(FehlerSchreiber::Art::BeimAbschluss);
    ab.setzeSchreiber(fehler);
    rueckfrage.dateien.push_back(ordner.pfad("neu.bin"));
    OrteSpeichernBefehl(ab, rueckfrage);
    erwarteDialog(rueckfrage.dateiDialoge.last(), "Ortskennungen Speichern", true);
    ASSERT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(rueckfrage.fragen[0].titel, "Ortskennungen Speichern");
    EXPECT_TRUE(rueckfrage.fragen[0].text.contains(QDir::toNativeSeparators(ordner.pfad("neu.bin"))));
    EXPECT_TRUE(rueckfrage.fragen[0].text.contains("umbenannt"));
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
