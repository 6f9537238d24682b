#include "core/overview/FeldBearbeiten.h"

#include "core/overview/FeldInhalt.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
// Field 0 free, 1 shows a vehicle whose identifier the list holds twice, 2 a text, 3 the design.
struct Umfeld : TestArbeitsbereich {
    Umfeld() : TestArbeitsbereich(Felder::Entwurf) {
        // As read from a file (padded), a duplicate identifier, and a new unpadded entry.
        ab.fahrzeuge = {fahrzeug("6A000001", "RTW 1     ", "2", "10:00:00", "Wache Nord          "),
                        fahrzeug("6A000002", "NEF 2     ", "4", "11:00:00", "Klinik              "),
                        fahrzeug("6A000002", "NEF 2b    ", "7", "12:00:00", "                    "),
                        fahrzeug("6A0000AB", "Neu", "10", "", "")};
        feldFreimachen(ab.felder[0]);
        feldMitFahrzeug(ab, ab.felder[1], ab.fahrzeuge[1]);
        feldMitText(ab.felder[2], QStringLiteral("Bereitschaft"));
    }
};
} // namespace

TEST(FeldEdit, OeffnenWaehltNachFeldart) {
    Umfeld u;
    EXPECT_EQ(feldEditEintrag(u.ab.fahrzeuge[0]), "RTW 1      6A000001 (2) 10:00:00 Wache Nord          ");
    const struct {
        const char* name;
        int feld, auswahl;
        QString text;
        int gewaehlt;
    } faelle[] = {
        {"freies Feld: leerer Text, erstes Fahrzeug", 0, 0, "", 0},
        {"Fahrzeugfeld: dessen Eintrag, bei doppelter Kennung der letzte", 1, 1, "", 2},
        {"Textfeld: der Text", 2, 2, "Bereitschaft", 0},
        {"Entwurfsfeld", 3, 0, "", 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const FeldEditInhalt inhalt = FeldBearbeiten(u.ab, f.feld);
        EXPECT_EQ(inhalt.feld, f.feld);
        EXPECT_EQ(inhalt.auswahl, f.auswahl);
        EXPECT_EQ(inhalt.text, f.text);
        EXPECT_EQ(inhalt.gewaehlt, f.gewaehlt);
        EXPECT_EQ(inhalt.eintraege.size(), 4);
    }
    u.ab.fahrzeuge.clear();
    EXPECT_EQ(FeldBearbeiten(u.ab, 0).gewaehlt, -1);
}

// The field takes what the dialog showed when it opened; the overview counts as changed even
// when nothing differs. A vehicle choice without an entry changes nothing.
TEST(FeldEdit, Uebernehmen) {
    const struct {
        const char* name;
        int feld, auswahl, eintrag;
        QString text;
        std::function<void(const Arbeitsbereich&, Feld&)> erwartet;
    } faelle[] = {
        {"Fahrzeugfeld wird frei", 1, 0, 0, "egal",
         [](const Arbeitsbereich&, Feld& f) { feldFreimachen(f); }},
        {"freies Feld bekommt ein Fahrzeug", 0, 1, 0, "",
         [](const Arbeitsbereich& ab, Feld& f) { feldMitFahrzeug(ab, f, ab.fahrzeuge[0]); }},
        {"ungepolsterter Eintrag kommt aus der Zeile selbst", 2, 1, 3, "",
         [](const Arbeitsbereich& ab, Feld& f) { feldMitFahrzeug(ab, f, "Neu", "6A0000AB", "10", "", ""); }},
        {"Text wird auf 30 Zeichen gekuerzt", 1, 2, 0, QString(35, 'x'),
         [](const Arbeitsbereich&, Feld& f) { feldMitText(f, QString(30, 'x')); }},
        {"ohne Aenderung", 2, 2, 0, "Bereitschaft", [](const Arbeitsbereich&, Feld&) {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        const FeldEditInhalt inhalt = FeldBearbeiten(u.ab, f.feld);
        Feld erwartet = u.ab.felder[f.feld];
        f.erwartet(u.ab, erwartet);
        u.ab.fahrzeuge[0].stat = QStringLiteral("9"); // changed after opening
        EXPECT_TRUE(FeldEditUebernehmen(u.ab, inhalt, f.auswahl, f.eintrag, f.text));
        EXPECT_EQ(u.ab.felder[f.feld], erwartet);
        EXPECT_EQ(u.ab.ungespeichert, DokStatusuebersicht);
    }
    Umfeld leer;
    leer.ab.fahrzeuge.clear();
    const auto vorher = leer.ab.felder;
    const FeldEditInhalt inhalt = FeldBearbeiten(leer.ab, 0);
    EXPECT_FALSE(FeldEditUebernehmen(leer.ab, inhalt, 1, inhalt.gewaehlt, {}));
    EXPECT_EQ(leer.ab.felder, vorher);
    EXPECT_EQ(leer.ab.ungespeichert, 0);
}
