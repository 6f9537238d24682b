#include "core/common/StartLesen.h"

#include "core/common/StartVorlesen.h"
#include "core/files/FahrzeugDatei.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

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

QByteArray fahrzeuge(const QList<const char*>& kennungen) {
    std::vector<Fahrzeug> liste;
    for (const char* k : kennungen)
        liste.push_back(fahrzeug(k, QStringLiteral("R %1").arg(k)));
    return fahrzeugDatei(liste);
}
} // namespace

TEST(StartLesen, VorgelesenNurWennDieDateiNochDieselbeIst) {
    const QByteArray alt = fahrzeuge({"6A000001", "6A000002"});
    const QByteArray neu = fahrzeuge({"6B000001", "6B000002"});
    enum class Danach { Nichts, GleichLangNeu, Geloescht, AndererPfad };
    const struct {
        const char* name;
        bool vorher; // the file exists when the reading ahead starts
        Danach danach;
        QString ersteKennung; // empty: no vehicles
        int anzahl;
    } faelle[] = {
        {"unveraendert", true, Danach::Nichts, "6A000001", 2},
        {"gleich lang, anderer Inhalt", true, Danach::GleichLangNeu, "6B000001", 2},
        {"geloescht", true, Danach::Geloescht, {}, 0},
        {"erst danach angelegt", false, Danach::GleichLangNeu, "6B000001", 2},
        {"nach einem anderen Pfad gefragt", true, Danach::AndererPfad, "6B000001", 2},
    };
    for (const auto& fall : faelle) {
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
        if (fall.danach == Danach::GleichLangNeu) {
            dateiAnlegen(pfad, neu);
            QFile datei(pfad); // a later time stamp, as any real change would have
            ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
            ASSERT_TRUE(datei.setFileTime(QDateTime::currentDateTime().addSecs(10),
                                          QFileDevice::FileModificationTime));
        } else if (fall.danach == Danach::Geloescht) {
            ASSERT_TRUE(QFile::remove(pfad));
        } else if (fall.danach == Danach::AndererPfad) {
            gefragt = u.datei("Fahrzeug2.bin", neu);
        }
        EXPECT_EQ(fahrzeugeBeimStartLesen(u.ab, gefragt, u.fortschritt, &vorlesen), fall.anzahl);
        ASSERT_EQ(u.ab.fahrzeuge.size(), size_t(fall.anzahl));
        if (fall.anzahl > 0) {
            EXPECT_EQ(u.ab.fahrzeuge.front().kennung, fall.ersteKennung);
            EXPECT_DOUBLE_EQ(u.fortschritt.bereiche.back().bis, 1.0);
        }
    }
}

// The list, the progress lines and the overview's lookup read on the thread equal what the
// start-up reads itself: the first of two entries with one identifier, nothing for an unknown one.
TEST(StartLesen, VorgelesenGleichtDemSelbstGelesenen) {
    QByteArray daten;
    for (int i = 0; i < 500; ++i) {
        Fahrzeug f = fahrzeug(QStringLiteral("6A%1").arg(100000 + i % 499), "RTW", QString::number(i % 10),
                              i % 3 ? "10:00:00" : "11:00:00", i % 2 ? "" : "gerade");
        daten += fahrzeugDatei({f});
    }
    daten += QByteArray(100, 'x');
    const QByteArray status = statusDatei({statusSatz(1, "RTW", "6A100000"), statusSatz(1, "RTW", "6A100002"),
                                           statusSatz(1, "RTW", "6A999999"), statusSatz(2, "Wache")});
    Umfeld selbst;
    const QString pfad = selbst.datei("Fahrzeug.bin", daten);
    ASSERT_EQ(fahrzeugeBeimStartLesen(selbst.ab, pfad, selbst.fortschritt), 500);
    statusBeimStartLesen(selbst.ab, selbst.datei("status.bin", status), selbst.fortschritt);
    EXPECT_EQ(selbst.ab.felder[0].info, QStringLiteral("gerade").leftJustified(20))
        << "the first of two rows";
    EXPECT_EQ(selbst.ab.felder[2].feldtyp, FeldFrei);

    Umfeld vorher;
    StartVorlesen vorlesen(pfad);
    ASSERT_EQ(fahrzeugeBeimStartLesen(vorher.ab, pfad, vorher.fortschritt, &vorlesen), 500);
    EXPECT_EQ(vorher.ab.fahrzeuge, selbst.ab.fahrzeuge);
    EXPECT_FALSE(vorlesen.abholen(vorher.fortschritt)) << "taken once only";
    ASSERT_NE(vorlesen.index(vorher.ab.fahrzeuge), nullptr);
    statusBeimStartLesen(vorher.ab, vorher.datei("status.bin", status), vorher.fortschritt, &vorlesen);
    EXPECT_EQ(vorher.ab.felder, selbst.ab.felder);
    ASSERT_EQ(vorher.fortschritt.bereiche.size(), selbst.fortschritt.bereiche.size());
    for (qsizetype i = 0; i < selbst.fortschritt.bereiche.size(); ++i) {
        ASSERT_EQ(vorher.fortschritt.bereiche[i].bis, selbst.fortschritt.bereiche[i].bis) << i;
        ASSERT_EQ(vorher.fortschritt.bereiche[i].farbe, selbst.fortschritt.bereiche[i].farbe) << i;
    }
    // Another list (a copy, or one changed in length) gets no index.
    const std::vector<Fahrzeug> kopie = vorher.ab.fahrzeuge;
    EXPECT_EQ(vorlesen.index(kopie), nullptr);
    vorher.ab.fahrzeuge.pop_back();
    EXPECT_EQ(vorlesen.index(vorher.ab.fahrzeuge), nullptr);
}
