// Which operation sets and which clears which unsaved flag, one row per operation. Every row
// starts from a known flag set and expects the exact set afterwards, so an operation that sets
// or clears a bit of another document fails here too.

#include "core/actions/AktionenGenerieren.h"
#include "core/actions/Aktionsliste.h"
#include "core/common/AllesSpeichern.h"
#include "core/overview/FeldBearbeiten.h"
#include "core/overview/FeldVerschieben.h"
#include "core/overview/Fensterwahl.h"
#include "core/overview/StatusUebersicht.h"
#include "core/places/OrtEingabe.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/vehicles/FahrzeugBearbeitung.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "core/vehicles/StatusUmwandlung.h"
#include "core/vehicles/Zeitstempel.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

constexpr quint16 Keine = 0;
constexpr quint16 Alle = DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen;

QByteArray ortDatei() {
    return QByteArray("7123") + QByteArray("Musterstadt").leftJustified(50, ' ');
}

struct Umfeld : TestArbeitsbereich {
    Umfeld() {
        ab.startverzeichnis = ordner.path();
        ab.fahrzeuge = {fahrzeug("6A000001", "RTW 1"), fahrzeug("6A000002", "NEF")};
        fahrzeugInFeld(ab, 0, ab.fahrzeuge[0]);
        FahrzeuglisteAktualisieren(ab);
    }
};

struct Zeile {
    const char* name;
    quint16 vorher;
    std::function<void(Umfeld&)> operation;
    quint16 nachher;
};

FahrzeugEingabe eingabeFuer6A000001() {
    FahrzeugEingabe e;
    e.kennung = {"6", "A", "0", "0", "0", "0", "0", "1"};
    e.status = "3";
    e.rufname = "RTW 1 neu";
    e.zeit = "12:00:00";
    return e;
}

