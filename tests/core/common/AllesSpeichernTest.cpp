#include "core/common/AllesSpeichern.h"

#include "core/actions/AktionenGenerieren.h"
#include "core/actions/Aktionsliste.h"
#include "core/files/FahrzeugDatei.h"
#include "core/overview/Fensterwahl.h"
#include "core/overview/StatusUebersicht.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class AllesSpeichernTest : public ::testing::Test, protected TestArbeitsbereich {
protected:
    QString start = ordner.filePath("start");
    QString anders = ordner.filePath("anders");

    void SetUp() override {
        QDir().mkpath(start);
        QDir().mkpath(anders);
        ab.startverzeichnis = start;
        QDir::setCurrent(anders); // a file dialog has moved the working directory since the start
    }
    QString imStart(const QString& name) const { return QDir(start).filePath(name); }
    QString imArbeitsordner(const QString& name) const { return QDir(anders).filePath(name); }
};

} // namespace

// The three files go to the start directory, whatever folder the dialogs moved to; which
// vehicles count as placed comes from the fields as they are; the titles go with their windows.
TEST_F(AllesSpeichernTest, SchreibtDieDreiDateienInsStartverzeichnis) {
    ab.fahrzeuge = {fahrzeug("6A000001", "RTW 1"), fahrzeug("6A000002", "NEF")};
    fahrzeugInFeld(ab, 5, ab.fahrzeuge[0]);
    ab.kennungsListe = " 6A000002"; // left over from an action import
    ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('7', "123", "Musterstadt")));
    ab.fensterTitel[0] = "Feuerwehr";
    ASSERT_TRUE(FensterVerschieben(ab, 1, 2));
    ab.markieren(DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen);

    ASSERT_TRUE(AllesSpeichern(ab, rueckfrage, fortschritt));

    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
    EXPECT_EQ(ab.ungespeichert, 0);
    EXPECT_EQ(dateiInhalt(imStart("Status.BIN")), statusDateiBilden(ab));
    const QByteArray fz = dateiInhalt(imStart("Fahrzeug.BIN"));
    ASSERT_EQ(fz.size(), 2 * FahrzeugSatzLaenge);
    EXPECT_EQ(fz.at(150), 1) << "shown in a field";
    EXPECT_EQ(fz.at(FahrzeugSatzLaenge + 150), 0) << "shown by no field";
    EXPECT_EQ(ab.fahrzeuge[1].rufname, "NEF       ") << "the entries are padded once written";
    EXPECT_EQ(dateiInhalt(imStart("Orte.BIN")), orteSatz('7', "123", "Musterstadt"));
    EXPECT_TRUE(QDir(anders).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "2", {}), "Feuerwehr");
    EXPECT_EQ(speicher.alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht).size(), AnzahlFenster);
}

TEST_F(AllesSpeichernTest, AktionenNurNachDemAktionenfensterUndWennUngespeichert) {
    const struct {
        const char* name;
        bool menueAktiv;
        quint16 bits;
        bool geschrieben;
    } faelle[] = {
        {"Fenster nie geoeffnet", false, DokAktionen | DokFahrzeugliste, false},
        {"Aktionen gespeichert", true, DokFahrzeugliste, false},
        {"Aktionen ungespeichert", true, DokAktionen, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QFile::remove(imArbeitsordner("Aktion.BIN"));
        ab.aktionen = {aktion("6A000001", "3", 0, "alarm.exe")};
        ab.aktionenMenueAktiv = f.menueAktiv;
        ab.ungespeichert = f.bits;
        ASSERT_TRUE(AllesSpeichern(ab, rueckfrage, fortschritt));
        // Into the working directory, not into the start directory.
        EXPECT_EQ(dateiInhalt(imArbeitsordner("Aktion.BIN")),
                  f.geschrieben ? aktionenDateiInhalt(ab.aktionen) : "");
        EXPECT_FALSE(QFileInfo::exists(imStart("Aktion.BIN")));
        EXPECT_EQ(ab.ungespeichert, 0) << "cleared even when the actions were not written";
    }
}

// An action file refused on loading is not replaced by actions the user had before, only once
// the action list has been changed since.
TEST_F(AllesSpeichernTest, AbgewieseneAktionsdateiBleibtBisZurAenderung) {
    const auto laden = [this](const QString& p) { AktionenLaden(ab, p, rueckfrage, fortschritt); };
    const auto importieren = [this](const QString& p) {
        AktionenImportieren(ab, p, rueckfrage, fortschritt);
    };
    const auto nichts = [] {};
    const struct {
        const char* name;
        std::function<void(const QString&)> abweisen;
        std::function<void()> danach;
        bool geschrieben;
    } faelle[] = {
        {"beim Laden abgewiesen", laden, nichts, false},
        {"beim Import abgewiesen", importieren, nichts, false},
        {"danach importiert", laden,
         [&] { importieren(datei("mehr.bin", aktionSatz("6A000009", '1', '0', "neu"))); }, true},
        {"danach generiert", laden,
         [this] {
             GenerierAuswahl auswahl;
             auswahl.stati[1] = auswahl.richtung[0] = true;
             AktionenGenerieren(ab, auswahl);
         },
         true},
        {"danach eine entfernt", laden, [this] { AktionenEntfernen(ab, {true}); }, true},
    };
    const QString kaputt = imArbeitsordner("Aktion.BIN");
    const QByteArray alt = aktionSatz("6A000001", '3', '0', "alt") + "x";
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        dateiAnlegen(kaputt, alt);
        ab.dateien = {};
        ab.fahrzeuge = {fahrzeug("6A000001")};
        ab.aktionen = {aktion("6A000001", "3", 0, "generiert"), aktion("6A000001", "4", 0, "generiert")};
        ab.aktionenMenueAktiv = true;
        ab.ungespeichert = DokAktionen | DokFahrzeugliste;
        f.abweisen(kaputt);
        f.danach();
        rueckfrage.fragen.clear();

        EXPECT_EQ(AllesSpeichern(ab, rueckfrage, fortschritt), f.geschrieben);

        EXPECT_EQ(dateiInhalt(kaputt) == alt, !f.geschrieben);
        EXPECT_TRUE(QFileInfo::exists(imStart("Fahrzeug.BIN")));
        // Unwritten actions stay unsaved and are named, so the quit question still asks.
        EXPECT_EQ(ab.ungespeichert, f.geschrieben ? 0 : DokAktionen);
        ASSERT_EQ(rueckfrage.fragen.size(), f.geschrieben ? 0 : 1);
        if (!f.geschrieben) {
            EXPECT_TRUE(rueckfrage.fragen[0].text.contains(QDir::toNativeSeparators(kaputt)));
        }
    }
}
