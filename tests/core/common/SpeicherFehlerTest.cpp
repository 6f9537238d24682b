// Every save path of the program against a disk that fails: the old file stays byte for byte,
// the user is told which file and why, the document stays unsaved, and a later save works.
#include "core/actions/AktionenBefehle.h"
#include "core/common/AllesSpeichern.h"
#include "core/files/DateiSchreiber.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/settings/Einstellungsbuendel.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/Fahrzeuge.h"
#include "support/FehlerSchreiber.h"
#include "support/OrteDaten.h"
#include "support/Schreibschutz.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

using Umfeld = TestArbeitsbereich;

// One way of writing a document: what it writes, how it is started, what it must report.
struct Speicherweg {
    const char* name;
    QString datei;                                    // the file the command writes (chosen in its dialog)
    QString titel;                                    // caption of the failure message
    quint16 bits;                                     // flags that must survive a failed save
    std::function<void(Umfeld&)> fuellen;             // a document worth saving, marked unsaved
    std::function<void(Umfeld&, const QString&)> los; // the command, the dialog answered with the path
    std::function<qint64(Umfeld&)> groesse;           // bytes of the file written after fuellen
};

std::vector<Speicherweg> speicherwege() {
    return {
        {"Fahrzeugliste", "Fahrzeug.BIN", "Fahrzeugliste Speichern", DokFahrzeugliste,
         [](Umfeld& u) {
             u.ab.fahrzeuge = {fahrzeug("6A123456", "RTW 1"), fahrzeug("6A123457", "NEF")};
             u.ab.markieren(DokFahrzeugliste | DokStatusuebersicht);
         },
         [](Umfeld& u, const QString& pfad) {
             u.rueckfrage.dateien = {pfad};
             MenueSpeichernFzg(u.ab, u.rueckfrage, u.fortschritt);
         },
         [](Umfeld&) { return 2 * 408; }},
        {"Ortskennungen", "Orte.BIN", "Ortskennungen Speichern", DokOrtskennungen,
         [](Umfeld& u) {
             u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('7', "A23", "Musterstadt")));
             u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('9', "A23", "Musterstadt")));
             u.ab.orte.listeBilden(u.ab.bosName);
             u.ab.markieren(DokOrtskennungen | DokFahrzeugliste);
         },
         [](Umfeld& u, const QString& pfad) {
             u.rueckfrage.dateien = {pfad};
             OrteSpeichernBefehl(u.ab, u.rueckfrage);
         },
         [](Umfeld&) { return 2 * 54; }},
        {"Status", "Status.BIN", QStringLiteral("Status\u00fcbersicht Speichern"), DokStatusuebersicht,
         [](Umfeld& u) {
             fahrzeugInFeld(u.ab, 7, fahrzeug("6A123456", "RTW 1"));
             u.ab.fensterTitel[0] = QStringLiteral("Wache Nord");
             u.ab.markieren(DokStatusuebersicht);
         },
         [](Umfeld& u, const QString& pfad) {
             u.rueckfrage.dateien = {pfad};
             statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt);
         },
         [](Umfeld&) { return 416 * 40; }},
        {"Einstellungsbuendel", "Einstellungen.BIN", "Einstellungen Speichern", 0,
         [](Umfeld& u) { u.ab.fensterTitel[1] = QStringLiteral("Wache S\u00fcd"); },
         [](Umfeld& u, const QString& pfad) {
             u.rueckfrage.dateien = {pfad};
             EinstellungsbuendelSpeichern(u.ab, u.rueckfrage, BuendelGruppen{});
         },
         [](Umfeld& u) { return buendelErzeugen(u.ab, BuendelGruppen{}).size(); }},
        {"Aktionen", "Aktion.BIN", "Aktionen Speichern", DokAktionen,
         [](Umfeld& u) {
             Aktion a;
             a.kennung = QStringLiteral("6A123456");
             a.status = QStringLiteral("3");
             a.aktion = QStringLiteral("C:\\alarm.exe");
             u.ab.aktionen = {a, a};
             u.ab.aktionenMenueAktiv = true;
             u.ab.markieren(DokAktionen | DokOrtskennungen);
         },
         [](Umfeld& u, const QString& pfad) {
             u.rueckfrage.dateien = {pfad};
             AktionenSpeichernBefehl(u.ab, u.rueckfrage);
         },
         [](Umfeld&) { return 2 * 137; }},
    };
}

// Save-all writes its files one after the other into the start directory (the actions into the
// working directory, here the same); each of them fails once. Whatever was written before the failure may
// stay written, but every flag stays set.
std::vector<Speicherweg> allesSpeichernWege() {
    std::vector<Speicherweg> wege;
    const auto alle = speicherwege();
    for (const char* datei : {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN", "Aktion.BIN"}) {
        wege.push_back({"Alles Speichern", datei, "Alles Speichern", 0xFFFF,
                        [alle](Umfeld& u) {
                            for (const Speicherweg& w : alle)
                                w.fuellen(u);
                        },
                        [](Umfeld& u, const QString& pfad) {
                            u.ab.startverzeichnis = QFileInfo(pfad).absolutePath();
                            QDir::setCurrent(u.ab.startverzeichnis);
                            AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt);
                        },
                        [alle, datei](Umfeld& u) {
                            for (const Speicherweg& w : alle)
                                if (w.datei == QLatin1String(datei))
                                    return w.groesse(u);
                            return qint64(-1);
                        }});
    }
    return wege;
}

