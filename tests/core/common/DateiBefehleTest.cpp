// Every file command of the menus and windows, described once: its dialog, what a cancel leaves,
// the question before a load, a file that changes after the dialog, a disk that fails, a place
// no writer can use, and the reloads of a default file of the working directory.
#include "core/actions/AktionenBefehle.h"
#include "core/actions/Aktionsliste.h"
#include "core/common/AllesSpeichern.h"
#include "core/common/Schreibweisen.h"
#include "core/common/Ungespeichert.h"
#include "core/files/AktionDatei.h"
#include "core/files/BuendelDatei.h"
#include "core/files/DateiLesen.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/settings/Einstellungsbuendel.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/FehlerSchreiber.h"
#include "support/Saetze.h"
#include "support/Schreibschutz.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

using Umfeld = TestArbeitsbereich;
constexpr quint16 Alle = DokFahrzeugliste | DokOrtskennungen | DokStatusuebersicht | DokAktionen;

struct Befehl {
    const char* name;
    QString dialog; // title of its file dialog; for a save also the caption of its failure message
    std::function<void(Umfeld&, const VorDemLaden&)> los;
    QString datei;           // the default name
    quint16 bits = 0;        // flags a save clears; for a load the document it replaces
    QByteArray gueltig{};    // a file a load takes; empty for a save
    bool fragt = false;      // asks about unsaved changes before a load
    QString meldung{};       // caption of a load's read error
    QString ungueltig{};     // text of the refusal of a wrong length; empty when any length is taken
    bool fehltStill = false; // a vanished file ends a load without a word
};

const QString Fzg = QStringLiteral("Keine g\u00fcltige Fahrzeug-Datei!");
const QString Ort = QStringLiteral("Keine g\u00fcltige Ortskennungen-Datei!");
const QString Akt = QStringLiteral("Keine g\u00fcltige Aktionen-Datei!");

std::vector<Befehl> befehle() {
    const QByteArray fahrzeuge = fahrzeugDatei({fahrzeug("11111111"), fahrzeug("22222222")});
    const QByteArray orte = orteSatz('1', "B00", "Andernorts") + orteSatz('2', "B00", "Andernorts");
    const QByteArray aktionen =
        aktionSatz("11111111", '4', '0', "neu") + aktionSatz("22222222", '5', '1', "neu");
    const QByteArray buendel = buendelZeileSchreiben({sektion::Fahrzeuguebersicht, "1", "Wache Nord"});
    return {
        {"Fahrzeugliste laden", "Fahrzeugliste Laden",
         [](Umfeld& u, auto& v) { MenueLadenFzg(u.ab, u.rueckfrage, v); }, "Fahrzeug.BIN", DokFahrzeugliste,
         fahrzeuge, true, "Fahrzeugliste Laden", Fzg},
        {"Fahrzeugliste importieren", "Fahrzeugliste Importieren",
         [](Umfeld& u, auto&) { FahrzeugImportBefehl(u.ab, u.rueckfrage); }, "Fahrzeug.BIN", 0, fahrzeuge,
         false, "Fahrzeugliste Importieren", Fzg},
        {"Ortskennungen laden", "Ortskennungen Laden",
         [](Umfeld& u, auto& v) { OrteLadenBefehl(u.ab, u.rueckfrage, v); }, "Orte.BIN", DokOrtskennungen,
         orte, true, "Ortskennungen Laden", Ort},
        {"Ortskennungen importieren", "Ortskennungen Laden",
         [](Umfeld& u, auto&) { OrteImportierenBefehl(u.ab, u.rueckfrage); }, "Orte.BIN", 0, orte, false,
         "Ortskennungen Laden", Ort},
        {"Status laden", QStringLiteral("Status \u00dcbersicht Laden"),
         [](Umfeld& u, auto& v) { statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt, v); }, "Status.BIN",
         DokStatusuebersicht, statusDatei({statusSatz(2, "Wache Nord")}), true,
         QStringLiteral("Status-\u00dcbersicht Laden"), QStringLiteral("Keine g\u00fcltige Status-Datei!"),
         true},
        {"Aktionen laden", "Aktionen Laden",
         [](Umfeld& u, auto& v) { AktionenLadenBefehl(u.ab, u.rueckfrage, u.fortschritt, v); }, "Aktion.BIN",
         DokAktionen, aktionen, true, "Aktionen Laden", Akt, true},
        {"Aktionen importieren", "Aktionen Laden",
         [](Umfeld& u, auto&) { AktionenImportierenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, "Aktion.BIN",
         0, aktionen, false, "Aktionen Laden", Akt, true},
        {"Einstellungsbuendel laden", "Einstellungen Laden",
         [](Umfeld& u, auto&) { EinstellungsbuendelLaden(u.ab, u.rueckfrage, BuendelGruppen{}); },
         "Einstellungen.BIN", 0, buendel, false, "Einstellungen Laden"},
        {"Fahrzeugliste speichern", "Fahrzeugliste Speichern",
         [](Umfeld& u, auto&) { MenueSpeichernFzg(u.ab, u.rueckfrage, u.fortschritt); }, "Fahrzeug.BIN",
         DokFahrzeugliste},
        {"Ortskennungen speichern", "Ortskennungen Speichern",
         [](Umfeld& u, auto&) { OrteSpeichernBefehl(u.ab, u.rueckfrage); }, "Orte.BIN", DokOrtskennungen},
        {"Status speichern", QStringLiteral("Status\u00fcbersicht Speichern"),
         [](Umfeld& u, auto&) { statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt); }, "Status.BIN",
         DokStatusuebersicht},
        {"Aktionen speichern", "Aktionen Speichern",
         [](Umfeld& u, auto&) { AktionenSpeichernBefehl(u.ab, u.rueckfrage); }, "Aktion.BIN", DokAktionen},
        {"Einstellungsbuendel speichern", "Einstellungen Speichern",
         [](Umfeld& u, auto&) { EinstellungsbuendelSpeichern(u.ab, u.rueckfrage, BuendelGruppen{}); },
         "Einstellungen.BIN"},
    };
}

