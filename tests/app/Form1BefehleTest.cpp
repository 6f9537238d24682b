#include "app/AnwendungsUmfeld.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(Form1Befehle, FalscheLaengeWirdAbgewiesen) {
    for (const int laenge : {16639, 16641}) {
        SCOPED_TRACE(laenge);
        AnwendungsUmfeld u;
        Form1& f = u.starten();
        QByteArray daten = statusDatei({statusSatz(2, "neu")});
        daten = daten.leftJustified(laenge, '\0', true);
        u.rueckfrage.dateien.push_back(u.datei("Status.BIN", daten));
        const auto vorher = u.ab.felder;
        f.menue.MenueLadenStatus->trigger();
        ASSERT_EQ(u.rueckfrage.dateiDialoge.size(), 1);
        EXPECT_EQ(u.rueckfrage.dateiDialoge[0].titel, QStringLiteral("Status \u00dcbersicht Laden"));
        EXPECT_EQ(u.rueckfrage.dateiDialoge[0].filterIndex, 2);
        EXPECT_EQ(u.rueckfrage.dateiDialoge[0].dateiname, "Status.BIN");
        ASSERT_EQ(u.rueckfrage.fragen.size(), 1);
        EXPECT_EQ(u.rueckfrage.fragen[0].titel, QStringLiteral("Status-\u00dcbersicht Laden"));
        EXPECT_EQ(u.rueckfrage.fragen[0].text, QStringLiteral("Keine g\u00fcltige Status-Datei!"));
        EXPECT_EQ(u.rueckfrage.fragen[0].knoepfe, Knoepfe::Ok);
        EXPECT_EQ(u.ab.felder, vorher);
    }
}

TEST(Form1Befehle, LadenUndSpeichernUeberDasMenueGibtDieselbenBytes) {
    AnwendungsUmfeld u;
    u.datei("Fahrzeug.BIN", fahrzeugSatz("6A000001", "RTW 1", 3, "10:00:00", "Wache"));
    Form1& f = u.starten();
    const QByteArray original = statusDatei({statusSatz(1, "RTW 1", "6A000001"), statusSatz(2, "Wache"),
                                             statusSatz(0, {}), statusSatz(5, "fremd", "zzzzzzzz")});
    u.rueckfrage.dateien.push_back(u.datei("quelle.bin", original));
    f.menue.MenueLadenStatus->trigger();
    EXPECT_EQ(u.ab.felder[1].text, "Wache");

    u.ab.fensterTitel[0] = "Erster";
    u.ab.markieren(DokStatusuebersicht);
    u.rueckfrage.dateien.push_back(u.ordner.filePath("ziel.bin"));
    f.menue.MenueSpeichernStatus->trigger();
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_EQ(dateiInhalt(u.ordner.filePath("ziel.bin")), original);
    EXPECT_EQ(u.speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "1", {}), "Erster");
    EXPECT_FALSE(u.ab.istUngespeichert(DokStatusuebersicht));
    ASSERT_EQ(u.rueckfrage.dateiDialoge.size(), 2);
    EXPECT_TRUE(u.rueckfrage.dateiDialoge[1].speichern);
    EXPECT_EQ(u.rueckfrage.dateiDialoge[1].titel, QStringLiteral("Status\u00fcbersicht Speichern"));
}

TEST(Form1Befehle, NeuLadenNimmtStatusBinAusDemArbeitsordner) {
    AnwendungsUmfeld u;
    u.datei("status.bin", statusDatei({statusSatz(2, "beim Start")}));
    Form1& f = u.starten();
    u.ab.felder[0].text = "geaendert";
    u.ab.markieren(DokStatusuebersicht);
    f.menue.MenueUndoStatus->trigger();
    EXPECT_EQ(u.ab.felder[0].text, "beim Start");
    EXPECT_TRUE(u.ab.istUngespeichert(DokStatusuebersicht));
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    EXPECT_TRUE(u.rueckfrage.dateiDialoge.isEmpty());
}
