#include "app/AnwendungsUmfeld.h"
#include "core/actions/Aktionsliste.h"
#include "core/common/Ungespeichert.h"
#include "support/AktionenHilfen.h"
#include "support/FehlerSchreiber.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

constexpr quint16 Alle = DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen;

QString startDatei(const AnwendungsUmfeld& u, const char* name) {
    return QDir(u.ab.startverzeichnis).filePath(name);
}

} // namespace

TEST(Beenden, NachDemStartOhneFrage) {
    AnwendungsUmfeld u;
    u.ab.ungespeichert = Alle; // the end of start-up clears every flag
    Form1& f = u.starten();
    EXPECT_EQ(u.ab.ungespeichert, 0);
    f.menue.MenueBeenden->trigger();
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_FALSE(f.isVisible());
}

TEST(Beenden, FrageNenntDieDokumenteUndAbbrechenDannSchliessfeldFragtErneut) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    u.ab.markieren(Alle);
    u.rueckfrage.antworten = {Antwort::Abbrechen, Antwort::Nein};
    f.menue.MenueBeenden->trigger();
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    const auto& frage = u.rueckfrage.fragen[0];
    EXPECT_EQ(frage.titel, "Tabulo Beenden");
    EXPECT_EQ(frage.text,
              QStringLiteral("Folgende Dateien sind noch nicht gespeichert: \r\n- Fahrzeugliste\r\n"
                             "- Ortskennungen\r\n- Status\u00fcbersicht\r\n- Aktionen\r\n"
                             "Wollen Sie jetzt Speichern?"));
    EXPECT_EQ(frage.knoepfe, Knoepfe::JaNeinAbbrechen);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(u.ab.ungespeichert, Alle);
    // The close box takes the same way; "Nein" closes and saves nothing.
    EXPECT_TRUE(f.close());
    EXPECT_EQ(u.rueckfrage.fragen.size(), 2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(QFileInfo::exists(startDatei(u, "Orte.BIN")));
}

// However the main window is closed, once the question lets it the program ends and takes every
// other window with it; cancelled, everything stays as it was.
TEST(Beenden, KeinFensterUeberlebtDasHauptfenster) {
    struct Fall {
        const char* name;
        QAction* Menue::*geoeffnet;
        std::function<void(Form1&)> schliessen;
        Antwort antwort;
    };
    const Fall faelle[] = {
        {"Beenden bei offenem Buendeldialog", &Menue::MenueEinstellungenLS,
         [](Form1& f) { f.menue.MenueBeenden->trigger(); }, Antwort::Nein},
        {"Schliessfeld bei offenem Aktionenfenster", &Menue::MenuAktionen, [](Form1& f) { f.close(); },
         Antwort::Nein},
        {"Fenstersystem bei Infodialog, der das Hauptfenster sperrt", &Menue::MenueInfo,
         [](Form1& f) { f.windowHandle()->close(); }, Antwort::Nein},
        {"abgebrochen", &Menue::MenueEinstellungenLS, [](Form1& f) { f.close(); }, Antwort::Abbrechen},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        AnwendungsUmfeld u;
        Form1& f = u.starten();
        int enden = 0;
        u.anwendung->ende = [&enden] { ++enden; };
        (f.menue.*fall.geoeffnet)->trigger();
        u.ab.markieren(DokFahrzeugliste);
        u.rueckfrage.antworten = {fall.antwort};

        fall.schliessen(f);

        EXPECT_EQ(u.rueckfrage.fragen.size(), 1);
        const bool endet = fall.antwort != Antwort::Abbrechen;
        EXPECT_EQ(enden, endet ? 1 : 0);
        int offen = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            offen += w->isVisible();
        EXPECT_EQ(offen, endet ? 0 : 3) << "main window, vehicle list and the dialog";
    }
}

