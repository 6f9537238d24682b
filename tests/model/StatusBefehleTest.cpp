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

TEST(StatusBefehle, DateiDialogeWieVorgegeben) {
    const DateiDialog laden = statusLadenDialog();
    EXPECT_EQ(laden.titel, QStringLiteral("Status \u00dcbersicht Laden"));
    EXPECT_EQ(laden.filter, "Alle Dateien (*.*)|*.*|BIN-Dateien (*.bin)|*.bin|");
    EXPECT_EQ(laden.filterIndex, 2);
    EXPECT_EQ(laden.dateiname, "Status.BIN");
    EXPECT_FALSE(laden.speichern);
    EXPECT_TRUE(laden.mussExistieren);

    const DateiDialog speichern = statusSpeichernDialog();
    EXPECT_EQ(speichern.titel, QStringLiteral("Status\u00fcbersicht Speichern"));
    EXPECT_EQ(speichern.filter, laden.filter);
    EXPECT_EQ(speichern.filterIndex, 2);
    EXPECT_EQ(speichern.dateiname, "Status.BIN");
    EXPECT_TRUE(speichern.speichern);
    EXPECT_TRUE(speichern.ueberschreibenFragen);
}

TEST(StatusBefehle, AbbrechenIstStill) {
    Umfeld u;
    const auto vorher = u.ab.felder;
    statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_EQ(u.rueckfrage.dateiDialoge.size(), 2);
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.ab.felder, vorher);
    EXPECT_TRUE(QDir(u.ordner.path()).entryList(QDir::Files).isEmpty());
}

TEST(StatusBefehle, LadenMeldetFalscheLaengeUndLesefehler) {
    struct Fall {
        const char* name;
        QByteArray daten;
        bool ordner;
        QString text;
    };
    const Fall faelle[] = {
        {"ein Byte zu kurz", statusDatei({}).left(16639), false,
         QStringLiteral("Keine g\u00fcltige Status-Datei!")},
        {"ein Byte zu lang", statusDatei({}) + "x", false,
         QStringLiteral("Keine g\u00fcltige Status-Datei!")},
        {"nicht lesbar", {}, true, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        const QString pfad = f.ordner ? u.anderer.path() : u.datei("x.bin", f.daten);
        u.rueckfrage.dateien.push_back(pfad);
        const auto vorher = u.ab.felder;
        statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
        ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
        const auto& frage = u.rueckfrage.fragen[0];
        EXPECT_EQ(frage.titel, QStringLiteral("Status-\u00dcbersicht Laden"));
        EXPECT_EQ(frage.knoepfe, Knoepfe::Ok);
        if (f.text.isEmpty())
            EXPECT_TRUE(frage.text.contains(pfad)) << frage.text.toStdString();
        else
            EXPECT_EQ(frage.text, f.text);
        EXPECT_EQ(u.ab.felder, vorher);
    }
}

TEST(StatusBefehle, LadenWechseltDenArbeitsordnerUndFuelltDieFelder) {
    Umfeld u;
    dateiAnlegen(u.anderer.filePath("Status.BIN"), statusDatei({statusSatz(2, "von woanders")}));
    u.rueckfrage.dateien.push_back(u.anderer.filePath("Status.BIN"));
    statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.ab.felder[0].text, "von woanders");
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(u.anderer.path()).canonicalPath());
}

TEST(StatusBefehle, SpeichernMeldetSchreibfehlerUndBehaeltDasFlag) {
    Umfeld u;
    FehlerSchreiber schreiber(FehlerSchreiber::Art::NachBytes, 10);
    u.ab.setzeSchreiber(schreiber);
    u.ab.markieren(DokStatusuebersicht);
    const QString pfad = u.ordner.filePath("Status.BIN");
    u.rueckfrage.dateien.push_back(pfad);
    statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt);
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, QStringLiteral("Status\u00fcbersicht Speichern"));
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains("Status.BIN"));
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains("Speicherplatz"));
    EXPECT_TRUE(u.ab.istUngespeichert(DokStatusuebersicht));
    EXPECT_FALSE(QFileInfo::exists(pfad));
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
