#include "core/common/AllesSpeichern.h"

#include "core/actions/AktionenGenerieren.h"
#include "core/actions/Aktionsliste.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/StatusDatei.h"
#include "core/overview/Fensterwahl.h"
#include "core/overview/StatusUebersicht.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"
#include "support/FehlerSchreiber.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

constexpr quint16 AlleBits = DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen;

QString ortSatz(char bos, const QString& loo, const QString& name) {
    return QChar::fromLatin1(bos) + loo + name.leftJustified(50, QLatin1Char(' '));
}

class AllesSpeichernTest : public ::testing::Test, protected TestArbeitsbereich {
protected:
    QString start = ordner.filePath("start");
    QString anders = ordner.filePath("anders");

    void SetUp() override {
        QDir().mkpath(start);
        QDir().mkpath(anders);
        ab.startverzeichnis = start;
        // A file dialog has moved the working directory since the start.
        QDir::setCurrent(anders);
    }

    // One vehicle shown in field 5, one in no field, a text in field 7, one place for two BOS.
    void dokumenteFuellen() {
        ab.fahrzeuge = {fahrzeug("6A000001", "RTW 1"), fahrzeug("6A000002", "NEF")};
        fahrzeugInFeld(ab, 5, ab.fahrzeuge[0]);
        ab.felder[7].feldtyp = FeldText;
        ab.felder[7].text = "Wache Nord";
        ab.orte.satzEinfuegen(ortSatz('7', "123", "Musterstadt"));
        ab.orte.satzEinfuegen(ortSatz('9', "123", "Musterstadt"));
    }
    QString imStart(const char* name) const { return QDir(start).filePath(name); }
};

} // namespace

TEST_F(AllesSpeichernTest, SchreibtDieDreiDateienInsStartverzeichnis) {
    dokumenteFuellen();
    // Left over from an action import: must not decide which vehicles count as placed.
    ab.kennungsListe = " 6A000002";
    ab.fensterTitel[0] = "Feuerwehr";
    ab.fensterTitel[1] = "Rettungsdienst";
    ASSERT_TRUE(FensterVerschieben(ab, 2, 1));
    ab.markieren(AlleBits);

    ASSERT_TRUE(AllesSpeichern(ab, rueckfrage, fortschritt));

    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
    EXPECT_EQ(ab.ungespeichert, 0);
    const QByteArray status = dateiInhalt(imStart("Status.BIN"));
    ASSERT_EQ(status.size(), StatusDateiLaenge);
    EXPECT_EQ(status, statusDateiBilden(ab));
    // Window 1 moved to place 2: its fields 5 and 7 are now fields 57 and 59.
    EXPECT_EQ(status.mid(57 * 40, 12), QByteArray("\x01\0RTW 1     ", 12));
    EXPECT_EQ(status.mid(59 * 40 + 2, 10), "Wache Nord");

    const QByteArray fz = dateiInhalt(imStart("Fahrzeug.BIN"));
    ASSERT_EQ(fz.size(), 2 * FahrzeugSatzLaenge);
    EXPECT_EQ(fz.mid(0, 8), "6A000001");
    EXPECT_EQ(fz.at(150), 1) << "shown in field 5";
    EXPECT_EQ(fz.at(FahrzeugSatzLaenge + 150), 0) << "shown by no field";
    EXPECT_TRUE(ab.kennungsListe.contains("6A000001"));
    EXPECT_FALSE(ab.kennungsListe.contains("6A000002")) << "rebuilt from the fields";
    // The entries are padded in place once written.
    EXPECT_EQ(ab.fahrzeuge[1].rufname, "NEF       ");
    EXPECT_EQ(ab.fahrzeuge[1].bemerkung.size(), 256);

    EXPECT_EQ(dateiInhalt(imStart("Orte.BIN")),
              (ortSatz('7', "123", "Musterstadt") + ortSatz('9', "123", "Musterstadt")).toLatin1());

    // Nothing went to the folder the dialog had moved to.
    EXPECT_TRUE(QDir(anders).entryList(QDir::Files).isEmpty());
    // The titles go with the overview: a window moved before the save keeps its title.
    EXPECT_EQ(speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "1", {}), "Rettungsdienst");
    EXPECT_EQ(speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "2", {}), "Feuerwehr");
    EXPECT_EQ(speicher.alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht).size(), AnzahlFenster);
}

