#include "core/common/StartLesen.h"

#include "core/common/StartVorlesen.h"
#include "support/TestArbeitsbereich.h"
#include "support/Uebersicht.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <thread>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct Umfeld : TestArbeitsbereich {
    Umfeld() : TestArbeitsbereich(Felder::Entwurf) {}
};
} // namespace

TEST(StartLesen, OhneDateienBleibenDieEntwurfsbeschriftungen) {
    Umfeld u;
    const QString fehlt = u.pfad("fehlt.bin");
    EXPECT_EQ(fahrzeugeBeimStartLesen(u.ab, fehlt, u.fortschritt), 0);
    statusBeimStartLesen(u.ab, fehlt, u.fortschritt);
    for (const Feld& f : u.ab.felder)
        ASSERT_EQ(f, Feld());
    EXPECT_EQ(u.ab.felder[7].fahrzeug, "Name");
    EXPECT_EQ(u.ab.felder[7].zeit, "00:00:00");
    EXPECT_EQ(u.ab.felder[7].kennung, "12345678");
    EXPECT_EQ(u.ab.felder[7].info, "Infofeld");
    EXPECT_EQ(u.ab.felder[7].status, "2");
    EXPECT_EQ(u.ab.felder[7].statusFarbe, 0x008000u);
    EXPECT_TRUE(u.ab.felder[7].statusSichtbar);
    EXPECT_TRUE(u.fortschritt.bereiche.isEmpty());
}

TEST(StartLesen, StatusDateiNurGanzeSaetzeRestWirdFrei) {
    struct Fall {
        const char* name;
        int bytes;
        int gelesen; // fields filled from records
    };
    const Fall faelle[] = {
        {"leer", 0, 0},
        {"ein halber Satz", 20, 0},
        {"drei Saetze und ein Stueck", 3 * 40 + 17, 3},
        {"ein Byte zu kurz", 16639, 415},
        {"genau", 16640, 416},
        {"laenger: nur die ersten 416", 16640 + 80, 416},
    };
    QByteArray voll;
    for (int i = 0; i < 418; ++i)
        voll.append(statusSatz(2, "T" + QByteArray::number(i)));
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Umfeld u;
        statusBeimStartLesen(u.ab, u.datei("status.bin", voll.left(fall.bytes)), u.fortschritt);
        for (int i = 0; i < 416; ++i) {
            const Feld& f = u.ab.felder[i];
            if (i < fall.gelesen) {
                ASSERT_EQ(f.text, "T" + QString::number(i));
                ASSERT_EQ(f.feldtyp, FeldText);
            } else {
                ASSERT_EQ(f.text, "Frei") << i;
                ASSERT_EQ(f.feldtyp, FeldFrei);
                ASSERT_FALSE(f.statusSichtbar);
                ASSERT_TRUE(f.kennung.isEmpty());
            }
        }
        EXPECT_EQ(u.fortschritt.bereiche.size(), fall.gelesen);
        EXPECT_EQ(u.fortschritt.gezeigt, 0) << "the start-up shows and hides the strip itself";
    }
}

TEST(StartLesen, FahrzeugDateiNurGanzeSaetze) {
    const QByteArray drei = fahrzeugSatz("6A000001", "RTW 1", 2, "10:00:00", "eins") +
                            fahrzeugSatz("6A000002", "RTW 2", 3, "11:00:00", "zwei") +
                            fahrzeugSatz("6A000003", "RTW 3", 4, "12:00:00", "drei");
    struct Fall {
        int bytes;
        int anzahl;
    };
    for (const Fall fall :
         {Fall{0, 0}, Fall{407, 0}, Fall{408, 1}, Fall{2 * 408 + 100, 2}, Fall{3 * 408, 3}}) {
        SCOPED_TRACE(fall.bytes);
        Umfeld u;
        EXPECT_EQ(
            fahrzeugeBeimStartLesen(u.ab, u.datei("Fahrzeug.bin", drei.left(fall.bytes)), u.fortschritt),
            fall.anzahl);
        ASSERT_EQ(u.ab.fahrzeuge.size(), size_t(fall.anzahl));
        ASSERT_EQ(u.fortschritt.bereiche.size(), fall.anzahl);
        if (fall.anzahl > 0) {
            EXPECT_EQ(u.ab.fahrzeuge.back().kennung, QStringLiteral("6A00000%1").arg(fall.anzahl));
            EXPECT_EQ(u.ab.fahrzeuge.back().rufname, QStringLiteral("RTW %1     ").arg(fall.anzahl));
            EXPECT_EQ(u.fortschritt.bereiche.back().farbe, std::optional<Farbe>(farbe::ReinGruen));
            EXPECT_DOUBLE_EQ(u.fortschritt.bereiche.back().bis, double(fall.anzahl * 408) / fall.bytes);
        }
    }
}