// Documents worth saving, each marked unsaved.
void fuellen(Umfeld& u) {
    u.ab.fahrzeuge = {fahrzeug("6A123456", "RTW 1"), fahrzeug("6A123457", "NEF")};
    fahrzeugInFeld(u.ab, 3, u.ab.fahrzeuge[0]);
    u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('7', "A23", "Musterstadt")));
    u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('9', "A23", "Musterstadt")));
    u.ab.orte.listeBilden(u.ab.bosName);
    u.ab.orte.anzahl = 2;
    u.ab.aktionen = {aktion("6A123456", "3", 0, "alarm.exe"), aktion("6A123457", "4", 1, "")};
    u.ab.aktionenMenueAktiv = true;
    u.ab.fensterTitel[0] = QStringLiteral("Wache S\u00fcd");
    FahrzeuglisteAktualisieren(u.ab); // what is derived from the list is up to date, as after any edit
    u.ab.ungespeichert = Alle;
}

} // namespace

// Each command opens its own dialog; a cancel is silent and changes nothing, not even the
// working directory, and a load asks nothing before a file is chosen.
TEST(DateiBefehle, DialogeUndAbbruch) {
    const QString vorher = QDir::currentPath();
    for (const Befehl& b : befehle()) {
        SCOPED_TRACE(b.name);
        Umfeld u;
        fuellen(u);
        const Zustand davor = zustand(u.ab);
        b.los(u, [] {
            ADD_FAILURE() << "asked before a file was chosen";
            return false;
        });
        ASSERT_EQ(u.rueckfrage.dateiDialoge.size(), 1);
        EXPECT_EQ(u.rueckfrage.dateiDialoge[0].titel, b.dialog);
        EXPECT_EQ(u.rueckfrage.dateiDialoge[0].speichern, b.gueltig.isEmpty());
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
        EXPECT_TRUE(zustand(u.ab) == davor);
        EXPECT_EQ(QDir::currentPath(), vorher);
    }
    Umfeld u;
    EXPECT_EQ(AktionSuchen(u.rueckfrage), std::nullopt);
    EXPECT_EQ(u.rueckfrage.dateiDialoge.value(0).titel, "Aktion Suchen");
    // Qt's name filters match either case.
    EXPECT_EQ(qtFilterListe(filter::BinGross),
              (QStringList{"Alle Dateien (*.*)", "BIN-Dateien (*.bin *.BIN)"}));
}

