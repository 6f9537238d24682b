// Every save path of the program against a disk that fails: the old file stays byte for byte,
// the user is told which file and why, the document stays unsaved, and a later save works.
#include "core/actions/AktionenBefehle.h"
#include "core/common/AllesSpeichern.h"
#include "core/files/DateiSchreiber.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/settings/Einstellungsbuendel.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/FehlerSchreiber.h"
#include "support/Saetze.h"
#include "support/Schreibschutz.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

using Umfeld = TestArbeitsbereich;

// One way of writing a document: the file it writes (chosen in its dialog), the caption of its
// failure message, the flags a successful save clears, and the command.
struct Speicherweg {
    const char* name;
    QString datei, titel;
    quint16 bits;
    std::function<void(Umfeld&)> los;
};

const Speicherweg einzeln[] = {
    {"Fahrzeugliste", "Fahrzeug.BIN", "Fahrzeugliste Speichern", DokFahrzeugliste,
     [](Umfeld& u) { MenueSpeichernFzg(u.ab, u.rueckfrage, u.fortschritt); }},
    {"Ortskennungen", "Orte.BIN", "Ortskennungen Speichern", DokOrtskennungen,
     [](Umfeld& u) { OrteSpeichernBefehl(u.ab, u.rueckfrage); }},
    {"Status", "Status.BIN", QStringLiteral("Status\u00fcbersicht Speichern"), DokStatusuebersicht,
     [](Umfeld& u) { statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt); }},
    {"Einstellungsbuendel", "Einstellungen.BIN", "Einstellungen Speichern", 0,
     [](Umfeld& u) { EinstellungsbuendelSpeichern(u.ab, u.rueckfrage, BuendelGruppen{}); }},
    {"Aktionen", "Aktion.BIN", "Aktionen Speichern", DokAktionen,
     [](Umfeld& u) { AktionenSpeichernBefehl(u.ab, u.rueckfrage); }},
};

// Save-all writes its files in this order into the start directory (the actions into the working
// directory, here the same); each of them fails once.
const QStringList AllesReihenfolge = {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN", "Aktion.BIN"};

std::vector<Speicherweg> alleSpeicherwege() {
    std::vector<Speicherweg> wege(std::begin(einzeln), std::end(einzeln));
    for (const QString& datei : AllesReihenfolge)
        wege.push_back({"Alles Speichern", datei, "Alles Speichern", 0xFFFF, [](Umfeld& u) {
                            u.ab.startverzeichnis = u.ordner.path();
                            QDir::setCurrent(u.ordner.path());
                            AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt);
                        }});
    return wege;
}

// Documents worth saving, each marked unsaved.
void fuellen(Umfeld& u) {
    u.ab.fahrzeuge = {fahrzeug("6A123456", "RTW 1"), fahrzeug("6A123457", "NEF")};
    u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('7', "A23", "Musterstadt")));
    u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('9', "A23", "Musterstadt")));
    fahrzeugInFeld(u.ab, 7, u.ab.fahrzeuge[0]);
    u.ab.fensterTitel[0] = QStringLiteral("Wache S\u00fcd");
    u.ab.aktionen = {Aktion{}, Aktion{}};
    u.ab.aktionenMenueAktiv = true;
    u.ab.markieren(DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen);
}

const QString VollePlatte =
    QStringLiteral("Auf dem Datentr\u00e4ger ist nicht gen\u00fcgend Speicherplatz verf\u00fcgbar.");

const struct {
    const char* name;
    FehlerSchreiber::Art art;
    qint64 bytes;
    QString grund;
} fehlerArten[] = {
    {"kein Byte", FehlerSchreiber::Art::NachBytes, 0, VollePlatte},
    {"mitten im Satz", FehlerSchreiber::Art::NachBytes, 61, VollePlatte},
    {"beim Abschluss", FehlerSchreiber::Art::BeimAbschluss, 0,
     QStringLiteral("Die Datei konnte nicht umbenannt werden.")},
};

const QByteArray AlterInhalt("der alte Inhalt, den nichts zerstoeren darf\n\x00\xff", 46);