std::vector<Speicherweg> alleSpeicherwege() {
    std::vector<Speicherweg> wege = speicherwege();
    for (Speicherweg& w : allesSpeichernWege())
        wege.push_back(std::move(w));
    return wege;
}

struct Fehler {
    const char* name;
    FehlerSchreiber::Art art;
    qint64 bytes;
    QString grund;
};

const QString VollePlatte =
    QStringLiteral("Auf dem Datentr\u00e4ger ist nicht gen\u00fcgend Speicherplatz verf\u00fcgbar.");

const Fehler fehlerArten[] = {
    {"kein Byte", FehlerSchreiber::Art::NachBytes, 0, VollePlatte},
    {"mitten im Satz", FehlerSchreiber::Art::NachBytes, 61, VollePlatte},
    {"beim Abschluss", FehlerSchreiber::Art::BeimAbschluss, 0,
     QStringLiteral("Die Datei konnte nicht umbenannt werden.")},
};

const QByteArray AlterInhalt("der alte Inhalt, den nichts zerstoeren darf\n\x00\xff", 46);

// The command cannot write there: one message naming the file, and the document stays unsaved.
void wirdAbgewiesen(const Speicherweg& weg, Umfeld& u, const QString& pfad) {
    weg.fuellen(u);
    const quint16 flags = u.ab.ungespeichert;
    weg.los(u, pfad);
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, weg.titel);
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains(QDir::toNativeSeparators(pfad)));
    EXPECT_EQ(u.ab.ungespeichert, flags);
}

} // namespace

TEST(SpeicherFehler, AlteDateiBleibtNutzerErfaehrtDateiUndGrund) {
    for (const Speicherweg& weg : alleSpeicherwege()) {
        for (const Fehler& fehler : fehlerArten) {
            SCOPED_TRACE(std::string(weg.name) + " / " + fehler.name);
            Umfeld u;
            const QString pfad = u.datei(weg.datei, AlterInhalt);
            weg.fuellen(u);
            const quint16 flags = u.ab.ungespeichert;

            FehlerSchreiber kaputt(fehler.art, fehler.bytes, QLatin1Char('/') + weg.datei);
            u.ab.setzeSchreiber(kaputt);
            weg.los(u, pfad);

            EXPECT_GE(kaputt.versuche, 1);
            EXPECT_EQ(dateiInhalt(pfad), AlterInhalt);
            // No temporary file is left beside the documents.
            for (const QString& name : QDir(u.ordner.path()).entryList(QDir::Files | QDir::Hidden))
                EXPECT_TRUE(name.endsWith(QLatin1String(".BIN"))) << name.toStdString();
            ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
            EXPECT_EQ(u.rueckfrage.fragen[0].titel, weg.titel);
            EXPECT_EQ(u.rueckfrage.fragen[0].knoepfe, Knoepfe::Ok);
            EXPECT_EQ(u.rueckfrage.fragen[0].text, schreibFehlerText(pfad, fehler.grund));
            EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains(fehler.grund)) << "the reason is given";
            EXPECT_EQ(u.ab.ungespeichert, flags);
            if (weg.bits) {
                EXPECT_TRUE(u.ab.istUngespeichert(static_cast<Dokument>(weg.bits)));
            }
            // A save of the overview that failed stores no window titles either.
            if (weg.bits != 0xFFFF || weg.datei == QLatin1String("Status.BIN")) {
                EXPECT_TRUE(u.speicher.alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht).isEmpty());
            }

            // The disk is back: the same command now writes the file and clears the flag.
            DateiSchreiber heil;
            u.ab.setzeSchreiber(heil);
            u.rueckfrage.fragen.clear();
            weg.los(u, pfad);
            EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
            EXPECT_EQ(QFileInfo(pfad).size(), weg.groesse(u));
            EXPECT_EQ(u.ab.ungespeichert, flags & ~weg.bits);
        }
    }
}

// Places no writer can use: a folder where the file should be, a folder that is a file, a
// file system nobody may write to. The message names the file; nothing else changes.
TEST(SpeicherFehler, UnbeschreibbarerOrtWirdGemeldet) {
    for (const Speicherweg& weg : speicherwege()) {
        QTemporaryDir ordner;
        dateiAnlegen(ordner.filePath("keinOrdner"), "x");
        QDir(ordner.path()).mkdir(weg.datei);
        const QString ziele[] = {ordner.filePath(weg.datei), ordner.filePath("keinOrdner/" + weg.datei),
                                 QStringLiteral("/proc/") + weg.datei};
        for (const QString& pfad : ziele) {
            SCOPED_TRACE(std::string(weg.name) + " -> " + pfad.toStdString());
            Umfeld u;
            wirdAbgewiesen(weg, u, pfad);
        }
        EXPECT_TRUE(QFileInfo(ordner.filePath(weg.datei)).isDir());
        EXPECT_EQ(dateiInhalt(ordner.filePath("keinOrdner")), "x");
    }
}

// A file the user protected against writing is not replaced behind their back.
TEST(SpeicherFehler, SchreibgeschuetzteDateiBleibt) {
    for (const Speicherweg& weg : speicherwege()) {
        SCOPED_TRACE(weg.name);
        Umfeld u;
        const QString pfad = u.datei(weg.datei, AlterInhalt);
        const Schreibschutz schutz(pfad);
        if (!schutz.wirkt())
            GTEST_SKIP() << "this file system cannot protect a file against this process";
        wirdAbgewiesen(weg, u, pfad);
        EXPECT_EQ(dateiInhalt(pfad), AlterInhalt);
    }
}