// The question comes after the file is chosen and can end the command; the chosen file's folder
// becomes the working directory. A file that changes after the dialog (it vanishes, becomes a
// folder, grows or shrinks by a byte) ends with a clear message or the intended silent end, and
// never with a half-loaded document; the file as chosen is taken.
TEST(DateiBefehle, LadenNachDerDateiwahl) {
    enum Folge { Genommen, Lesefehler, Ungueltig, StillOderLesefehler };
    const struct {
        const char* name;
        Folge folge;
        std::function<void(const QString& pfad, const QByteArray& gueltig)> tun;
    } aenderungen[] = {
        {"unveraendert", Genommen, [](const QString&, const QByteArray&) {}},
        {"verschwunden", StillOderLesefehler, [](const QString& p, const QByteArray&) { QFile::remove(p); }},
        {"durch Ordner ersetzt", Lesefehler,
         [](const QString& p, const QByteArray&) {
             QFile::remove(p);
             QDir().mkdir(p);
         }},
        {"ein Byte mehr", Ungueltig, [](const QString& p, const QByteArray& g) { dateiAnlegen(p, g + "x"); }},
        {"ein Byte weniger", Ungueltig,
         [](const QString& p, const QByteArray& g) { dateiAnlegen(p, g.chopped(1)); }},
    };
    for (const Befehl& b : befehle()) {
        if (b.gueltig.isEmpty())
            continue;
        for (const auto& a : aenderungen) {
            SCOPED_TRACE(std::string(b.name) + " / " + a.name);
            if (a.folge == Ungueltig && b.ungueltig.isEmpty())
                continue;
            Umfeld u;
            const QString pfad = u.datei("unter/gewaehlt.bin", b.gueltig);
            fuellen(u);
            u.ab.freigeben(DokAktionen); // a missing action file clears the flag as a load would
            const Zustand davor = zustand(u.ab);
            u.rueckfrage.dateien = {pfad};
            u.rueckfrage.nachDateiwahl = [&](const QString& p) { a.tun(p, b.gueltig); };
            int gefragt = 0;
            b.los(u, [&] {
                ++gefragt;
                return true;
            });
            EXPECT_EQ(gefragt, b.fragt ? 1 : 0);
            EXPECT_EQ(QDir::current().canonicalPath(), QDir(u.pfad("unter")).canonicalPath());
            const auto& fragen = u.rueckfrage.fragen;
            if (a.folge == Genommen) {
                EXPECT_TRUE(fragen.isEmpty());
                EXPECT_FALSE(zustand(u.ab) == davor) << "the file was not taken";
                continue;
            }
            EXPECT_EQ(zustand(u.ab).unterschied(davor), "") << "the document changed";
            if (a.folge == StillOderLesefehler && b.fehltStill) {
                EXPECT_TRUE(fragen.isEmpty());
                continue;
            }
            ASSERT_EQ(fragen.size(), 1);
            EXPECT_EQ(fragen[0].knoepfe, Knoepfe::Ok);
            if (a.folge == Ungueltig) {
                EXPECT_EQ(fragen[0].text, b.ungueltig);
            } else {
                EXPECT_EQ(fragen[0].titel, b.meldung);
                EXPECT_TRUE(fragen[0].text.startsWith(leseFehlerText(pfad, QString())))
                    << fragen[0].text.toStdString();
            }
        }
        // "Ja" saves before the chosen file replaces the document: everything into the start
        // directory, the actions alone into the working directory from before the dialog, so that
        // the chosen file is never overwritten, nor an action file refused on loading there; a
        // save that fails or is refused ends the load.
        enum Fall { Ja, Scheitert, Abgewiesen };
        for (const Fall fall : {Ja, Scheitert, Abgewiesen}) {
            const bool aktionen = b.bits == DokAktionen;
            if (!b.fragt || (fall == Abgewiesen && !aktionen))
                continue;
            SCOPED_TRACE(std::string(b.name) + " / Fall " + std::to_string(fall));
            Umfeld u;
            const QString gewaehlt = u.datei("gewaehlt/" + b.datei, b.gueltig);
            u.rueckfrage.dateien = {gewaehlt};
            fuellen(u);
            u.ab.startverzeichnis = u.pfad("start");
            const QString gesichert = u.datei("start/" + b.datei, b.gueltig + "x");
            QDir::setCurrent(u.ab.startverzeichnis);
            if (fall == Abgewiesen)
                AktionenLaden(u.ab, gesichert, u.rueckfrage, u.fortschritt);
            else
                QFile::remove(gesichert);
            FehlerSchreiber kaputt(FehlerSchreiber::Art::NachBytes, 0);
            if (fall == Scheitert)
                u.ab.setzeSchreiber(kaputt);
            u.rueckfrage.fragen.clear();
            u.rueckfrage.antworten = {Antwort::Ja};
            const Zustand davor = zustand(u.ab);
            b.los(u, aktionen ? ladenMitAktionenSpeichern(u.ab, u.rueckfrage, QDir::currentPath())
                              : ladenMitAllesSpeichern(u.ab, u.rueckfrage, u.fortschritt, Dokument(b.bits)));
            EXPECT_EQ(u.rueckfrage.fragen.size(), fall == Ja ? 1 : 2);
            EXPECT_EQ(zustand(u.ab) == davor, fall != Ja);
            EXPECT_EQ(u.ab.ungespeichert, fall != Ja ? Alle : aktionen ? Alle & ~DokAktionen : 0);
            EXPECT_EQ(dateiInhalt(gewaehlt), b.gueltig);
            const QByteArray inhalt = dateiInhalt(gesichert); // the document before the load
            if (fall == Abgewiesen) {
                EXPECT_EQ(inhalt, b.gueltig + "x");
            } else {
                EXPECT_EQ(!inhalt.isEmpty() && inhalt != b.gueltig, fall == Ja);
            }
        }
    }
}

