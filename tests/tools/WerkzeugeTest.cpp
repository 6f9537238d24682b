#include "places/Ortskennungen.h"
#include "tools/Einstellungen.h"
#include "tools/FrmEinstellungen.h"
#include "tools/InfoForm.h"
#include "tools/StatusUmwandeln.h"
#include "tools/TitelFahrzeuguebersicht.h"
#include "tools/Werkbank.h"
#include "tools/ZeitSetzen.h"
#include "vehicles/Form2.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;

namespace {

using test::geloeschteAufraeumen;
using test::Programm;

// One way out of a blocking dialog.
struct Ausweg {
    const char* name;
    std::function<QAction*(Programm&)> menuepunkt;
    std::function<QWidget*(Programm&)> dialog;
    QString titel;
    bool mitOrtskennungen;
    std::function<void(QWidget*)> schliessen;
    bool bleibtBestehen; // hidden and kept, or destroyed
};

template <typename T> std::function<void(QWidget*)> knopf(QPushButton* T::*k) {
    return [k](QWidget* d) { (static_cast<T*>(d)->*k)->click(); };
}
const std::function<void(QWidget*)> schliessfeld = [](QWidget* d) { d->close(); };

auto umwandeln = [](Programm& p) { return p.menue().MenueUmwandeln; };
auto zeiten = [](Programm& p) { return p.menue().MenueZeitenSetzen; };
auto einstellungen = [](Programm& p) { return p.menue().MenueEinstellungen; };
auto titel = [](Programm& p) { return p.menue().MenuTitelFahrzeuguebersicht; };
auto infoPunkt = [](Programm& p) { return p.menue().MenueInfo; };
auto umwandelnDialog = [](Programm& p) -> QWidget* { return p.w().statusUmwandeln(); };
auto zeitenDialog = [](Programm& p) -> QWidget* { return p.w().zeitSetzen(); };
auto einstellungenDialog = [](Programm& p) -> QWidget* { return p.w().einstellungen(); };
auto titelDialog = [](Programm& p) -> QWidget* { return p.w().titel(); };
auto infoDialog = [](Programm& p) -> QWidget* { return p.w().info(); };

const QString UmwandelnTitel = QStringLiteral("Status Umwandeln");
const QString ZeitTitel = QStringLiteral("Zeit Manuell Setzen");
const QString EinstellungenTitel = QStringLiteral("Einstellungen");
const QString TitelTitel = QStringLiteral("Titel der Fahrzeug\u00fcbersicht \u00c4ndern");
const QString InfoTitel = QStringLiteral("Tabulo-Info");

} // namespace

class Sperren : public ::testing::TestWithParam<Ausweg> {};

