// What every long pass draws into its progress strip: how many slices, where the first and the
// last lie and in which colour. Each pass shows the strip once and hides it once.
#include "core/actions/Aktionsliste.h"
#include "core/common/AllesSpeichern.h"
#include "core/overview/StatusUebersicht.h"
#include "core/vehicles/FahrzeugBearbeitung.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "core/vehicles/StatusUmwandlung.h"
#include "core/vehicles/Zeitstempel.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

constexpr Farbe Farbe2 = 0x222222, Farbe4 = 0x444444;

struct Umfeld : TestArbeitsbereich {
    Umfeld() {
        ab.statusfarbe[2] = Farbe2;
        ab.statusfarbe[4] = Farbe4;
        ab.startverzeichnis = ordner.path();
        QDir::setCurrent(ordner.path());
        // Four vehicles, the first shown in field 3.
        ab.fahrzeuge = {fahrzeug("11111111"), fahrzeug("22222222"), fahrzeug("33333333"),
                        fahrzeug("44444444")};
        fahrzeugInFeld(ab, 3, ab.fahrzeuge[0]);
        FahrzeuglisteAktualisieren(ab);
    }
    QString dreiAktionen() const {
        return datei("a.bin", aktionSatz("1", '1', '0', "a") + aktionSatz("2", '1', '0', "b") +
                                  aktionSatz("3", '1', '0', "c"));
    }
};

using Scheibe = ProtokollFortschritt::Bereich;

struct Fall {
    const char* name;
    std::function<void(Umfeld&)> durchgang;
    qsizetype scheiben;
    Scheibe erste, letzte;
};

const double F = AnzahlFelder - 1; // the field passes are full one field early
const std::optional<Farbe> Keine, Rot = farbe::Rot;

const Fall faelle[] = {
    {"Alles Speichern: Felder in Farbe 4, dann Fahrzeug k von n (ab 1) in Farbe 2",
     [](Umfeld& u) { AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt); },
     AnzahlFelder + 4,
     {0, 1 / F, Farbe4},
     {1, 5 / 4.0, Farbe2}},
    {"Status laden: ein Satz je Feld",
     [](Umfeld& u) { StatusLaden(u.ab, u.datei("s.bin", statusDatei({})), u.fortschritt); },
     AnzahlFelder,
     {0, 1 / F, Keine},
     {1, AnzahlFelder / F, Keine}},
    {"Status speichern in Farbe 4",
     [](Umfeld& u) { StatusSpeichern(u.ab, u.pfad("s.bin"), u.fortschritt); },
     AnzahlFelder,
     {0, 1 / F, Farbe4},
     {1, AnzahlFelder / F, Farbe4}},
    {"Fahrzeugliste speichern: Fahrzeug k von n in Farbe 2",
     [](Umfeld& u) { FahrzeuglisteSpeichern(u.ab, u.pfad("f.bin"), u.fortschritt); },
     4,
     {0, 1 / 4.0, Farbe2},
     {3 / 4.0, 1, Farbe2}},
    {"Fahrzeug loeschen: jedes Feld in Farbe 4",
     [](Umfeld& u) { FahrzeugLoeschen(u.ab, 0, u.fortschritt); },
     AnzahlFelder,
     {0, 1.0 / AnzahlFelder, Farbe4},
     {(AnzahlFelder - 1.0) / AnzahlFelder, 1, Farbe4}},
    {"Fahrzeug uebernehmen: Liste und Felder in Farbe 4",
     [](Umfeld& u) {
         FahrzeugEingabe e;
         e.kennung = {"1", "1", "1", "1", "1", "1", "1", "1"};
         FahrzeugUebernehmen(u.ab, e, u.fortschritt);
     },
     4 + AnzahlFelder,
     {0, 1.0 / (4 + AnzahlFelder), Farbe4},
     {(3.0 + AnzahlFelder) / (4 + AnzahlFelder), 1, Farbe4}},
    {"Status umwandeln: jedes Feld",
     [](Umfeld& u) { StatusWerteUmwandeln(u.ab, gleicheZuordnung(), u.fortschritt); },
     AnzahlFelder,
     {0, 1 / F, Keine},
     {1, AnzahlFelder / F, Keine}},
    {"Zeiten setzen: jedes Feld",
     [](Umfeld& u) { ZeitenSetzen(u.ab, "01.01.26", u.fortschritt); },
     AnzahlFelder,
     {0, 1 / F, Keine},
     {1, AnzahlFelder / F, Keine}},
    {"Aktionen laden: Satz k von n (ab 1), rot",
     [](Umfeld& u) { AktionenLaden(u.ab, u.dreiAktionen(), u.rueckfrage, u.fortschritt); },
     3,
     {1 / 3.0, 2 / 3.0, Rot},
     {1, 4 / 3.0, Rot}},
    {"Aktionen importieren wie das Laden",
     [](Umfeld& u) { AktionenImportieren(u.ab, u.dreiAktionen(), u.rueckfrage, u.fortschritt); },
     3,
     {1 / 3.0, 2 / 3.0, Rot},
     {1, 4 / 3.0, Rot}},
};

void erwarteScheibe(const Scheibe& ist, const Scheibe& soll, const char* welche) {
    EXPECT_DOUBLE_EQ(ist.von, soll.von) << welche;
    EXPECT_DOUBLE_EQ(ist.bis, soll.bis) << welche;
    EXPECT_EQ(ist.farbe, soll.farbe) << welche;
}

} // namespace

TEST(Fortschritt, JederDurchgangZeichnetSeineScheiben) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        f.durchgang(u);
        EXPECT_EQ(u.fortschritt.gezeigt, 1);
        EXPECT_EQ(u.fortschritt.verborgen, 1);
        ASSERT_EQ(u.fortschritt.bereiche.size(), f.scheiben);
        erwarteScheibe(u.fortschritt.bereiche.front(), f.erste, "first");
        erwarteScheibe(u.fortschritt.bereiche.back(), f.letzte, "last");
    }
}