// A disk that fails at the start, in the middle or at the end of a file: the old file stays byte
// for byte, the user is told which file and why, the document stays unsaved; the disk back, the
// same command writes it. Save-all writes its files in a fixed order and stops at the failure.
TEST(DateiBefehle, SpeichernAufEinerVollenPlatte) {
    std::vector<Befehl> wege;
    for (const Befehl& b : befehle())
        if (b.gueltig.isEmpty())
            wege.push_back(b);
    const QStringList reihenfolge = {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN", "Aktion.BIN"};
    for (const QString& datei : reihenfolge)
        wege.push_back({"Alles Speichern", "Alles Speichern",
                        [](Umfeld& u, auto&) {
                            u.ab.startverzeichnis = u.ordner.path();
                            QDir::setCurrent(u.ordner.path());
                            AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt);
                        },
                        datei, Alle});
    const QString voll =
        QStringLiteral("Auf dem Datentr\u00e4ger ist nicht gen\u00fcgend Speicherplatz verf\u00fcgbar.");
    const struct {
        const char* name;
        FehlerSchreiber::Art art;
        qint64 bytes;
        QString grund;
    } fehlerArten[] = {
        {"kein Byte", FehlerSchreiber::Art::NachBytes, 0, voll},
        {"mitten im Satz", FehlerSchreiber::Art::NachBytes, 61, voll},
        {"beim Abschluss", FehlerSchreiber::Art::BeimAbschluss, 0,
         QStringLiteral("Die Datei konnte nicht umbenannt werden.")},
    };
    const QByteArray alt("der alte Inhalt, den nichts zerstoeren darf\n\x00\xff", 46);
    for (const Befehl& weg : wege) {
        const bool alles = weg.bits == Alle;
        for (const auto& fehler : fehlerArten) {
            SCOPED_TRACE(std::string(weg.name) + " " + weg.datei.toStdString() + " / " + fehler.name);
            Umfeld u;
            const QString pfad = u.datei(weg.datei, alt);
            fuellen(u);
            FehlerSchreiber kaputt(fehler.art, fehler.bytes, QLatin1Char('/') + weg.datei);
            u.ab.setzeSchreiber(kaputt);
            u.rueckfrage.dateien = {pfad};
            weg.los(u, {});

            EXPECT_EQ(dateiInhalt(pfad), alt);
            // No temporary file is left beside the documents; save-all stops at the failure.
            EXPECT_EQ(QDir(u.ordner.path()).entryList(QDir::Files | QDir::Hidden).size(),
                      1 + (alles ? reihenfolge.indexOf(weg.datei) : 0));
            ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
            EXPECT_EQ(u.rueckfrage.fragen[0].titel, weg.dialog);
            EXPECT_EQ(u.rueckfrage.fragen[0].text, schreibFehlerText(pfad, fehler.grund));
            EXPECT_EQ(u.ab.ungespeichert, Alle);
            // A save of the overview that failed stores no window titles either.
            if (!alles || weg.datei == QLatin1String("Status.BIN")) {
                EXPECT_TRUE(u.speicher.alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht).isEmpty());
            }

            u.ab.setzeSchreiber(u.schreiber);
            u.rueckfrage.fragen.clear();
            u.rueckfrage.dateien = {pfad};
            weg.los(u, {});
            EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
            EXPECT_NE(dateiInhalt(pfad), alt);
            EXPECT_EQ(u.ab.ungespeichert, Alle & ~weg.bits);
        }
    }
}

