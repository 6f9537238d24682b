#include "core/overview/FeldBearbeiten.h"

#include "core/overview/FeldInhalt.h"
#include "support/Fahrzeuge.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
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

TEST(FeldEdit, EintragStehtInFestenSpalten) {
    const QString e = feldEditEintrag(Umfeld().ab.fahrzeuge[0]);
    EXPECT_EQ(e, "RTW 1      6A000001 (2) 10:00:00 Wache Nord          ");
    EXPECT_EQ(e.mid(11, 8), "6A000001"); // 1-based 12..19
    EXPECT_EQ(e.mid(21, 1), "2");        // 22
    EXPECT_EQ(e.mid(24, 8), "10:00:00"); // 25..32
    EXPECT_EQ(e.mid(33), "Wache Nord          ");
}

TEST(FeldEdit, OeffnenWaehltNachFeldart) {
    struct Fall {
        const char* name;
        int feld;
        int auswahl;
        QString text;
        int gewaehlt;
    };
    const Fall faelle[] = {
        {"freies Feld: leerer Text, erstes Fahrzeug", 0, 0, "", 0},
        {"Fahrzeugfeld: dessen Eintrag, bei doppelter Kennung der letzte", 1, 1, "", 2},
        {"Textfeld: der Text", 2, 2, "Bereitschaft", 0},
        {"Entwurfsfeld", 3, 0, "", 0},
    };
    Umfeld u;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const FeldEditInhalt inhalt = FeldBearbeiten(u.ab, f.feld);
        EXPECT_EQ(inhalt.feld, f.feld);
        EXPECT_EQ(inhalt.auswahl, f.auswahl);
        EXPECT_EQ(inhalt.text, f.text);
        EXPECT_EQ(inhalt.gewaehlt, f.gewaehlt);
        EXPECT_EQ(inhalt.eintraege.size(), 4);
    }
    Umfeld leer;
    leer.ab.fahrzeuge.clear();
    EXPECT_EQ(FeldBearbeiten(leer.ab, 0).gewaehlt, -1);
    EXPECT_TRUE(FeldBearbeiten(leer.ab, 0).eintraege.isEmpty());
}

TEST(FeldEdit, Uebernehmen) {
    struct Fall {
        const char* name;
        int feld, auswahl, eintrag;
        QString text;
        qint16 feldtyp;
        QString fahrzeug, kennung, status, zeit, info, textErgebnis;
        bool sichtbar;
    };
    const Fall faelle[] = {
        {"Fahrzeugfeld wird frei", 1, 0, 0, "egal", FeldFrei, "", "", "", "", "", "Frei", false},
        {"freies Feld bekommt ein Fahrzeug", 0, 1, 0, "", FeldFahrzeug, "RTW 1     ", "6A000001", "2",
         "10:00:00", "Wache Nord          ", "", true},
        {"ungepolsterter Eintrag kommt aus der Zeile selbst", 2, 1, 3, "", FeldFahrzeug, "Neu", "6A0000AB",
         "10", "", "", "", true},
        {"Text wird auf 30 Zeichen gekuerzt", 1, 2, 0, QString(35, 'x'), FeldText, "", "", "", "", "",
         QString(30, 'x'), false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        const FeldEditInhalt inhalt = FeldBearbeiten(u.ab, f.feld);
        EXPECT_TRUE(FeldEditUebernehmen(u.ab, inhalt, f.auswahl, f.eintrag, f.text));
        const Feld& feld = u.ab.felder[f.feld];
        EXPECT_EQ(feld.feldtyp, f.feldtyp);
        EXPECT_EQ(feld.fahrzeug, f.fahrzeug);
        EXPECT_EQ(feld.kennung, f.kennung);
        EXPECT_EQ(feld.status, f.status);
        EXPECT_EQ(feld.zeit, f.zeit);
        EXPECT_EQ(feld.info, f.info);
        EXPECT_EQ(feld.text, f.textErgebnis);
        EXPECT_EQ(feld.statusSichtbar, f.sichtbar);
        if (f.sichtbar) {
            EXPECT_EQ(feld.statusFarbe, u.ab.statusFarbeFuer(f.status));
        }
        EXPECT_EQ(u.ab.ungespeichert, DokStatusuebersicht);
    }
}

TEST(FeldEdit, UebernehmenOhneAenderungMarkiertTrotzdem) {
    Umfeld u;
    const Feld vorher = u.ab.felder[2];
    EXPECT_TRUE(FeldEditUebernehmen(u.ab, FeldBearbeiten(u.ab, 2), 2, 0, QStringLiteral("Bereitschaft")));
    EXPECT_EQ(u.ab.felder[2], vorher);
    EXPECT_EQ(u.ab.ungespeichert, DokStatusuebersicht);
}

TEST(FeldEdit, FahrzeugOhneEintragAendertNichts) {
    Umfeld u;
    u.ab.fahrzeuge.clear();
    const auto vorher = u.ab.felder;
    const FeldEditInhalt inhalt = FeldBearbeiten(u.ab, 0);
    EXPECT_FALSE(FeldEditUebernehmen(u.ab, inhalt, 1, inhalt.gewaehlt, {}));
    EXPECT_EQ(u.ab.felder, vorher);
    EXPECT_EQ(u.ab.ungespeichert, 0);
}

TEST(FeldEdit, ListeAusDemAugenblickDesOeffnens) {
    Umfeld u;
    const FeldEditInhalt inhalt = FeldBearbeiten(u.ab, 0);
    u.ab.fahrzeuge[0].stat = QStringLiteral("9"); // changed after opening
    FeldEditUebernehmen(u.ab, inhalt, 1, 0, {});
    EXPECT_EQ(u.ab.felder[0].status, "2");
}