TEST(Beenden, JaSpeichertInsStartverzeichnisAuchNachDateidialog) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    const QString start = u.ab.startverzeichnis;
    // Loading a place file from another folder moves the working directory there.
    const QString anderswo = u.datei("anderswo/Orte.BIN", QByteArray("7123") + QByteArray(50, 'x'));
    u.rueckfrage.dateien = {anderswo};
    f.menue.MenueLadenOrte->trigger();
    ASSERT_EQ(QDir::currentPath(), QFileInfo(anderswo).absolutePath());
    ASSERT_EQ(u.ab.ungespeichert, 0);

    u.ab.markieren(DokStatusuebersicht | DokAktionen);
    u.rueckfrage.antworten = {Antwort::Ja};
    f.close();

    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(u.ab.ungespeichert, 0);
    for (const char* name : {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN"})
        EXPECT_TRUE(QFileInfo::exists(QDir(start).filePath(name))) << name;
    EXPECT_EQ(dateiInhalt(QDir(start).filePath("Orte.BIN")), dateiInhalt(anderswo));
    // The action window was never opened: no action file anywhere.
    EXPECT_FALSE(QFileInfo::exists(QDir(start).filePath("Aktion.BIN")));
    EXPECT_EQ(QDir(QFileInfo(anderswo).absolutePath()).entryList(QDir::Files), QStringList{"Orte.BIN"});
}

TEST(Beenden, GescheitertesSpeichernBeendetNicht) {
    AnwendungsUmfeld u;
    FehlerSchreiber kaputt(FehlerSchreiber::Art::BeimAbschluss, 0, "Fahrzeug");
    const QString alt = u.datei("Fahrzeug.BIN", "alt");
    Form1& f = u.starten();
    u.ab.setzeSchreiber(kaputt);
    u.ab.markieren(DokFahrzeugliste | DokOrtskennungen);
    u.rueckfrage.antworten = {Antwort::Ja};

    f.menue.MenueBeenden->trigger();

    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(u.ab.ungespeichert, DokFahrzeugliste | DokOrtskennungen);
    ASSERT_EQ(u.rueckfrage.fragen.size(), 2);
    EXPECT_EQ(u.rueckfrage.fragen[1].titel, "Alles Speichern");
    EXPECT_EQ(u.rueckfrage.fragen[1].symbol, Symbol::Fehler);
    EXPECT_EQ(dateiInhalt(alt), "alt");
}

TEST(AllesSpeichernMenue, LadebefehleFragenVorDemLaden) {
    struct Fall {
        const char* name;
        QAction* Menue::*befehl;
        Dokument dokument;
        QString datei;
        QByteArray inhalt;
    };
    const Fall faelle[] = {
        {"Status", &Menue::MenueLadenStatus, DokStatusuebersicht, "neu/Status.BIN", QByteArray(16640, '\0')},
        {"Orte", &Menue::MenueLadenOrte, DokOrtskennungen, "neu/Orte.BIN", QByteArray()},
        {"Fahrzeuge", &Menue::MenueLadenFzg, DokFahrzeugliste, "neu/Fahrzeug.BIN", QByteArray()},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        AnwendungsUmfeld u;
        Form1& f = u.starten();
        u.ab.markieren(fall.dokument);
        u.rueckfrage.dateien = {u.datei(fall.datei, fall.inhalt)};
        u.rueckfrage.antworten = {Antwort::Ja};
        (f.menue.*fall.befehl)->trigger();
        ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
        EXPECT_EQ(u.rueckfrage.fragen[0].titel, ladeFrage(fall.dokument).titel);
        EXPECT_EQ(u.rueckfrage.fragen[0].knoepfe, Knoepfe::JaNein);
        EXPECT_TRUE(QFileInfo::exists(startDatei(u, "Status.BIN")));
        EXPECT_EQ(u.ab.ungespeichert, 0);
    }
}

// Once the action window was opened, the action file goes to the working directory, not to the
// start directory of the three fixed files.
TEST(AllesSpeichernMenue, AktionenInDenArbeitsordnerNachDemAktionenfenster) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    u.anwendung->aktionenZeigen();
    u.ab.aktionen = {aktion("6A000001", "3", 0, "alarm.exe")};
    const QString orte = u.datei("anderswo/Orte.BIN", QByteArray());
    u.rueckfrage.dateien = {orte};
    f.menue.MenueLadenOrte->trigger();
    u.ab.markieren(DokAktionen | DokFahrzeugliste);

    f.menue.MenueSpeichern->trigger();

    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(u.ab.ungespeichert, 0);
    EXPECT_TRUE(QFileInfo::exists(startDatei(u, "Status.BIN")));
    EXPECT_FALSE(QFileInfo::exists(startDatei(u, "Aktion.BIN")));
    EXPECT_EQ(dateiInhalt(QFileInfo(orte).absolutePath() + "/Aktion.BIN"),
              aktionenDateiInhalt(u.ab.aktionen));
}

TEST(AllesSpeichernMenue, AktionenLadenFragtUndSpeichertNurDieAktionen) {
    AnwendungsUmfeld u;
    Form1& f = u.starten();
    u.anwendung->aktionenZeigen();
    u.ab.aktionen = {aktion("6A000001", "3", 0, "alarm.exe")};
    const QByteArray liste = aktionenDateiInhalt(u.ab.aktionen);
    u.ab.markieren(DokAktionen | DokStatusuebersicht);
    const QByteArray gewaehlt = aktionSatz("7B000001", '1', '1', "andere.exe");
    const QString datei = u.datei("sicherung/Aktion.BIN", gewaehlt);
    u.rueckfrage.dateien = {datei};
    u.rueckfrage.antworten = {Antwort::Ja};

    f.menue.MenueLadenAktionen->trigger();

    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, "Aktionen Laden");
    EXPECT_EQ(u.rueckfrage.fragen[0].knoepfe, Knoepfe::JaNein);
    // Saved where the working directory was before the dialog; the chosen file is intact and loaded.
    EXPECT_EQ(dateiInhalt(startDatei(u, "Aktion.BIN")), liste);
    EXPECT_EQ(dateiInhalt(datei), gewaehlt);
    EXPECT_EQ(aktionenDateiInhalt(u.ab.aktionen), gewaehlt);
    // Only the actions were saved.
    EXPECT_FALSE(QFileInfo::exists(startDatei(u, "Status.BIN")));
    EXPECT_EQ(u.ab.ungespeichert, DokStatusuebersicht);
}
