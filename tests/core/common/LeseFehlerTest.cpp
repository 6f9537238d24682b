// Every load and import command against a file that changes after the user chose it: it
// vanishes, becomes a folder, is cut short or emptied. Each ends with a clear message or the
// intended silent end, and never with a half-loaded document.
#include "core/actions/AktionenBefehle.h"
#include "core/files/AktionDatei.h"
#include "core/files/BuendelDatei.h"
#include "core/files/DateiLesen.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/settings/Einstellungsbuendel.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/Fahrzeuge.h"
#include "support/OrteDaten.h"
#include "support/TestArbeitsbereich.h"
#include "support/Uebersicht.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

using Umfeld = TestArbeitsbereich;

// Everything a load could touch.
struct Zustand {
    std::vector<Fahrzeug> fahrzeuge;
    std::vector<Aktion> aktionen;
    Ortstabelle orte;
    std::array<Feld, AnzahlFelder> felder;
    quint16 ungespeichert;
    std::array<QString, AnzahlFenster> fensterTitel;
    std::array<Farbe, AnzahlStatusfarben> statusfarbe;
    EinstellungsSpeicher::Paare gespeicherteTitel;
    bool operator==(const Zustand&) const = default;
};
Zustand zustand(const Arbeitsbereich& ab) {
    return {ab.fahrzeuge,     ab.aktionen,
            ab.orte,          ab.felder,
            ab.ungespeichert, ab.fensterTitel,
            ab.statusfarbe,   ab.speicher().alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht)};
}

void fuellen(Arbeitsbereich& ab) {
    ab.fahrzeuge = {fahrzeug("6A123456", "RTW 1"), fahrzeug("6A123457", "NEF")};
    fahrzeugInFeld(ab, 3, ab.fahrzeuge[0]);
    ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('7', "A23", "Musterstadt")));
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = 1;
    Aktion a;
    a.kennung = QStringLiteral("6A123456");
    a.status = QStringLiteral("3");
    a.aktion = QStringLiteral("alarm.exe");
    ab.aktionen = {a};
    ab.aktionenMenueAktiv = true;
    ab.ungespeichert = DokFahrzeugliste | DokOrtskennungen | DokStatusuebersicht;
}

struct Ladeweg {
    const char* name;
    QByteArray gueltig;    // a file the command takes
    QByteArray abgewiesen; // one whose length it refuses (none: every length is taken)
    QString titel;         // caption of its messages
    QString ungueltigText; // text of the refusal
    bool fehltStill;       // a missing file ends the command without a word
    std::function<void(Umfeld&)> los;
};

std::vector<Ladeweg> ladewege() {
    const QByteArray fahrzeuge = fahrzeugDatei({fahrzeug("11111111"), fahrzeug("22222222")});
    const QByteArray orte = orteSatz('1', "B00", "Andernorts") + orteSatz('2', "B00", "Andernorts");
    const QByteArray status = statusDatei({statusSatz(2, "Wache Nord")});
    const QByteArray aktionen = aktionSatzSchreiben("11111111", "4", 0, "neu.exe") +
                                aktionSatzSchreiben("22222222", "5", 1, "neu.exe");
    const QString aktionenUngueltig = QStringLiteral("Keine g\u00fcltige Aktionen-Datei!");
    const QString fzgUngueltig = QStringLiteral("Keine g\u00fcltige Fahrzeug-Datei!");
    const QString orteUngueltig = QStringLiteral("Keine g\u00fcltige Ortskennungen-Datei!");
    return {
        {"Fahrzeugliste laden", fahrzeuge, fahrzeuge.left(500), "Fahrzeugliste Laden", fzgUngueltig, false,
         [](Umfeld& u) { MenueLadenFzg(u.ab, u.rueckfrage); }},
        {"Fahrzeugliste importieren", fahrzeuge, fahrzeuge.left(409), "Fahrzeugliste Importieren",
         fzgUngueltig, false, [](Umfeld& u) { FahrzeugImportBefehl(u.ab, u.rueckfrage); }},
        {"Ortskennungen laden", orte, orte.left(55), "Ortskennungen Laden", orteUngueltig, false,
         [](Umfeld& u) { OrteLadenBefehl(u.ab, u.rueckfrage); }},
        {"Ortskennungen importieren", orte, orte.left(53), "Ortskennungen Laden", orteUngueltig, false,
         [](Umfeld& u) { OrteImportierenBefehl(u.ab, u.rueckfrage); }},
        {"Status laden", status, status.left(16639), QStringLiteral("Status-\u00dcbersicht Laden"),
         QStringLiteral("Keine g\u00fcltige Status-Datei!"), true,
         [](Umfeld& u) { statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }},
        {"Aktionen laden", aktionen, aktionen.left(138), "Aktionen Laden", aktionenUngueltig, true,
         [](Umfeld& u) { AktionenLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }},
        {"Aktionen importieren", aktionen, aktionen.left(136), "Aktionen Laden", aktionenUngueltig, true,
         [](Umfeld& u) { AktionenImportierenBefehl(u.ab, u.rueckfrage, u.fortschritt); }},
        {"Einstellungsbuendel laden",
         buendelZeileSchreiben({QStringLiteral("Fahrzeug\u00fcbersicht"), "1", "Wache Nord"}) +
             buendelZeileSchreiben({"Statusfarben", "4", "65280"}),
         {},
         "Einstellungen Laden",
         {},
         false,
         [](Umfeld& u) { EinstellungsbuendelLaden(u.ab, u.rueckfrage, BuendelGruppen{}); }},
    };
}