// The command cannot write there: one message naming the file, and the document stays unsaved.
void wirdAbgewiesen(const Speicherweg& weg, const QString& pfad) {
    Umfeld u;
    fuellen(u);
    u.rueckfrage.dateien = {pfad};
    weg.los(u);
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, weg.titel);
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains(QDir::toNativeSeparators(pfad)));
    EXPECT_EQ(u.ab.ungespeichert, DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen);
}

} // namespace

TEST(SpeicherFehler, AlteDateiBleibtNutzerErfaehrtDateiUndGrund) {
    for (const Speicherweg& weg : alleSpeicherwege()) {
        for (const auto& fehler : fehlerArten) {
            SCOPED_TRACE(std::string(weg.name) + " " + weg.datei.toStdString() + " / " + fehler.name);
            Umfeld u;
            const QString pfad = u.datei(weg.datei, AlterInhalt);
            fuellen(u);
            const quint16 flags = u.ab.ungespeichert;
            FehlerSchreiber kaputt(fehler.art, fehler.bytes, QLatin1Char('/') + weg.datei);
            u.ab.setzeSchreiber(kaputt);
            u.rueckfrage.dateien = {pfad};
            weg.los(u);

            EXPECT_EQ(dateiInhalt(pfad), AlterInhalt);
            // No temporary file is left beside the documents; save-all stops at the failure.
            EXPECT_EQ(QDir(u.ordner.path()).entryList(QDir::Files | QDir::Hidden).size(),
                      1 + (weg.bits == 0xFFFF ? AllesReihenfolge.indexOf(weg.datei) : 0));
            ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
            EXPECT_EQ(u.rueckfrage.fragen[0].titel, weg.titel);
            EXPECT_EQ(u.rueckfrage.fragen[0].knoepfe, Knoepfe::Ok);
            EXPECT_EQ(u.rueckfrage.fragen[0].text, schreibFehlerText(pfad, fehler.grund));
            EXPECT_EQ(u.ab.ungespeichert, flags);
            // A save of the overview that failed stores no window titles either.
            if (weg.bits != 0xFFFF || weg.datei == QLatin1String("Status.BIN")) {
                EXPECT_TRUE(u.speicher.alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht).isEmpty());
            }

            // The disk is back: the same command now writes the file and clears the flags.
            DateiSchreiber heil;
            u.ab.setzeSchreiber(heil);
            u.rueckfrage.fragen.clear();
            u.rueckfrage.dateien = {pfad};
            weg.los(u);
            EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
            EXPECT_NE(dateiInhalt(pfad), AlterInhalt);
            EXPECT_EQ(u.ab.ungespeichert, flags & ~weg.bits);
        }
    }
}

// Places no writer can use: a folder where the file should be, a folder that is a file, a
// file system nobody may write to, a file the user protected. The message names the file;
// nothing else changes.
TEST(SpeicherFehler, UnbeschreibbarerOrtWirdGemeldet) {
    for (const Speicherweg& weg : einzeln) {
        SCOPED_TRACE(weg.name);
        QTemporaryDir ordner;
        dateiAnlegen(ordner.filePath("keinOrdner"), "x");
        QDir(ordner.path()).mkdir(weg.datei);
        for (const QString& pfad : {ordner.filePath(weg.datei), ordner.filePath("keinOrdner/" + weg.datei),
                                    QStringLiteral("/proc/") + weg.datei})
            wirdAbgewiesen(weg, pfad);
        EXPECT_TRUE(QFileInfo(ordner.filePath(weg.datei)).isDir());
        EXPECT_EQ(dateiInhalt(ordner.filePath("keinOrdner")), "x");

        const QString geschuetzt = ordner.filePath("geschuetzt.bin");
        dateiAnlegen(geschuetzt, AlterInhalt);
        const Schreibschutz schutz(geschuetzt);
        if (!schutz.wirkt())
            continue; // this file system cannot protect a file against this process
        wirdAbgewiesen(weg, geschuetzt);
        EXPECT_EQ(dateiInhalt(geschuetzt), AlterInhalt);
    }
}
