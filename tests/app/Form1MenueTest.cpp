#include "app/Form1.h"

#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "model/Arbeitsbereich.h"
#include "support/SkriptRueckfrage.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
QStringList titel(const QList<QAction*>& aktionen) {
    QStringList t;
    for (QAction* a : aktionen)
        t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}
} // namespace

TEST(Form1Menue, FensterTitelUndMenueleiste) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    test::SkriptRueckfrage rueckfrage;
    Form1 form(ab, rueckfrage);

    EXPECT_EQ(form.windowTitle(), "Tabulo v1.3.0");
    EXPECT_EQ(titel(form.menuBar()->actions()),
              (QStringList{"&Datei", "&Bearbeiten", "&Tools", "&?"}));
    EXPECT_EQ(titel(form.menue.MenueDatei->actions()),
              (QStringList{"Laden...", "Alles &Speichern", "Speichern...", "&Beenden"}));
    EXPECT_EQ(titel(form.menue.MenuXLaden->actions()),
              (QStringList{"Fahrzeugliste", "Ortskennungen", QStringLiteral("Status \u00dcbersicht"), "Aktionen"}));
    EXPECT_EQ(titel(form.menue.MenueBearbeiten->actions()),
              (QStringList{"&Ortskennungen", "Aktionen", QStringLiteral("&Titel der Fahrzeug\u00fcbersicht"),
                           "&Einstellungen", "-", "Undo: Ortskennungen neu laden", "Undo: Fahrzeuge neu laden",
                           QStringLiteral("Undo: Fzg.\u00dcbersicht neu laden")}));
    EXPECT_EQ(titel(form.menue.MenueTools->actions()),
              (QStringList{"Status &Umwandeln", "&Zeiten Setzen", "&Einstellungen Laden/Speichern"}));
    EXPECT_EQ(titel(form.menue.MenueHelp->actions()), (QStringList{"Inf&o..."}));
    EXPECT_EQ(form.menue.MenueSpeichern->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    // The action items wait for the action window.
    EXPECT_FALSE(form.menue.MenueLadenAktionen->isEnabled());
    EXPECT_FALSE(form.menue.MenueSpeichernAktionen->isEnabled());
}