TEST(StartLesen, StatusDateiSuchtInDerVorherGelesenenFahrzeugliste) {
    Umfeld u;
    fahrzeugeBeimStartLesen(u.ab,
                            u.datei("Fahrzeug.bin", fahrzeugSatz("6A000001", "RTW 1", 4, "10:00:00", "eins")),
                            u.fortschritt);
    statusBeimStartLesen(u.ab,
                         u.datei("status.bin", statusDatei({statusSatz(1, "RTW 1", "6A000001"),
                                                            statusSatz(1, "RTW 9", "6A000009")})),
                         u.fortschritt);
    EXPECT_EQ(u.ab.felder[0].status, "4");
    EXPECT_EQ(u.ab.felder[0].statusFarbe, u.ab.statusfarbe[4]);
    EXPECT_EQ(u.ab.felder[0].info, QStringLiteral("eins").leftJustified(20));
    EXPECT_EQ(u.ab.felder[1].text, "Frei");
    EXPECT_EQ(u.ab.felder[1].feldtyp, FeldFrei);
}

TEST(StartLesen, VorgelesenNurWennDieDateiNochDieselbeIst) {
    const QByteArray alt = fahrzeugSatz("6A000001", "RTW 1", 2, "10:00:00", "eins") +
                           fahrzeugSatz("6A000002", "RTW 2", 3, "11:00:00", "zwei");
    const QByteArray neu = fahrzeugSatz("6B000001", "KTW 1", 4, "12:00:00", "neu") +
                           fahrzeugSatz("6B000002", "KTW 2", 6, "13:00:00", "auch neu");
    const QByteArray laenger = neu + fahrzeugSatz("6B000003", "KTW 3", 1, "14:00:00", "drei");
    enum class Danach { Nichts, GleichLangNeu, Laenger, Geloescht, Ordner, AndererPfad };
    struct Fall {
        const char* name;
        bool vorher; // the file exists when the reading ahead starts
        Danach danach;
        QString ersteKennung; // empty: no vehicles
        int anzahl;
    };
    const Fall faelle[] = {
        {"unveraendert", true, Danach::Nichts, "6A000001", 2},
        {"gleich lang, anderer Inhalt", true, Danach::GleichLangNeu, "6B000001", 2},
        {"laenger geworden", true, Danach::Laenger, "6B000001", 3},
        {"geloescht", true, Danach::Geloescht, {}, 0},
        {"durch einen Ordner ersetzt", true, Danach::Ordner, {}, 0},
        {"erst danach angelegt", false, Danach::GleichLangNeu, "6B000001", 2},
        {"nach einem anderen Pfad gefragt", true, Danach::AndererPfad, "6B000001", 2},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Umfeld u;
        const QString pfad = u.pfad("Fahrzeug.bin");
        if (fall.vorher)
            u.datei("Fahrzeug.bin", alt);
        StartVorlesen vorlesen(pfad);
        // The change comes after the reading ahead, as it would while the windows are built.
        while (!vorlesen.fertig())
            std::this_thread::yield();
        QString gefragt = pfad;
        switch (fall.danach) {
        case Danach::Nichts:
            break;
        case Danach::GleichLangNeu:
        case Danach::Laenger: {
            // A later time stamp, as any real change would have.
            const QDateTime spaeter = QDateTime::currentDateTime().addSecs(10);
            dateiAnlegen(pfad, fall.danach == Danach::Laenger ? laenger : neu);
            QFile datei(pfad);
            ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
            ASSERT_TRUE(datei.setFileTime(spaeter, QFileDevice::FileModificationTime));
            break;
        }
        case Danach::Geloescht:
            ASSERT_TRUE(QFile::remove(pfad));
            break;
        case Danach::Ordner:
            ASSERT_TRUE(QFile::remove(pfad));
            ASSERT_TRUE(QDir(u.ordner.path()).mkdir("Fahrzeug.bin"));
            break;
        case Danach::AndererPfad:
            gefragt = u.datei("Fahrzeug2.bin", neu);
            break;
        }
        EXPECT_EQ(fahrzeugeBeimStartLesen(u.ab, gefragt, u.fortschritt, &vorlesen), fall.anzahl);
        ASSERT_EQ(u.ab.fahrzeuge.size(), size_t(fall.anzahl));
        if (fall.anzahl > 0) {
            EXPECT_EQ(u.ab.fahrzeuge.front().kennung, fall.ersteKennung);
            ASSERT_FALSE(u.fortschritt.bereiche.isEmpty());
            EXPECT_DOUBLE_EQ(u.fortschritt.bereiche.back().bis, 1.0);
            EXPECT_EQ(u.fortschritt.bereiche.back().farbe, std::optional<Farbe>(farbe::ReinGruen));
        }
    }
}

