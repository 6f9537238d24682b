// Which command opens which window, which windows it locks, and that every way out of it frees
// them again (minimising it is no way out).
#include "actions/Aktionen.h"
#include "overview/FeldEdit.h"
#include "places/Ortskennungen.h"
#include "support/AnwendungsUmfeld.h"
#include "tools/Einstellungen.h"
#include "tools/FrmEinstellungen.h"
#include "tools/InfoForm.h"
#include "tools/StatusUmwandeln.h"
#include "tools/TitelFahrzeuguebersicht.h"
#include "tools/ZeitSetzen.h"
#include "vehicles/FahrzeugEdit.h"
#include "vehicles/FahrzeugListView.h"

#include <QAction>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

using Ausweg = std::function<void(QWidget*)>;
template <typename T> Ausweg knopf(QPushButton* T::*k) {
    return [k](QWidget* d) { (static_cast<T*>(d)->*k)->click(); };
}
const Ausweg schliessfeld = [](QWidget* d) { d->close(); };
const Ausweg escape = [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); };

template <QAction* Menue::*punkt> void menue(AnwendungsUmfeld& u) {
    (u.menue().*punkt)->trigger();
}

enum class Sperrt { Nichts, Hauptfenster, AuchOrte };

} // namespace

TEST(Fenster, OeffnenSperrenUndJederAuswegGibtFrei) {
    const struct {
        const char* name;
        std::function<void(AnwendungsUmfeld&)> oeffnen;
        std::function<QWidget*(AnwendungsUmfeld&)> fenster;
        Sperrt sperrt;
        bool bleibtBestehen; // hidden and kept, or destroyed
        std::vector<Ausweg> auswege;
    } faelle[] = {
        {"Umwandeln",
         menue<&Menue::MenueUmwandeln>,
         [](auto& u) -> QWidget* { return u.werkzeuge().statusUmwandeln(); },
         Sperrt::Hauptfenster,
         true,
         {knopf(&StatusUmwandeln::Umwandeln), knopf(&StatusUmwandeln::Abbrechen), schliessfeld}},
        {"Zeit",
         menue<&Menue::MenueZeitenSetzen>,
         [](auto& u) -> QWidget* { return u.werkzeuge().zeitSetzen(); },
         Sperrt::Hauptfenster,
         true,
         {knopf(&ZeitSetzen::Setzen), knopf(&ZeitSetzen::Abbrechen), schliessfeld}},
        {"Einstellungen",
         menue<&Menue::MenueEinstellungen>,
         [](auto& u) -> QWidget* { return u.werkzeuge().einstellungen(); },
         Sperrt::AuchOrte,
         true,
         {knopf(&Einstellungen::Uebernehmen), knopf(&Einstellungen::Abbrechen), schliessfeld}},
        {"Titel",
         menue<&Menue::MenuTitelFahrzeuguebersicht>,
         [](auto& u) -> QWidget* { return u.werkzeuge().titel(); },
         Sperrt::Hauptfenster,
         false,
         {knopf(&TitelFahrzeuguebersicht::Speichern), knopf(&TitelFahrzeuguebersicht::Abbrechen),
          schliessfeld}},
        {"Info",
         menue<&Menue::MenueInfo>,
         [](auto& u) -> QWidget* { return u.werkzeuge().info(); },
         Sperrt::Hauptfenster,
         false,
         {knopf(&InfoForm::cmdOK), schliessfeld}},
        {"Buendel",
         menue<&Menue::MenueEinstellungenLS>,
         [](auto& u) -> QWidget* { return u.werkzeuge().buendel(); },
         Sperrt::Nichts,
         false,
         {knopf(&FrmEinstellungen::btnSchliessen), schliessfeld}},
        {"Aktionen",
         menue<&Menue::MenuAktionen>,
         [](auto& u) -> QWidget* { return u.anwendung->aktionen(); },
         Sperrt::Nichts,
         true,
         {knopf(&Aktionen::ButtonExit), schliessfeld}},
        {"Ortskennungen",
         menue<&Menue::MenueOrtskennungen>,
         [](auto& u) -> QWidget* { return &u.anwendung->ortskennungen(); },
         Sperrt::Nichts,
         true,
         {knopf(&Ortskennungen::Abbrechen), schliessfeld}},
        {"Feldeditor",
         [](AnwendungsUmfeld& u) {
             FensterAnsicht& a = u.anwendung->form1().tabFrame(1);
             QTest::mouseDClick(&a, Qt::LeftButton, {}, a.textRechteck(6).center().toPoint());
         },
         [](auto& u) -> QWidget* { return u.anwendung->feldEdit(); },
         Sperrt::Hauptfenster,
         true,
         {knopf(&FeldEdit::Uebernehmen), knopf(&FeldEdit::Abbrechen), schliessfeld}},
        {"Fahrzeugeditor",
         [](AnwendungsUmfeld& u) {
             FahrzeugListView* liste = u.anwendung->form2().ListView1;
             const QPoint zeile = liste->visualRect(liste->model()->index(0, 0)).center();
             QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile);
             QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile);
         },
         [](auto& u) -> QWidget* { return &u.anwendung->fahrzeugEdit(); },
         Sperrt::Hauptfenster,
         true,
         {knopf(&FahrzeugEdit::Uebernehmen), knopf(&FahrzeugEdit::Abbrechen), schliessfeld, escape}},
    };
    for (const auto& f : faelle) {
        AnwendungsUmfeld u;
        u.zweiFahrzeuge();
        u.starten();
        QWidget* orte = &u.anwendung->ortskennungen(); // a place window that exists
        const QList<QWidget*> haupt = {&u.anwendung->form1(), &u.anwendung->form2()};
        // Every way in turn on one program: a kept window must lock and free again when reopened.
        for (size_t weg = 0; weg < f.auswege.size(); ++weg) {
            SCOPED_TRACE(testing::Message() << f.name << " way " << weg);
            f.oeffnen(u);
            QWidget* d = f.fenster(u);
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->isVisible() && d->isEnabled());
            for (const Qt::WindowState zustand :
                 {Qt::WindowNoState, Qt::WindowMinimized, Qt::WindowNoState}) {
                d->setWindowState(zustand);
                for (QWidget* w : haupt)
                    EXPECT_EQ(w->isEnabled(), f.sperrt == Sperrt::Nichts) << zustand;
                EXPECT_EQ(orte->isEnabled(), f.sperrt != Sperrt::AuchOrte) << zustand;
            }
            f.auswege[weg](d);
            EXPECT_FALSE(d->isVisible());
            for (QWidget* w : haupt + QList<QWidget*>{orte})
                EXPECT_TRUE(w->isEnabled());
            geloeschteAufraeumen();
            EXPECT_EQ(f.fenster(u), f.bleibtBestehen ? d : nullptr);
        }
    }
}
