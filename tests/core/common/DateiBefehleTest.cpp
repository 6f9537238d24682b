// The file commands of the menus: their dialogs, the question before a load, and the commands
// that reload a default file from the working directory.
#include "core/actions/AktionenBefehle.h"
#include "core/common/AllesSpeichern.h"
#include "core/common/Schreibweisen.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/settings/Einstellungsbuendel.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

using Umfeld = TestArbeitsbereich;

namespace {
constexpr quint16 Alle = DokFahrzeugliste | DokOrtskennungen | DokStatusuebersicht | DokAktionen;
}

// Each command opens its own dialog; a cancel is silent and changes nothing, not even the
// working directory.
TEST(DateiBefehle, DialogeUndAbbruch) {
    const struct {
        std::function<void(Umfeld&)> befehl;
        QString titel;
        bool speichern;
    } faelle[] = {
        {[](Umfeld& u) { MenueLadenFzg(u.ab, u.rueckfrage); }, "Fahrzeugliste Laden", false},
        {[](Umfeld& u) { MenueSpeichernFzg(u.ab, u.rueckfrage, u.fortschritt); }, "Fahrzeugliste Speichern",
         true},
        {[](Umfeld& u) { FahrzeugImportBefehl(u.ab, u.rueckfrage); }, "Fahrzeugliste Importieren", false},
        {[](Umfeld& u) { OrteLadenBefehl(u.ab, u.rueckfrage); }, "Ortskennungen Laden", false},
        {[](Umfeld& u) { OrteImportierenBefehl(u.ab, u.rueckfrage); }, "Ortskennungen Laden", false},
        {[](Umfeld& u) { OrteSpeichernBefehl(u.ab, u.rueckfrage); }, "Ortskennungen Speichern", true},
        {[](Umfeld& u) { statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); },
         QStringLiteral("Status \u00dcbersicht Laden"), false},
        {[](Umfeld& u) { statusSpeichernBefehl(u.ab, u.rueckfrage, u.fortschritt); },
         QStringLiteral("Status\u00fcbersicht Speichern"), true},
        {[](Umfeld& u) { AktionenLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, "Aktionen Laden", false},
        {[](Umfeld& u) { AktionenImportierenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, "Aktionen Laden",
         false},
        {[](Umfeld& u) { AktionenSpeichernBefehl(u.ab, u.rueckfrage); }, "Aktionen Speichern", true},
        {[](Umfeld& u) { EXPECT_EQ(AktionSuchen(u.rueckfrage), std::nullopt); }, "Aktion Suchen", false},
        {[](Umfeld& u) {
             EXPECT_FALSE(EinstellungsbuendelSpeichern(u.ab, u.rueckfrage, {true, true, true}));
         },
         "Einstellungen Speichern", true},
        {[](Umfeld& u) {
             EXPECT_FALSE(EinstellungsbuendelLaden(u.ab, u.rueckfrage, {true, true, true}));
         },
         "Einstellungen Laden", false},
    };
    const QString vorher = QDir::currentPath();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.titel.toStdString());
        Umfeld u;
        u.ab.fahrzeuge = {fahrzeug("11111111")};
        u.ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('1', "A11", "Altdorf")));
        u.ab.aktionen = {aktion("11111111", "3", 0, "x")};
        u.ab.ungespeichert = Alle;
        const Zustand davor = zustand(u.ab);
        f.befehl(u);
        ASSERT_EQ(u.rueckfrage.dateiDialoge.size(), 1);
        const DateiDialog& d = u.rueckfrage.dateiDialoge[0];
        EXPECT_EQ(d.titel, f.titel);
        EXPECT_EQ(d.speichern, f.speichern);
        EXPECT_TRUE(f.speichern ? d.ueberschreibenFragen : d.mussExistieren);
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
        EXPECT_TRUE(zustand(u.ab) == davor);
        EXPECT_EQ(u.fortschritt.gezeigt, 0);
        EXPECT_EQ(QDir::currentPath(), vorher);
    }
    // Qt's name filters match either case.
    EXPECT_EQ(qtFilterListe(filter::BinGross),
              (QStringList{"Alle Dateien (*.*)", "BIN-Dateien (*.bin *.BIN)"}));
}

// The question before a load comes after the file is chosen (never after a cancel) and can end
// the command; the chosen file's folder becomes the working directory.
TEST(DateiBefehle, FrageVorDemLadenNachDerDateiwahl) {
    using Befehl = std::function<void(Umfeld&, const VorDemLaden&)>;
    const struct {
        const char* name;
        Befehl befehl;
        QByteArray datei;
        std::function<bool(const Arbeitsbereich&)> geladen;
    } faelle[] = {
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
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        const QString pfad = u.datei("unter/gewaehlt.bin", f.datei);
        int gefragt = 0;
        const auto nurBeimZweitenMal = [&] { return ++gefragt > 1; };
        f.befehl(u, nurBeimZweitenMal); // cancelled
        EXPECT_EQ(gefragt, 0);
        u.rueckfrage.dateien = {pfad, pfad};
        f.befehl(u, nurBeimZweitenMal);
        EXPECT_EQ(gefragt, 1);
        EXPECT_FALSE(f.geladen(u.ab));
        EXPECT_EQ(QDir::current().canonicalPath(), QDir(u.ordner.filePath("unter")).canonicalPath());
        f.befehl(u, nurBeimZweitenMal);
        EXPECT_TRUE(f.geladen(u.ab));
        EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
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