TEST(StartLesen, VorgelesenGleichtDemSelbstGelesenen) {
    // Shared columns, a trailing part record and the progress lines as the start-up's own read.
    QByteArray daten;
    for (int i = 0; i < 500; ++i)
        daten += fahrzeugSatz(QByteArray("6A") + QByteArray::number(100000 + i), "RTW", i % 10,
                              i % 3 ? "10:00:00" : "11:00:00", i % 2 ? "" : "gerade");
    daten += QByteArray(100, 'x');
    Umfeld selbst;
    const QString pfad = selbst.datei("Fahrzeug.bin", daten);
    ASSERT_EQ(fahrzeugeBeimStartLesen(selbst.ab, pfad, selbst.fortschritt), 500);

    Umfeld vorher;
    StartVorlesen vorlesen(pfad);
    ASSERT_EQ(fahrzeugeBeimStartLesen(vorher.ab, pfad, vorher.fortschritt, &vorlesen), 500);
    EXPECT_EQ(vorher.ab.fahrzeuge, selbst.ab.fahrzeuge);
    // The strip gets the same lines, one per record.
    ASSERT_EQ(vorher.fortschritt.bereiche.size(), selbst.fortschritt.bereiche.size());
    for (qsizetype i = 0; i < selbst.fortschritt.bereiche.size(); ++i) {
        ASSERT_EQ(vorher.fortschritt.bereiche[i].von, selbst.fortschritt.bereiche[i].von) << i;
        ASSERT_EQ(vorher.fortschritt.bereiche[i].bis, selbst.fortschritt.bereiche[i].bis) << i;
        ASSERT_EQ(vorher.fortschritt.bereiche[i].farbe, selbst.fortschritt.bereiche[i].farbe) << i;
    }
    EXPECT_FALSE(vorlesen.abholen(vorher.fortschritt)) << "taken once only";
}

// The overview's lookup built on the reading thread finds what a lookup built afterwards finds:
// the first of two entries with one identifier, nothing for an identifier not in the list.
TEST(StartLesen, StatusMitDemVorgelesenenIndex) {
    const QByteArray fahrzeuge = fahrzeugSatz("6A000001", "RTW 1", 4, "10:00:00", "erster") +
                                 fahrzeugSatz("6A000002", "RTW 2", 3, "11:00:00", "zwei") +
                                 fahrzeugSatz("6A000001", "RTW 1b", 6, "12:00:00", "zweiter");
    const QByteArray status =
        statusDatei({statusSatz(1, "RTW 1", "6A000001"), statusSatz(1, "RTW 2", "6A000002"),
                     statusSatz(1, "RTW 9", "6A000009"), statusSatz(2, "Wache")});
    Umfeld selbst;
    fahrzeugeBeimStartLesen(selbst.ab, selbst.datei("Fahrzeug.bin", fahrzeuge), selbst.fortschritt);
    statusBeimStartLesen(selbst.ab, selbst.datei("status.bin", status), selbst.fortschritt);
    ASSERT_EQ(selbst.ab.felder[0].info, QStringLiteral("erster").leftJustified(20));

    Umfeld vorher;
    const QString pfad = vorher.datei("Fahrzeug.bin", fahrzeuge);
    StartVorlesen vorlesen(pfad);
    ASSERT_EQ(fahrzeugeBeimStartLesen(vorher.ab, pfad, vorher.fortschritt, &vorlesen), 3);
    ASSERT_NE(vorlesen.index(vorher.ab.fahrzeuge), nullptr);
    statusBeimStartLesen(vorher.ab, vorher.datei("status.bin", status), vorher.fortschritt, &vorlesen);
    for (int i = 0; i < 416; ++i)
        ASSERT_EQ(vorher.ab.felder[i], selbst.ab.felder[i]) << i;

    // Another list (a copy, or one read without the thread) gets no index.
    const std::vector<Fahrzeug> kopie = vorher.ab.fahrzeuge;
    EXPECT_EQ(vorlesen.index(kopie), nullptr);
    vorher.ab.fahrzeuge.pop_back();
    EXPECT_EQ(vorlesen.index(vorher.ab.fahrzeuge), nullptr);
}
