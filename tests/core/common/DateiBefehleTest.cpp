// The file commands of the menus: their dialogs, the question before a load, and the commands
// that reload a default file from the working directory.
#include "core/actions/AktionenBefehle.h"
#include "core/common/AllesSpeichern.h"
#include "core/common/Schreibweisen.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/settings/Einstellungsbuendel.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"
#include "support/OrteDaten.h"
#include "support/TestArbeitsbereich.h"
#include "support/Uebersicht.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

using Umfeld = TestArbeitsbereich;

// Every file dialog is set up as the host's are; a cancel is silent and changes nothing.
TEST(DateiBefehle, DialogeUndAbbruch) {
    struct Fall {
        std::function<void(Umfeld&)> befehl;
        QString titel, dateiname;
        bool speichern;
        QString filter = QStringLiteral("Alle Dateien (*.*)|*.*|BIN-Dateien (*.bin)|*.bin|");
    };
    const QString binGross = QStringLiteral("Alle Dateien (*.*)|*.*|BIN-Dateien (*.BIN)|*.bin|");
    const QString exe = QStringLiteral("Alle Dateien (*.*)|*.*|EXE-Dateien (*.exe)|*.exe|");
    const Fall faelle[] = {
        {[](Umfeld& u) { MenueLadenFzg(u.ab, u.rueckfrage); }, "Fahrzeugliste Laden", "Fahrzeug.BIN", false},
        {[](Umfeld& u) { MenueSpeichernFzg(u.ab, u.rueckfrage, u.fortschritt); }, "Fahrzeugliste Speichern",
         "Fahrzeug.BIN", true},
        {[](Umfeld& u) { FahrzeugImportBefehl(u.ab, u.rueckfrage); }, "Fahrzeugliste Importieren",
         "Fahrzeug.BIN", false},
        {[](Umfeld& u) { OrteLadenBefehl(u.ab, u.rueckfrage); }, "Ortskennungen Laden", "Orte.BIN", false},
        {[](Umfeld& u) { OrteImportierenBefehl(u.ab, u.rueckfrage); }, "Ortskennungen Laden", "Orte.BIN",
         false},
        {[](Umfeld& u) { OrteSpeichernBefehl(u.ab, u.rueckfrage); }, "Ortskennungen Speichern", "Orte.BIN",
         true},
        {[](Umfeld& u) { statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); },
         QStringLiteral("Status \u00dcbersicht Laden"), "Status.BIN", false},
        {[](Umfeld& u) { statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt); },
         QStringLiteral("Status\u00fcbersicht Speichern"), "Status.BIN", true},
        {[](Umfeld& u) { AktionenLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, "Aktionen Laden",
         "Aktion.BIN", false},
        {[](Umfeld& u) { AktionenImportierenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, "Aktionen Laden",
         "Aktion.BIN", false},
        {[](Umfeld& u) { AktionenSpeichernBefehl(u.ab, u.rueckfrage); }, "Aktionen Speichern", "Aktion.BIN",
         true},
        {[](Umfeld& u) { EXPECT_EQ(AktionSuchen(u.rueckfrage), std::nullopt); }, "Aktion Suchen", "", false,
         exe},
        {[](Umfeld& u) {
             EXPECT_FALSE(EinstellungsbuendelSpeichern(u.ab, u.rueckfrage, {true, true, true}));
         },
         "Einstellungen Speichern", "Einstellungen.BIN", true, binGross},
        {[](Umfeld& u) {
             EXPECT_FALSE(EinstellungsbuendelLaden(u.ab, u.rueckfrage, {true, true, true}));
         },
         "Einstellungen Laden", "Einstellungen.BIN", false, binGross},
    };
    const QString vorher = QDir::currentPath();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.titel.toStdString());
        Umfeld u;
        u.ab.fahrzeuge = {fahrzeug("11111111")};
        u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('1', "A11", "Altdorf")));
        u.ab.aktionen = {aktion("11111111", "3", 0, "x")};
        u.ab.felder[0].text = QStringLiteral("bleibt");
        u.ab.ungespeichert = DokFahrzeugliste | DokOrtskennungen | DokStatusuebersicht | DokAktionen;
        const auto titel = u.ab.fensterTitel;
        const Ortstabelle orte = u.ab.orte;
        f.befehl(u);
        ASSERT_EQ(u.rueckfrage.dateiDialoge.size(), 1);
        const DateiDialog& d = u.rueckfrage.dateiDialoge[0];
        EXPECT_EQ(d.titel, f.titel);
        EXPECT_EQ(d.filter, f.filter);
        EXPECT_EQ(d.filterIndex, 2);
        EXPECT_EQ(d.dateiname, f.dateiname);
        EXPECT_EQ(d.speichern, f.speichern);
        EXPECT_TRUE(f.speichern ? d.ueberschreibenFragen : d.mussExistieren);
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
        EXPECT_EQ(u.kennungen(), QStringList{"11111111"});
        EXPECT_EQ(u.ab.orte, orte);
        EXPECT_EQ(u.ab.aktionen.size(), 1u);
        EXPECT_EQ(u.ab.felder[0].text, "bleibt");
        EXPECT_EQ(u.ab.fensterTitel, titel);
        EXPECT_EQ(u.ab.ungespeichert,
                  DokFahrzeugliste | DokOrtskennungen | DokStatusuebersicht | DokAktionen);
        EXPECT_EQ(u.fortschritt.gezeigt, 0);
        EXPECT_EQ(QDir::currentPath(), vorher);
    }
}