const Zeile Tabelle[] = {
    // Vehicle list
    {"Fahrzeugimport setzt die Fahrzeugliste", Keine,
     [](Umfeld& u) {
         FahrzeuglisteImportieren(u.ab, u.rueckfrage,
                                  u.datei("neu.bin", fahrzeugDatei({fahrzeug("7B000001")})));
     },
     DokFahrzeugliste},
    {"Loeschen eines Fahrzeugs ohne Feld setzt nur die Fahrzeugliste", Keine,
     [](Umfeld& u) { FahrzeugLoeschen(u.ab, 1, u.fortschritt); }, DokFahrzeugliste},
    {"Loeschen eines Fahrzeugs, das ein Feld zeigt, setzt auch die Uebersicht", Keine,
     [](Umfeld& u) { FahrzeugLoeschen(u.ab, 0, u.fortschritt); }, DokFahrzeugliste | DokStatusuebersicht},
    {"Loeschen in der Liste der nicht aufgenommenen Fahrzeuge", Keine,
     [](Umfeld& u) { NichtAufgenommenLoeschen(u.ab, 1); }, DokFahrzeugliste},
    {"Fahrzeugeditor setzt Fahrzeugliste und Uebersicht", Keine,
     [](Umfeld& u) { FahrzeugUebernehmen(u.ab, eingabeFuer6A000001(), u.fortschritt); },
     DokFahrzeugliste | DokStatusuebersicht},
    {"Fahrzeugliste laden loescht nur ihr Bit", Alle,
     [](Umfeld& u) {
         FahrzeuglisteLaden(u.ab, u.rueckfrage, u.datei("f.bin", fahrzeugDatei({fahrzeug("7B000001")})));
     },
     Alle & ~DokFahrzeugliste},
    {"Fahrzeugliste speichern loescht nur ihr Bit", Alle,
     [](Umfeld& u) { FahrzeuglisteSpeichern(u.ab, u.pfad("f.bin"), u.fortschritt); },
     Alle & ~DokFahrzeugliste},
    {"Abgewiesene Fahrzeugdatei laesst die Flags", Alle,
     [](Umfeld& u) { FahrzeuglisteLaden(u.ab, u.rueckfrage, u.datei("f.bin", QByteArray(409, ' '))); }, Alle},

    // Overview
    {"Feld auf ein anderes Feld setzt die Uebersicht", Keine,
     [](Umfeld& u) { FeldAufFeldAblegen(u.ab, 0, 5); }, DokStatusuebersicht},
    {"Feld auf sich selbst setzt nichts", Keine, [](Umfeld& u) { FeldAufFeldAblegen(u.ab, 0, 0); }, Keine},
    {"Fahrzeug auf ein Feld setzt die Uebersicht", Keine,
     [](Umfeld& u) { FahrzeugAufFeldAblegen(u.ab, &u.ab.fahrzeuge[1], 10); }, DokStatusuebersicht},
    {"Feld auf die Fahrzeugliste setzt die Uebersicht", Keine,
     [](Umfeld& u) {
         u.ab.feldZiehen = 1;
         FeldEntfernen(u.ab, 0);
     },
     DokStatusuebersicht},
    {"Feldeditor setzt die Uebersicht", Keine,
     [](Umfeld& u) { FeldEditUebernehmen(u.ab, FeldBearbeiten(u.ab, 3), 2, -1, "Wache"); },
     DokStatusuebersicht},
    {"Fenster verschieben setzt die Uebersicht", Keine, [](Umfeld& u) { FensterVerschieben(u.ab, 1, 3); },
     DokStatusuebersicht},
    {"Status speichern loescht nur die Uebersicht", Alle,
     [](Umfeld& u) { StatusSpeichern(u.ab, u.pfad("s.bin"), u.fortschritt); }, Alle & ~DokStatusuebersicht},
    {"Status laden laesst ein gesetztes Flag", Alle,
     [](Umfeld& u) { StatusLaden(u.ab, u.datei("s.bin", QByteArray(16640, '\0')), u.fortschritt); }, Alle},
    {"Status laden setzt kein Flag", Keine,
     [](Umfeld& u) { StatusLaden(u.ab, u.datei("s.bin", QByteArray(16640, '\0')), u.fortschritt); }, Keine},

    // Place identifiers
    {"Ortsimport setzt die Ortskennungen", Keine,
     [](Umfeld& u) { OrteImportieren(u.ab, u.datei("o.bin", ortDatei())); }, DokOrtskennungen},
    {"Ort uebernehmen setzt die Ortskennungen", Keine,
     [](Umfeld& u) {
         OrtUebernehmen(u.ab, OrtEingabe{1, 2, 3, "Musterstadt", 1u << 7});
     },
     DokOrtskennungen},
    {"Orte laden loescht nur ihr Bit", Alle, [](Umfeld& u) { OrteLaden(u.ab, u.datei("o.bin", ortDatei())); },
     Alle & ~DokOrtskennungen},
    {"Orte speichern loescht nur ihr Bit", Alle, [](Umfeld& u) { OrteSpeichern(u.ab, u.pfad("o.bin")); },
     Alle & ~DokOrtskennungen},

    // Actions
    {"Aktionsimport setzt die Aktionen", Keine,
     [](Umfeld& u) {
         AktionenImportieren(u.ab, u.datei("a.bin", aktionSatz("6A000001", '1', '0', "x")), u.rueckfrage,
                             u.fortschritt);
     },
     DokAktionen},
    {"Generieren setzt die Aktionen", Keine,
     [](Umfeld& u) {
         GenerierAuswahl auswahl;
         auswahl.stati[2] = true;
         auswahl.richtung[0] = true;
         auswahl.vorlage = "x";
         AktionenGenerieren(u.ab, auswahl);
     },
     DokAktionen},
    // Deleting marks the actions too, so that neither the quit question nor save-all forgets it.
    {"Loeschen setzt die Aktionen", Keine,
     [](Umfeld& u) {
         u.ab.aktionen = {aktion("6A000001", "1", 0, "x")};
         AktionenEntfernen(u.ab, {true});
     },
     DokAktionen},
    {"Aktionen laden loescht nur ihr Bit", Alle,
     [](Umfeld& u) {
         AktionenLaden(u.ab, u.datei("a.bin", aktionSatz("6A000001", '1', '0', "x")), u.rueckfrage,
                       u.fortschritt);
     },
     Alle & ~DokAktionen},
    {"Laden einer fehlenden Aktionsdatei loescht ihr Bit", Alle,
     [](Umfeld& u) { AktionenLaden(u.ab, u.pfad("fehlt.bin"), u.rueckfrage, u.fortschritt); },
     Alle & ~DokAktionen},
    {"Abgewiesene Aktionsdatei laesst die Flags", Alle,
     [](Umfeld& u) {
         AktionenLaden(u.ab, u.datei("a.bin", QByteArray(138, ' ')), u.rueckfrage, u.fortschritt);
     },
     Alle},
    {"Aktionen speichern loescht nur ihr Bit", Alle,
     [](Umfeld& u) { aktionenSchreiben(u.ab, u.pfad("a.bin")); }, Alle & ~DokAktionen},

    // Tools
    {"Zeiten setzen setzt nur die Fahrzeugliste", Keine,
     [](Umfeld& u) { ZeitenSetzen(u.ab, "13:00:00", u.fortschritt); }, DokFahrzeugliste},
    // The conversion rewrites the statuses of the list too, so the list counts as changed as well.
    {"Status umwandeln setzt Uebersicht und Fahrzeugliste", Keine,
     [](Umfeld& u) {
         Statuszuordnung neu = gleicheZuordnung();
         neu[2] = "3";
         StatusWerteUmwandeln(u.ab, neu, u.fortschritt);
     },
     DokStatusuebersicht | DokFahrzeugliste},

    // All at once
    {"Alles Speichern loescht alle, auch ungeschriebene Aktionen", Alle,
     [](Umfeld& u) { AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt); }, Keine},
};

} // namespace

TEST(UngespeichertTabelle, JedeOperationSetztOderLoeschtIhrBit) {
    for (const Zeile& z : Tabelle) {
        SCOPED_TRACE(z.name);
        Umfeld u;
        QDir::setCurrent(u.ordner.path());
        u.ab.ungespeichert = z.vorher;
        z.operation(u);
        EXPECT_EQ(u.ab.ungespeichert, z.nachher);
    }
}
