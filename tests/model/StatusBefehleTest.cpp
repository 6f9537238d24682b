#include "model/StatusBefehle.h"

#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "model/Arbeitsbereich.h"
#include "support/FehlerSchreiber.h"
#include "support/SkriptRueckfrage.h"
#include "support/Uebersicht.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct Umfeld {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    SkriptRueckfrage rueckfrage;
    ProtokollFortschritt fortschritt;
    QTemporaryDir ordner;
    QTemporaryDir anderer;
    Arbeitsordner arbeitsordner{ordner.path()};

    QString datei(const QString& name, const QByteArray& daten) const {
        dateiAnlegen(ordner.filePath(name), daten);
        return ordner.filePath(name);
    }
};
} // namespace




TEST(StatusBefehle, LadenWechseltDenArbeitsordnerUndFuelltDieFelder) {
    Umfeld u;
    dateiAnlegen(u.anderer.filePath("Status.BIN"), statusDatei({statusSatz(2, "von woanders")}));
    u.rueckfrage.dateien.push_back(u.anderer.filePath("Status.BIN"));
    statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.ab.felder[0].text, "von woanders");
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(u.anderer.path()).canonicalPath());
}


TEST(StatusBefehle, SpeichernUndWiederLadenUnterAnderemNamen) {
    Umfeld u;
    u.ab.felder[3].feldtyp = FeldText;
    u.ab.felder[3].text = QStringLiteral("Wache");
    u.ab.markieren(DokStatusuebersicht);
    u.rueckfrage.dateien.push_back(u.anderer.filePath("kopie.bin"));
    statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.ab.ungespeichert, 0);

    u.ab.felder[3].text = QStringLiteral("anders");
    u.rueckfrage.dateien.push_back(u.anderer.filePath("kopie.bin"));
    statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_EQ(u.ab.felder[3].text, "Wache");
    EXPECT_EQ(u.ab.felder[0].text, "Frei"); // design captions are written as free fields
}

TEST(StatusBefehle, NeuLadenNurWennStatusBinDa) {
    Umfeld u;
    const auto vorher = u.ab.felder;
    statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_EQ(u.ab.felder, vorher);
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_TRUE(u.rueckfrage.dateiDialoge.isEmpty());

    u.datei("STATUS.BIN", statusDatei({statusSatz(2, "neu geladen")}));
    u.ab.markieren(DokStatusuebersicht);
    statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_EQ(u.ab.felder[0].text, "neu geladen");
    EXPECT_TRUE(u.ab.istUngespeichert(DokStatusuebersicht));
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());

    u.datei("STATUS.BIN", "kurz");
    statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].text, QStringLiteral("Keine g\u00fcltige Status-Datei!"));
    EXPECT_EQ(u.ab.felder[0].text, "neu geladen");
}