// Places no writer can use: a folder where the file should be, a folder that is a file, a file
// system nobody may write to, a file the user protected. The message names the file; nothing
// else changes.
TEST(DateiBefehle, SpeichernAnEinenUnbeschreibbarenOrt) {
    const QByteArray alt("alt");
    for (const Befehl& b : befehle()) {
        if (!b.gueltig.isEmpty())
            continue;
        SCOPED_TRACE(b.name);
        QTemporaryDir ordner;
        dateiAnlegen(ordner.filePath("keinOrdner"), "x");
        QDir(ordner.path()).mkdir(b.datei);
        QStringList ziele = {ordner.filePath(b.datei), ordner.filePath("keinOrdner/" + b.datei),
                             "/proc/" + b.datei};
        const QString geschuetzt = ordner.filePath("geschuetzt.bin");
        dateiAnlegen(geschuetzt, alt);
        const Schreibschutz schutz(geschuetzt);
        if (schutz.wirkt())
            ziele << geschuetzt;
        for (const QString& pfad : ziele) {
            Umfeld u;
            fuellen(u);
            u.rueckfrage.dateien = {pfad};
            b.los(u, {});
            ASSERT_EQ(u.rueckfrage.fragen.size(), 1) << pfad.toStdString();
            EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains(QDir::toNativeSeparators(pfad)));
            EXPECT_EQ(u.ab.ungespeichert, Alle);
        }
        EXPECT_TRUE(QFileInfo(ordner.filePath(b.datei)).isDir());
        EXPECT_EQ(dateiInhalt(ordner.filePath("keinOrdner")), "x");
        EXPECT_EQ(dateiInhalt(geschuetzt), alt);
    }
}