struct Aenderung {
    const char* name;
    enum Folge { Lesefehler, Ungueltig, StillOderLesefehler } folge;
    std::function<void(const QString& pfad, const Ladeweg&)> tun;
};

const Aenderung aenderungen[] = {
    {"verschwunden", Aenderung::StillOderLesefehler,
     [](const QString& p, const Ladeweg&) { QFile::remove(p); }},
    {"durch Ordner ersetzt", Aenderung::Lesefehler,
     [](const QString& p, const Ladeweg&) {
         QFile::remove(p);
         QDir().mkdir(p);
     }},
    {"gekuerzt", Aenderung::Ungueltig,
     [](const QString& p, const Ladeweg& w) {
         QFile::remove(p);
         dateiAnlegen(p, w.abgewiesen);
     }},
};

} // namespace

TEST(LeseFehler, DateiAendertSichNachDemDialog) {
    for (const Ladeweg& weg : ladewege()) {
        for (const Aenderung& a : aenderungen) {
            SCOPED_TRACE(std::string(weg.name) + " / " + a.name);
            if (a.folge == Aenderung::Ungueltig && weg.abgewiesen.isEmpty())
                continue;
            Umfeld u;
            const QString pfad = u.datei("gewaehlt.bin", weg.gueltig);
            fuellen(u.ab);
            const Zustand davor = zustand(u.ab);
            u.rueckfrage.dateien = {pfad};
            u.rueckfrage.nachDateiwahl = [&](const QString& p) { a.tun(p, weg); };

            weg.los(u);

            EXPECT_TRUE(zustand(u.ab) == davor) << "the document changed";
            const bool still = a.folge == Aenderung::StillOderLesefehler && weg.fehltStill;
            if (still) {
                EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
            } else {
                ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
                EXPECT_EQ(u.rueckfrage.fragen[0].knoepfe, Knoepfe::Ok);
                if (a.folge == Aenderung::Ungueltig) {
                    EXPECT_EQ(u.rueckfrage.fragen[0].text, weg.ungueltigText);
                } else {
                    EXPECT_EQ(u.rueckfrage.fragen[0].titel, weg.titel);
                    EXPECT_TRUE(u.rueckfrage.fragen[0].text.startsWith(leseFehlerText(pfad, QString())))
                        << u.rueckfrage.fragen[0].text.toStdString();
                }
            }
        }
    }
}

// The same file, unchanged, is taken as a whole: the test above refuses for the right reason.
TEST(LeseFehler, UnveraenderteDateiWirdGenommen) {
    for (const Ladeweg& weg : ladewege()) {
        SCOPED_TRACE(weg.name);
        Umfeld u;
        const QString pfad = u.datei("gewaehlt.bin", weg.gueltig);
        fuellen(u.ab);
        const Zustand davor = zustand(u.ab);
        u.rueckfrage.dateien = {pfad};
        weg.los(u);
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
        EXPECT_FALSE(zustand(u.ab) == davor);
    }
}
