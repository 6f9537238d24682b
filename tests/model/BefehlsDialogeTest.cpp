// The file dialog of every file command, answered with Cancel: it is set up as the host's
// dialogs are, and a cancel is silent and changes nothing.
#include "model/AktionenBefehle.h"
#include "model/Einstellungsbuendel.h"
#include "model/FahrzeugBefehle.h"
#include "model/OrteBefehle.h"
#include "model/StatusBefehle.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"
#include "support/OrteDaten.h"
#include "support/SkriptRueckfrage.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(BefehlsDialoge, EinstellungenUndAbbruchIstStill) {
    struct Umfeld {
        TestArbeitsbereich t;
        Arbeitsbereich& ab = t.ab;
        SkriptRueckfrage rf;
        ProtokollFortschritt fortschritt;
    };
    struct Fall {
        std::function<void(Umfeld&)> befehl;
        QString titel, dateiname;
        bool speichern;
        QString filter = QStringLiteral("Alle Dateien (*.*)|*.*|BIN-Dateien (*.bin)|*.bin|");
    };
    const QString binGross = QStringLiteral("Alle Dateien (*.*)|*.*|BIN-Dateien (*.BIN)|*.bin|");
    const QString exe = QStringLiteral("Alle Dateien (*.*)|*.*|EXE-Dateien (*.exe)|*.exe|");
    const Fall faelle[] = {
        {[](Umfeld& u) { MenueLadenFzg(u.ab, u.rf); }, "Fahrzeugliste Laden", "Fahrzeug.BIN", false},
        {[](Umfeld& u) { MenueSpeichernFzg(u.ab, u.rf, u.fortschritt); }, "Fahrzeugliste Speichern",
         "Fahrzeug.BIN", true},
        {[](Umfeld& u) { FahrzeugImportBefehl(u.ab, u.rf); }, "Fahrzeugliste Importieren", "Fahrzeug.BIN",
         false},
        {[](Umfeld& u) { OrteLadenBefehl(u.ab, u.rf); }, "Ortskennungen Laden", "Orte.BIN", false},
        {[](Umfeld& u) { OrteImportierenBefehl(u.ab, u.rf); }, "Ortskennungen Laden", "Orte.BIN", false},
        {[](Umfeld& u) { OrteSpeichernBefehl(u.ab, u.rf); }, "Ortskennungen Speichern", "Orte.BIN", true},
        {[](Umfeld& u) { statusLadenBefehl(u.ab, u.rf, u.fortschritt); },
         QStringLiteral("Status \u00dcbersicht Laden"), "Status.BIN", false},
        {[](Umfeld& u) { statusSpeichernBefehl(u.ab, u.rf, u.fortschritt); },
         QStringLiteral("Status\u00fcbersicht Speichern"), "Status.BIN", true},
        {[](Umfeld& u) { AktionenLadenBefehl(u.ab, u.rf, u.fortschritt); }, "Aktionen Laden", "Aktion.BIN",
         false},
        {[](Umfeld& u) { AktionenImportierenBefehl(u.ab, u.rf, u.fortschritt); }, "Aktionen Laden",
         "Aktion.BIN", false},
        {[](Umfeld& u) { AktionenSpeichernBefehl(u.ab, u.rf); }, "Aktionen Speichern", "Aktion.BIN", true},
        {[](Umfeld& u) { EXPECT_EQ(AktionSuchen(u.rf), std::nullopt); }, "Aktion Suchen", "", false, exe},
        {[](Umfeld& u) {
             EXPECT_FALSE(EinstellungsbuendelSpeichern(u.ab, u.rf, {true, true, true}));
         },
         "Einstellungen Speichern", "Einstellungen.BIN", true, binGross},
        {[](Umfeld& u) {
             EXPECT_FALSE(EinstellungsbuendelLaden(u.ab, u.rf, {true, true, true}));
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
        ASSERT_EQ(u.rf.dateiDialoge.size(), 1);
        const DateiDialog& d = u.rf.dateiDialoge[0];
        EXPECT_EQ(d.titel, f.titel);
        EXPECT_EQ(d.filter, f.filter);
        EXPECT_EQ(d.filterIndex, 2);
        EXPECT_EQ(d.dateiname, f.dateiname);
        EXPECT_EQ(d.speichern, f.speichern);
        EXPECT_TRUE(f.speichern ? d.ueberschreibenFragen : d.mussExistieren);
        EXPECT_TRUE(u.rf.fragen.isEmpty());
        EXPECT_EQ(u.t.kennungen(), QStringList{"11111111"});
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
