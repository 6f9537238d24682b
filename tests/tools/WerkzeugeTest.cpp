#include "places/Ortskennungen.h"
#include "support/AnwendungsUmfeld.h"
#include "tools/Einstellungen.h"
#include "tools/InfoForm.h"
#include "tools/StatusUmwandeln.h"
#include "tools/TitelFahrzeuguebersicht.h"
#include "tools/ZeitSetzen.h"

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

} // namespace

// Each blocking dialog opens from its menu item and locks the main windows (the settings dialog
// the place window too) until it is left, by any of its ways out; minimising it is no way out.
TEST(Sperren, MenuepunktOeffnetSperrtUndJederAuswegGibtFrei) {
    const struct {
        const char* name;
        QAction* Menue::*menuepunkt;
        std::function<QWidget*(Werkzeuge&)> fenster;
        bool mitOrtskennungen;
        bool bleibtBestehen; // hidden and kept, or destroyed
        std::vector<Ausweg> auswege;
    } dialoge[] = {
        {"Umwandeln",
         &Menue::MenueUmwandeln,
         [](Werkzeuge& w) -> QWidget* { return w.statusUmwandeln(); },
         false,
         true,
         {knopf(&StatusUmwandeln::Umwandeln), knopf(&StatusUmwandeln::Abbrechen), schliessfeld}},
        {"Zeit",
         &Menue::MenueZeitenSetzen,
         [](Werkzeuge& w) -> QWidget* { return w.zeitSetzen(); },
         false,
         true,
         {knopf(&ZeitSetzen::Setzen), knopf(&ZeitSetzen::Abbrechen), schliessfeld}},
        {"Einstellungen",
         &Menue::MenueEinstellungen,
         [](Werkzeuge& w) -> QWidget* { return w.einstellungen(); },
         true,
         true,
         {knopf(&Einstellungen::Uebernehmen), knopf(&Einstellungen::Abbrechen), schliessfeld}},
        {"Titel",
         &Menue::MenuTitelFahrzeuguebersicht,
         [](Werkzeuge& w) -> QWidget* { return w.titel(); },
         false,
         false,
         {knopf(&TitelFahrzeuguebersicht::Speichern), knopf(&TitelFahrzeuguebersicht::Abbrechen),
          schliessfeld}},
        {"Info",
         &Menue::MenueInfo,
         [](Werkzeuge& w) -> QWidget* { return w.info(); },
         false,
         false,
         {knopf(&InfoForm::cmdOK), schliessfeld}},
    };
    for (const auto& a : dialoge) {
        AnwendungsUmfeld u;
        u.starten();
        QWidget* orte = &u.anwendung->ortskennungen(); // a place window that exists
        const QList<QWidget*> gesperrt = u.anwendung->sperrFenster(a.mitOrtskennungen);
        EXPECT_EQ(gesperrt.contains(orte), a.mitOrtskennungen);
        // Every way in turn on one program: a kept dialog must lock and free again when reopened.
        for (size_t weg = 0; weg < a.auswege.size(); ++weg) {
            SCOPED_TRACE(testing::Message() << a.name << " way " << weg);
            (u.menue().*a.menuepunkt)->trigger();
            QWidget* d = a.fenster(u.werkzeuge());
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->isVisible());
            EXPECT_TRUE(d->isEnabled());
            for (const Qt::WindowState zustand :
                 {Qt::WindowNoState, Qt::WindowMinimized, Qt::WindowNoState}) {
                d->setWindowState(zustand);
                for (QWidget* f : gesperrt)
                    EXPECT_FALSE(f->isEnabled()) << zustand << " " << f->objectName().toStdString();
            }
            EXPECT_EQ(orte->isEnabled(), !a.mitOrtskennungen);
            a.auswege[weg](d);
            for (QWidget* f : gesperrt)
                EXPECT_TRUE(f->isEnabled()) << f->objectName().toStdString();
            geloeschteAufraeumen();
            EXPECT_EQ(a.fenster(u.werkzeuge()), a.bleibtBestehen ? d : nullptr);
        }
    }
}
