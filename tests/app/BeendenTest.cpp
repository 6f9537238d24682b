// The quit question and the save-all hooks as the menus and the close box reach them.
#include "core/actions/Aktionsliste.h"
#include "core/common/Ungespeichert.h"
#include "support/AnwendungsUmfeld.h"
#include "support/Saetze.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// The end of start-up clears every flag. "Abbrechen" keeps the window; the close box asks the
// same, and "Ja" lets it close. (Where "Ja" saves: the core's quit table.)
TEST(Beenden, FrageBeimBeendenUndSchliessfeld) {
    AnwendungsUmfeld u;
    u.ab.ungespeichert = DokFahrzeugliste;
    Form1& f = u.starten();
    EXPECT_EQ(u.ab.ungespeichert, 0);
    u.ab.markieren(DokStatusuebersicht);
    u.rueckfrage.antworten = {Antwort::Abbrechen, Antwort::Ja};
    u.menue().MenueBeenden->trigger();
    ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(u.rueckfrage.fragen[0].titel, speichertext::BeendenTitel);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.close());
    EXPECT_EQ(u.rueckfrage.fragen.size(), 2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(QFileInfo::exists(u.pfad("Status.BIN")));
}

// However the main window is closed, once the question lets it the program ends and takes every
// other window with it; cancelled, everything stays as it was.
TEST(Beenden, KeinFensterUeberlebtDasHauptfenster) {
    const struct {
        const char* name;
        QAction* Menue::*geoeffnet;
        std::function<void(Form1&)> schliessen;
        Antwort antwort;
    } faelle[] = {
        {"Beenden bei offenem Buendeldialog", &Menue::MenueEinstellungenLS,
         [](Form1& f) { f.menue.MenueBeenden->trigger(); }, Antwort::Nein},
        {"Schliessfeld bei offenem Aktionenfenster", &Menue::MenuAktionen, [](Form1& f) { f.close(); },
         Antwort::Nein},
        {"Fenstersystem bei Infodialog, der das Hauptfenster sperrt", &Menue::MenueInfo,
         [](Form1& f) { f.windowHandle()->close(); }, Antwort::Nein},
        {"abgebrochen", &Menue::MenueEinstellungenLS, [](Form1& f) { f.close(); }, Antwort::Abbrechen},
    };
    for (const auto& fall : faelle) {
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

// Each load item asks about its own document before loading; "Ja" saves everything, but the
// action load saves only the actions, where the working directory was before its dialog.
TEST(AllesSpeichernMenue, LadebefehleFragenVorDemLaden) {
    const struct {
        QAction* Menue::*befehl;
        Dokument dokument;
        QByteArray inhalt;
        const char* gespeichert;
    } faelle[] = {
        {&Menue::MenueLadenStatus, DokStatusuebersicht, QByteArray(16640, '\0'), "Status.BIN"},
        {&Menue::MenueLadenOrte, DokOrtskennungen, QByteArray(), "Orte.BIN"},
        {&Menue::MenueLadenFzg, DokFahrzeugliste, QByteArray(), "Fahrzeug.BIN"},
        {&Menue::MenueLadenAktionen, DokAktionen, aktionSatz("7B000001", '1', '1', "x"), "Aktion.BIN"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.gespeichert);
        AnwendungsUmfeld u;
        u.starten();
        u.anwendung->aktionenZeigen();
        u.ab.aktionen = {aktion("6A000001", "3", 0, "alarm.exe")};
        u.ab.markieren(fall.dokument | DokStatusuebersicht);
        u.rueckfrage.dateien = {u.datei(QStringLiteral("neu/") + fall.gespeichert, fall.inhalt)};
        u.rueckfrage.antworten = {Antwort::Ja};
        (u.menue().*fall.befehl)->trigger();
        ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
        EXPECT_EQ(u.rueckfrage.fragen[0].titel, ladeFrage(fall.dokument).titel);
        EXPECT_TRUE(QFileInfo::exists(u.pfad(fall.gespeichert)));
        EXPECT_EQ(QFileInfo::exists(u.pfad("Status.BIN")), fall.dokument != DokAktionen);
    }
}