// Undo, reload and the first opening of the action window read the default file of the working
// directory, found ignoring case and without a dialog; without one they are silent.
TEST(DateiBefehle, StandarddateiDesArbeitsordners) {
    const struct {
        const char* name;
        std::function<void(Umfeld&)> befehl;
        const char* datei;
        QByteArray gueltig;
        std::function<bool(const Arbeitsbereich&)> geladen;
        bool flagBleibt; // the document's unsaved flag after a reload
    } faelle[] = {
        {"Fahrzeugliste", [](Umfeld& u) { MenueUndoFahrzeug(u.ab, u.rueckfrage); }, "FAHRZEUG.BIN",
         fahrzeugDatei({fahrzeug("22222222"), fahrzeug("33333333")}),
         [](const Arbeitsbereich& ab) { return ab.fahrzeuge.size() == 2; }, false},
        {"Ortskennungen", [](Umfeld& u) { OrteUndoBefehl(u.ab, u.rueckfrage); }, "Orte.Bin",
         orteSatz('1', "A11", "Altdorf"), [](const Arbeitsbereich& ab) { return ab.orte.anzahl == 1; }, true},
        {"Status", [](Umfeld& u) { statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, "STATUS.BIN",
         statusDatei({statusSatz(2, "neu geladen")}),
         [](const Arbeitsbereich& ab) { return ab.felder[0].text == "neu geladen"; }, true},
        {"Aktionen",
         [](Umfeld& u) {
             AktionenStart(u.ab, u.rueckfrage, u.fortschritt);
             EXPECT_TRUE(u.ab.aktionenMenueAktiv);
         },
         "aKtIoN.bin", aktionSatz("12345678", '3', '1', "x"),
         [](const Arbeitsbereich& ab) { return ab.aktionen.size() == 1; }, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        QDir::setCurrent(u.ordner.path());
        u.ab.ungespeichert = Alle;
        f.befehl(u); // no file
        EXPECT_FALSE(f.geladen(u.ab));
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
        EXPECT_TRUE(QDir(u.ordner.path()).entryList(QDir::Files).isEmpty()) << "none is created";
        u.datei(f.datei, f.gueltig + "x"); // a bad length is reported
        f.befehl(u);
        EXPECT_FALSE(f.geladen(u.ab));
        ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
        EXPECT_TRUE(u.rueckfrage.fragen[0].text.startsWith(QStringLiteral("Keine g\u00fcltige")));
        u.ab.ungespeichert = Alle;
        u.datei(f.datei, f.gueltig);
        f.befehl(u);
        EXPECT_TRUE(f.geladen(u.ab));
        EXPECT_EQ(u.rueckfrage.fragen.size(), 1);
        EXPECT_TRUE(u.rueckfrage.dateiDialoge.isEmpty());
        EXPECT_EQ(u.ab.ungespeichert == Alle, f.flagBleibt);
    }
}

// With "status.bin" and "Status.BIN" side by side, the reload, save-all and a restart all meet
// the same file, and the user hears once which one that is.
TEST(DateiBefehle, MehrereSchreibweisenEinUndDieselbeDatei) {
    Umfeld u;
    if (!schreibweisenGetrennt(u.ordner.path()))
        GTEST_SKIP() << "the file system ignores case";
    QDir::setCurrent(u.ordner.path());
    u.ab.startverzeichnis = u.ordner.path();
    const QByteArray klein = statusDatei({statusSatz(2, "klein")});
    u.datei("status.bin", klein);
    u.datei("Status.BIN", statusDatei({statusSatz(2, "gross")}));

    statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_EQ(u.ab.felder[0].text, "gross");
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, "Mehrere Schreibweisen");
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains("\n\nStatus.BIN\nstatus.bin\n\n"));
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.endsWith(QStringLiteral(
        "Tabulo liest und speichert nur \"Status.BIN\"; die anderen bleiben unver\u00e4ndert.")));

    u.ab.felder[0].text = "neu";
    ASSERT_TRUE(AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt));
    EXPECT_EQ(dateiInhalt(u.pfad("status.bin")), klein);
    startDateienMelden(u.ab, u.rueckfrage);
    statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_EQ(u.ab.felder[0].text, "neu");
    EXPECT_EQ(u.rueckfrage.fragen.size(), 1) << "told once";

    // A new run is told at the end of its start-up.
    Umfeld neu;
    neu.ab.startverzeichnis = u.ordner.path();
    startDateienMelden(neu.ab, neu.rueckfrage);
    EXPECT_EQ(neu.rueckfrage.fragen.size(), 1);
}