TEST_F(AllesSpeichernTest, SchreibtJedesDokumentUndFindetVorhandeneDateienJederSchreibung) {
    struct Fall {
        const char* name;
        QString startverzeichnis;
        QStringList vorhanden; // files already in the start directory
        QStringList erwartet;  // the folder's files afterwards
    };
    const QString mitTrenner = start + "/";
    const Fall faelle[] = {
        {"neu angelegt", start, {}, {"Fahrzeug.BIN", "Orte.BIN", "Status.BIN"}},
        {"Trenner am Ende", mitTrenner, {}, {"Fahrzeug.BIN", "Orte.BIN", "Status.BIN"}},
        {"andere Schreibung",
         start,
         {"status.bin", "FAHRZEUG.BIN", "orte.BIN"},
         {"FAHRZEUG.BIN", "orte.BIN", "status.bin"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QDir(start).removeRecursively();
        QDir().mkpath(start);
        for (const QString& name : f.vorhanden)
            dateiAnlegen(QDir(start).filePath(name), "alt");
        ab.dateien = {}; // the row before wrote the files this row replaced
        ab.startverzeichnis = f.startverzeichnis;
        ASSERT_TRUE(AllesSpeichern(ab, rueckfrage, fortschritt));
        QStringList dateien = QDir(start).entryList(QDir::Files);
        dateien.sort();
        EXPECT_EQ(dateien, f.erwartet);
        // Unchanged and empty documents are written all the same.
        for (const QString& name : f.erwartet)
            EXPECT_EQ(dateiInhalt(QDir(start).filePath(name)).size(),
                      name.startsWith('s', Qt::CaseInsensitive) ? StatusDateiLaenge : 0)
                << name.toStdString();
    }
}

TEST_F(AllesSpeichernTest, FehlschlagBeendetDenDurchgang) {
    struct Fall {
        const char* name;
        FehlerSchreiber::Art art;
        QString muster;
        QStringList geschrieben; // written before the failure
        QStringList unberuehrt;  // the failing file and the ones after it
    };
    const Fall faelle[] = {
        {"Status voll",
         FehlerSchreiber::Art::NachBytes,
         "Status",
         {},
         {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN"}},
        {"Fahrzeug beim Abschluss",
         FehlerSchreiber::Art::BeimAbschluss,
         "Fahrzeug",
         {"Status.BIN"},
         {"Fahrzeug.BIN", "Orte.BIN"}},
        {"Orte voll", FehlerSchreiber::Art::NachBytes, "Orte", {"Status.BIN", "Fahrzeug.BIN"}, {"Orte.BIN"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich t2;
        Arbeitsbereich& ab2 = t2.ab;
        FehlerSchreiber kaputt(f.art, 10, f.muster);
        ab2.setzeSchreiber(kaputt);
        ab2.startverzeichnis = start;
        ab2.fahrzeuge = {fahrzeug("6A000002", "NEF")};
        ab2.orte.satzEinfuegen(ortSatz('7', "123", "Musterstadt"));
        ab2.markieren(DokFahrzeugliste | DokOrtskennungen);
        for (const char* name : {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN"})
            dateiAnlegen(imStart(name), "alt");

        EXPECT_FALSE(AllesSpeichern(ab2, t2.rueckfrage, t2.fortschritt));

        // The failure is reported once and ends the pass: the files after it stay as they were.
        ASSERT_EQ(t2.rueckfrage.fragen.size(), 1);
        EXPECT_EQ(kaputt.versuche, 1);
        for (const QString& name : f.geschrieben)
            EXPECT_NE(dateiInhalt(imStart(qPrintable(name))), "alt") << name.toStdString();
        for (const QString& name : f.unberuehrt)
            EXPECT_EQ(dateiInhalt(imStart(qPrintable(name))), "alt") << name.toStdString();
        // The list is padded only when its file was written.
        EXPECT_EQ(ab2.fahrzeuge[0].rufname == "NEF", f.unberuehrt.contains("Fahrzeug.BIN"));
        EXPECT_EQ(t2.fortschritt.verborgen, 1);
    }
}

TEST_F(AllesSpeichernTest, FortschrittFelderInFarbeVierFahrzeugeInFarbeZwei) {
    ab.statusfarbe[4] = 0x0000FF;
    ab.statusfarbe[2] = 0x00FF00;
    ab.fahrzeuge = {fahrzeug("11111111"), fahrzeug("22222222"), fahrzeug("33333333"), fahrzeug("44444444")};

    ASSERT_TRUE(AllesSpeichern(ab, rueckfrage, fortschritt));

    EXPECT_EQ(fortschritt.gezeigt, 1);
    EXPECT_EQ(fortschritt.verborgen, 1);
    ASSERT_EQ(fortschritt.bereiche.size(), AnzahlFelder + 4);
    for (int i = 0; i < AnzahlFelder; ++i)
        EXPECT_EQ(fortschritt.bereiche[i].farbe, std::optional<Farbe>(0x0000FF));
    // Vehicle k of n, counted from 1, from k/n to (k+1)/n.
    for (int k = 1; k <= 4; ++k) {
        const auto& b = fortschritt.bereiche[AnzahlFelder + k - 1];
        EXPECT_DOUBLE_EQ(b.von, k / 4.0);
        EXPECT_DOUBLE_EQ(b.bis, (k + 1) / 4.0);
        EXPECT_EQ(b.farbe, std::optional<Farbe>(0x00FF00));
    }
}

TEST_F(AllesSpeichernTest, AktionenNurNachDemAktionenfensterUndWennUngespeichert) {
    struct Fall {
        const char* name;
        bool menueAktiv;
        quint16 bits;
        bool geschrieben;
    };
    const Fall faelle[] = {
        {"Fenster nie geoeffnet", false, DokAktionen | DokFahrzeugliste, false},
        {"Aktionen gespeichert", true, DokFahrzeugliste, false},
        {"Aktionen ungespeichert", true, DokAktionen, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QFile::remove(QDir(anders).filePath("Aktion.BIN"));
        ab.aktionen = {aktion("6A000001", "3", 0, "alarm.exe")};
        ab.aktionenMenueAktiv = f.menueAktiv;
        ab.ungespeichert = f.bits;

        ASSERT_TRUE(AllesSpeichern(ab, rueckfrage, fortschritt));

        // Into the working directory, not into the start directory.
        EXPECT_EQ(QFileInfo::exists(QDir(anders).filePath("Aktion.BIN")), f.geschrieben);
        if (f.geschrieben) {
            EXPECT_EQ(dateiInhalt(QDir(anders).filePath("Aktion.BIN")), aktionenDateiInhalt(ab.aktionen));
        }
        EXPECT_FALSE(QFileInfo::exists(imStart("Aktion.BIN")));
        EXPECT_EQ(ab.ungespeichert, 0) << "cleared even when the actions were not written";
    }
}

// An action file refused on loading is not replaced by actions the user had before, only once
// the action list has been changed since.
TEST_F(AllesSpeichernTest, AbgewieseneAktionsdateiBleibtBisZurAenderung) {
    struct Fall {
        const char* name;
        std::function<void(Arbeitsbereich&, const QString&)> abweisen;
        std::function<void(Arbeitsbereich&)> danach;
        bool geschrieben;
    };
    const auto laden = [this](Arbeitsbereich& a, const QString& p) {
        AktionenLaden(a, p, rueckfrage, fortschritt);
    };
    const auto importieren = [this](Arbeitsbereich& a, const QString& p) {
        AktionenImportieren(a, p, rueckfrage, fortschritt);
    };
    const auto nichts = [](Arbeitsbereich&) {};
    const Fall faelle[] = {
        {"beim Laden abgewiesen", laden, nichts, false},
        {"beim Import abgewiesen", importieren, nichts, false},
        {"danach importiert", laden,
         [this](Arbeitsbereich& a) {
             AktionenImportieren(a, datei("mehr.bin", aktionSatz("6A000009", '1', '0', "neu")), rueckfrage,
                                 fortschritt);
         },
         true},
        {"danach generiert", laden,
         [](Arbeitsbereich& a) {
             GenerierAuswahl auswahl;
             auswahl.stati[1] = true;
             auswahl.richtung[0] = true;
             AktionenGenerieren(a, auswahl);
         },
         true},
        {"danach eine entfernt", laden, [](Arbeitsbereich& a) { AktionenEntfernen(a, {true}); }, true},
    };
    const QString kaputt = QDir(anders).filePath("Aktion.BIN");
    const QByteArray alt = aktionSatz("6A000001", '3', '0', "alt") + "x";
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        dateiAnlegen(kaputt, alt);
        ab.dateien = {};
        ab.fahrzeuge = {fahrzeug("6A000001")};
        ab.aktionen = {aktion("6A000001", "3", 0, "generiert"), aktion("6A000001", "4", 0, "generiert")};
        ab.aktionenMenueAktiv = true;
        ab.ungespeichert = DokAktionen | DokFahrzeugliste;
        f.abweisen(ab, kaputt);
        f.danach(ab);
        rueckfrage.fragen.clear();

        EXPECT_EQ(AllesSpeichern(ab, rueckfrage, fortschritt), f.geschrieben);

        EXPECT_EQ(dateiInhalt(kaputt) == alt, !f.geschrieben);
        EXPECT_TRUE(QFileInfo::exists(imStart("Fahrzeug.BIN")));
        // Unwritten actions stay unsaved and are named, so the quit question still asks.
        EXPECT_EQ(ab.ungespeichert, f.geschrieben ? 0 : DokAktionen);
        EXPECT_EQ(rueckfrage.fragen.size(), f.geschrieben ? 0 : 1);
        if (!f.geschrieben && !rueckfrage.fragen.isEmpty()) {
            EXPECT_TRUE(rueckfrage.fragen[0].text.contains(QDir::toNativeSeparators(kaputt)));
        }
    }
}

TEST_F(AllesSpeichernTest, AktionsdateiScheitertNachDenDreiDateien) {
    FehlerSchreiber kaputt(FehlerSchreiber::Art::BeimAbschluss, 0, "Aktion");
    ab.setzeSchreiber(kaputt);
    dateiAnlegen(QDir(anders).filePath("aktion.bin"), "alt");
    ab.aktionen = {aktion("6A000001", "3", 0, "alarm.exe")};
    ab.aktionenMenueAktiv = true;
    ab.markieren(DokAktionen | DokOrtskennungen);

    EXPECT_FALSE(AllesSpeichern(ab, rueckfrage, fortschritt));

    ASSERT_EQ(rueckfrage.fragen.size(), 1);
    // Onto the file of the other case, as the host's file system would.
    EXPECT_TRUE(
        rueckfrage.fragen[0].text.contains(QDir::toNativeSeparators(QDir(anders).filePath("aktion.bin"))));
    EXPECT_EQ(dateiInhalt(QDir(anders).filePath("aktion.bin")), "alt");
    for (const char* name : {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN"})
        EXPECT_TRUE(QFileInfo::exists(imStart(name))) << name;
    EXPECT_EQ(ab.ungespeichert, DokAktionen | DokOrtskennungen);
}
