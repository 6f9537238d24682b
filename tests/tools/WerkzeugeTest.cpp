#include "places/Ortskennungen.h"
#include "tools/Einstellungen.h"
#include "tools/InfoForm.h"
#include "tools/StatusUmwandeln.h"
#include "tools/TitelFahrzeuguebersicht.h"
#include "tools/Werkbank.h"
#include "tools/ZeitSetzen.h"
#include "vehicles/Form2.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;

namespace {

using test::geloeschteAufraeumen;
using test::Programm;
using Ausweg = std::function<void(QWidget*)>;

template <typename T> Ausweg knopf(QPushButton* T::*k) {
    return [k](QWidget* d) { (static_cast<T*>(d)->*k)->click(); };
}
const Ausweg schliessfeld = [](QWidget* d) { d->close(); };

// A blocking dialog with its menu item and every way out of it.
struct Dialog {
    const char* name;
    QAction* Menue::*menuepunkt;
    std::function<QWidget*(Werkzeuge&)> fenster;
    QString titel;
    bool mitOrtskennungen;
    bool bleibtBestehen; // hidden and kept, or destroyed
    std::vector<Ausweg> auswege;
};

} // namespace

TEST(Sperren, MenuepunktOeffnetSperrtUndJederAuswegGibtFrei) {
    const Dialog dialoge[] = {
        {"Umwandeln",
         &Menue::MenueUmwandeln,
         [](Werkzeuge& w) -> QWidget* { return w.statusUmwandeln(); },
         "Status Umwandeln",
         false,
         true,
         {knopf(&StatusUmwandeln::Umwandeln), knopf(&StatusUmwandeln::Abbrechen), schliessfeld}},
        {"Zeit",
         &Menue::MenueZeitenSetzen,
         [](Werkzeuge& w) -> QWidget* { return w.zeitSetzen(); },
         "Zeit Manuell Setzen",
         false,
         true,
         {knopf(&ZeitSetzen::Setzen), knopf(&ZeitSetzen::Abbrechen), schliessfeld}},
        {"Einstellungen",
         &Menue::MenueEinstellungen,
         [](Werkzeuge& w) -> QWidget* { return w.einstellungen(); },
         "Einstellungen",
         true,
         true,
         {knopf(&Einstellungen::Uebernehmen), knopf(&Einstellungen::Abbrechen), schliessfeld}},
        {"Titel",
         &Menue::MenuTitelFahrzeuguebersicht,
         [](Werkzeuge& w) -> QWidget* { return w.titel(); },
         QStringLiteral("Titel der Fahrzeug\u00fcbersicht \u00c4ndern"),
         false,
         false,
         {knopf(&TitelFahrzeuguebersicht::Speichern), knopf(&TitelFahrzeuguebersicht::Abbrechen),
          schliessfeld}},
        {"Info",
         &Menue::MenueInfo,
         [](Werkzeuge& w) -> QWidget* { return w.info(); },
         "Tabulo-Info",
         false,
         false,
         {knopf(&InfoForm::cmdOK), schliessfeld}},
    };
    for (const Dialog& a : dialoge) {
        Programm p;
        p.app.ortskennungen(); // a place window that exists is locked by the settings dialog
        const QList<QWidget*> gesperrt = p.app.sperrFenster(a.mitOrtskennungen);
        // Every way in turn on one program: a kept dialog must lock and free again when reopened.
        for (size_t weg = 0; weg < a.auswege.size(); ++weg) {
            SCOPED_TRACE(testing::Message() << a.name << " way " << weg);
            (p.menue().*a.menuepunkt)->trigger();
            QWidget* d = a.fenster(p.w());
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->isVisible());
            EXPECT_TRUE(d->isEnabled());
            EXPECT_EQ(d->windowTitle(), a.titel);
            for (QWidget* f : gesperrt)
                EXPECT_FALSE(f->isEnabled()) << f->objectName().toStdString();
            // Minimising and restoring the dialog is no way out.
            for (const Qt::WindowState zustand : {Qt::WindowMinimized, Qt::WindowNoState}) {
                d->setWindowState(zustand);
                for (QWidget* f : gesperrt)
                    EXPECT_FALSE(f->isEnabled()) << zustand << " " << f->objectName().toStdString();
            }

            a.auswege[weg](d);
            for (QWidget* f : gesperrt)
                EXPECT_TRUE(f->isEnabled()) << f->objectName().toStdString();
            geloeschteAufraeumen();
            if (a.bleibtBestehen) {
                ASSERT_EQ(a.fenster(p.w()), d);
                EXPECT_FALSE(d->isVisible());
            } else {
                EXPECT_EQ(a.fenster(p.w()), nullptr);
            }
        }
    }
}

TEST(Sperren, NurDieGrundeinstellungenSperrenAuchDieOrtskennungen) {
    Programm p;
    QWidget* orte = &p.app.ortskennungen();

    p.menue().MenueInfo->trigger();
    EXPECT_TRUE(orte->isEnabled());
    p.w().info()->close();
    p.menue().MenueEinstellungen->trigger();
    EXPECT_FALSE(orte->isEnabled());
    p.w().einstellungen()->close();
    EXPECT_TRUE(orte->isEnabled());
}

TEST(Infodialog, ZeigtProgrammUndVersion) {
    Programm p;
    p.menue().MenueInfo->trigger();
    InfoForm* d = p.w().info();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->lblVersion->text(), "Version 1.3.0");
    EXPECT_FALSE(d->picIcon->pixmap().isNull());
}