// The question before a load comes after the file is chosen (never after a cancel) and can end
// the command; the chosen file's folder becomes the working directory.
TEST(DateiBefehle, FrageVorDemLadenNachDerDateiwahl) {
    using Befehl = std::function<void(Umfeld&, const VorDemLaden&)>;
    struct Fall {
        const char* name;
        Befehl befehl;
        QByteArray datei;
        std::function<bool(const Arbeitsbereich&)> geladen;
    };
    const Fall faelle[] = {
        {"Fahrzeugliste", [](Umfeld& u, const VorDemLaden& v) { MenueLadenFzg(u.ab, u.rueckfrage, v); },
         fahrzeugDatei({fahrzeug("22222222")}),
         [](const Arbeitsbereich& ab) { return ab.fahrzeuge.size() == 1; }},
        {"Ortskennungen", [](Umfeld& u, const VorDemLaden& v) { OrteLadenBefehl(u.ab, u.rueckfrage, v); },
         orteSatz('1', "A11", "Altdorf"), [](const Arbeitsbereich& ab) { return ab.orte.anzahl == 1; }},
        {"Status",
         [](Umfeld& u, const VorDemLaden& v) { statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt, v); },
         statusDatei({statusSatz(2, "Wache")}),
         [](const Arbeitsbereich& ab) { return ab.felder[0].text == "Wache"; }},
        {"Aktionen",
         [](Umfeld& u, const VorDemLaden& v) { AktionenLadenBefehl(u.ab, u.rueckfrage, u.fortschritt, v); },
         aktionSatz("12345678", '3', '1', "x"),
         [](const Arbeitsbereich& ab) { return ab.aktionen.size() == 1; }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        const QString pfad = u.datei("unter/gewaehlt.bin", f.datei);
        int gefragt = 0;
        f.befehl(u, [&] { return ++gefragt > 1; }); // cancelled
        EXPECT_EQ(gefragt, 0);
        u.rueckfrage.dateien = {pfad};
        f.befehl(u, [&] { return ++gefragt > 1; });
        EXPECT_EQ(gefragt, 1);
        EXPECT_FALSE(f.geladen(u.ab));
        EXPECT_EQ(QDir::current().canonicalPath(), QDir(u.ordner.filePath("unter")).canonicalPath());
        u.rueckfrage.dateien = {pfad};
        f.befehl(u, [&] { return ++gefragt > 1; });
        EXPECT_EQ(gefragt, 2);
        EXPECT_TRUE(f.geladen(u.ab));
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    }
    Umfeld u;
    u.rueckfrage.dateien = {u.ordner.filePath("unter/prog.exe")};
    EXPECT_EQ(AktionSuchen(u.rueckfrage), QDir::toNativeSeparators(u.ordner.filePath("unter/prog.exe")));
}

// Undo, reload and the first opening of the action window read the default file of the working
// directory, found ignoring case and without a dialog; without one they are silent.
TEST(DateiBefehle, StandarddateiDesArbeitsordners) {
    struct Fall {
        const char* name;
        std::function<void(Umfeld&)> befehl;
        const char* datei;
        QByteArray gueltig;
        std::function<bool(const Arbeitsbereich&)> geladen;
        bool flagBleibt; // the document's unsaved flag after a reload
    };
    const Fall faelle[] = {
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
    constexpr quint16 Alle = DokFahrzeugliste | DokOrtskennungen | DokStatusuebersicht | DokAktionen;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        QDir::setCurrent(u.ordner.path());
        u.ab.ungespeichert = Alle;
        f.befehl(u); // no file
        EXPECT_FALSE(f.geladen(u.ab));
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
        EXPECT_TRUE(QDir(u.ordner.path()).entryList(QDir::Files).isEmpty()) << "none is created";

        dateiAnlegen(u.ordner.filePath(f.datei), f.gueltig + "x"); // a bad length is reported
        f.befehl(u);
        EXPECT_FALSE(f.geladen(u.ab));
        ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
        EXPECT_TRUE(u.rueckfrage.fragen[0].text.startsWith(QStringLiteral("Keine g\u00fcltige")));

        u.ab.ungespeichert = Alle;
        dateiAnlegen(u.ordner.filePath(f.datei), f.gueltig);
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
    dateiAnlegen(u.ordner.filePath("status.bin"), klein);
    dateiAnlegen(u.ordner.filePath("Status.BIN"), statusDatei({statusSatz(2, "gross")}));

    statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt);
    EXPECT_EQ(u.ab.felder[0].text, "gross");
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, "Mehrere Schreibweisen");
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.contains("\n\nStatus.BIN\nstatus.bin\n\n"));
    EXPECT_TRUE(u.rueckfrage.fragen[0].text.endsWith(QStringLiteral(
        "Tabulo liest und speichert nur \"Status.BIN\"; die anderen bleiben unver\u00e4ndert.")));

    u.ab.felder[0].text = "neu";
    ASSERT_TRUE(AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt));
    EXPECT_EQ(dateiInhalt(u.ordner.filePath("status.bin")), klein);
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