TEST_P(Sperren, MenuepunktOeffnetSperrtUndJederAuswegGibtFrei) {
    const Ausweg& a = GetParam();
    Programm p;
    const QList<QWidget*> gesperrt = p.app.sperrFenster(a.mitOrtskennungen);
    ASSERT_TRUE(gesperrt.contains(&p.app.form1()));
    ASSERT_TRUE(gesperrt.contains(&p.app.form2()));
    // Twice: a kept dialog must lock and free again on its second opening too.
    for (int runde = 0; runde < 2; ++runde) {
        SCOPED_TRACE(runde);
        a.menuepunkt(p)->trigger();
        QWidget* d = a.dialog(p);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->isEnabled());
        EXPECT_EQ(d->windowTitle(), a.titel);
        for (QWidget* f : gesperrt)
            EXPECT_FALSE(f->isEnabled()) << f->objectName().toStdString();

        a.schliessen(d);
        for (QWidget* f : gesperrt)
            EXPECT_TRUE(f->isEnabled()) << f->objectName().toStdString();
        geloeschteAufraeumen();
        if (a.bleibtBestehen) {
            ASSERT_EQ(a.dialog(p), d);
            EXPECT_FALSE(d->isVisible());
        } else {
            EXPECT_EQ(a.dialog(p), nullptr);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialoge, Sperren,
    ::testing::Values(
        Ausweg{"UmwandelnUmwandeln", umwandeln, umwandelnDialog, UmwandelnTitel, false,
               knopf(&StatusUmwandeln::Umwandeln), true},
        Ausweg{"UmwandelnAbbrechen", umwandeln, umwandelnDialog, UmwandelnTitel, false,
               knopf(&StatusUmwandeln::Abbrechen), true},
        Ausweg{"UmwandelnSchliessfeld", umwandeln, umwandelnDialog, UmwandelnTitel, false, schliessfeld,
               true},
        Ausweg{"ZeitSetzen", zeiten, zeitenDialog, ZeitTitel, false, knopf(&ZeitSetzen::Setzen), true},
        Ausweg{"ZeitAbbrechen", zeiten, zeitenDialog, ZeitTitel, false, knopf(&ZeitSetzen::Abbrechen), true},
        Ausweg{"ZeitSchliessfeld", zeiten, zeitenDialog, ZeitTitel, false, schliessfeld, true},
        Ausweg{"EinstellungenUebernehmen", einstellungen, einstellungenDialog, EinstellungenTitel, true,
               knopf(&Einstellungen::Uebernehmen), true},
        Ausweg{"EinstellungenAbbrechen", einstellungen, einstellungenDialog, EinstellungenTitel, true,
               knopf(&Einstellungen::Abbrechen), true},
        Ausweg{"EinstellungenSchliessfeld", einstellungen, einstellungenDialog, EinstellungenTitel, true,
               schliessfeld, true},
        Ausweg{"TitelSpeichern", titel, titelDialog, TitelTitel, false,
               knopf(&TitelFahrzeuguebersicht::Speichern), false},
        Ausweg{"TitelAbbrechen", titel, titelDialog, TitelTitel, false,
               knopf(&TitelFahrzeuguebersicht::Abbrechen), false},
        Ausweg{"TitelSchliessfeld", titel, titelDialog, TitelTitel, false, schliessfeld, false},
        Ausweg{"InfoOk", infoPunkt, infoDialog, InfoTitel, false, knopf(&InfoForm::cmdOK), false},
        Ausweg{"InfoSchliessfeld", infoPunkt, infoDialog, InfoTitel, false, schliessfeld, false}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Sperren, NurDieGrundeinstellungenSperrenAuchDieOrtskennungen) {
    Programm p;
    QWidget* orte = &p.app.ortskennungen();
    EXPECT_FALSE(p.app.sperrFenster(false).contains(orte));
    EXPECT_TRUE(p.app.sperrFenster(true).contains(orte));

    p.menue().MenueInfo->trigger();
    EXPECT_TRUE(orte->isEnabled());
    p.w().info()->close();
    p.menue().MenueEinstellungen->trigger();
    EXPECT_FALSE(orte->isEnabled());
    p.w().einstellungen()->close();
    EXPECT_TRUE(orte->isEnabled());
}

TEST(Buendeldialog, SperrtNichtsUndBeginntJedesMalMitDenVorgaben) {
    Programm p;
    p.menue().MenueEinstellungenLS->trigger();
    FrmEinstellungen* d = p.w().buendel();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Einstellungen Laden / Speichern");
    EXPECT_TRUE(p.app.form1().isEnabled());
    EXPECT_FALSE(d->chkEinstellungen->isChecked());
    EXPECT_TRUE(d->chkFenstertitel->isChecked());
    EXPECT_TRUE(d->chkStatusfarben->isChecked());
    for (QLabel* l : {d->lblEinstellungen, d->lblFenstertitel, d->lblStatusfarben})
        EXPECT_EQ(l->text(), "");

    // The menu again while it is open: the same window, choices kept.
    d->chkFenstertitel->setChecked(false);
    p.menue().MenueEinstellungenLS->trigger();
    EXPECT_EQ(p.w().buendel(), d);
    EXPECT_FALSE(d->chkFenstertitel->isChecked());

    d->btnSchliessen->click();
    geloeschteAufraeumen();
    EXPECT_EQ(p.w().buendel(), nullptr);
    p.menue().MenueEinstellungenLS->trigger();
    ASSERT_NE(p.w().buendel(), nullptr);
    EXPECT_TRUE(p.w().buendel()->chkFenstertitel->isChecked());
}

TEST(Infodialog, ZeigtProgrammUndVersion) {
    Programm p;
    p.menue().MenueInfo->trigger();
    InfoForm* d = p.w().info();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->lblTitle->text(), "Tabulo - der Editor zu Velastat");
    EXPECT_EQ(d->lblVersion->text(), "Version 1.3.0");
    EXPECT_EQ(d->lblDescription->text(),
              QStringLiteral(
                  "Tabulo soll das Editieren von Velastat \u00dcbersichten erleichtern. Das Programm ist "
                  "Freeware."));
    EXPECT_EQ(d->cmdOK->text(), "&OK");
    EXPECT_FALSE(d->picIcon->pixmap().isNull());
}
