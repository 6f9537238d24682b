#include "core/overview/StatusUebersicht.h"

#include "core/vehicles/Fahrzeugliste.h"
#include "support/Fahrzeuge.h"
#include "support/FehlerSchreiber.h"
#include "support/TestArbeitsbereich.h"
#include "support/Uebersicht.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

struct Umfeld : TestArbeitsbereich {
    Umfeld() : TestArbeitsbereich(Felder::Entwurf) {
        ab.fahrzeuge = {fahrzeug("6A123456", "RTW 1     ", "4", "12:00:00", "Wache Nord"),
                        fahrzeug("6A000001", "NEF 2     ", "2", "08:15:00", "erste Zeile"),
                        fahrzeug("6A000001", "NEF 2b    ", "7", "09:00:00", "zweite Zeile")};
    }
};

struct Satzfall {
    const char* name;
    QByteArray satz;
    qint16 feldtyp;
    QString text, fahrzeug, kennung, status, zeit, info;
    bool statusSichtbar;
};

} // namespace

TEST(StatusLaden, JedeSatzartFuelltDasFeldWieVorgesehen) {
    const Satzfall faelle[] = {
        {"bekanntes Fahrzeug holt Status, Zeit und Info aus der Liste",
         statusSatz(1, "RTW 1     und noch mehr Text", "6A123456"), 1, "", "RTW 1     ", "6A123456", "4",
         "12:00:00", "Wache Nord", true},
        {"Name sind genau die ersten zehn Zeichen, Leerzeichen bleiben", statusSatz(1, "KTW", "6A123456"), 1,
         "", "KTW       ", "6A123456", "4", "12:00:00", "Wache Nord", true},
        {"doppelte Kennung in der Liste: der erste Eintrag gilt", statusSatz(1, "NEF", "6A000001"), 1, "",
         "NEF       ", "6A000001", "2", "08:15:00", "erste Zeile", true},
        {"unbekanntes Fahrzeug wird frei und leer", statusSatz(1, "Weg", "6AFFFFFF"), 0, "Frei", "", "", "",
         "", "", false},
        {"Kennung vergleicht Gross- und Kleinschreibung", statusSatz(1, "RTW", "6a123456"), 0, "Frei", "", "",
         "", "", "", false},
        {"Text verliert nur die End-Leerzeichen",
         statusSatz(2,
                    "  Wache S\xfc"
                    "d  ",
                    "12345678"),
         2, QStringLiteral("  Wache S\u00fcd"), "", "", "", "", "", false},
        {"Text von dreissig Zeichen bleibt ganz", statusSatz(2, QByteArray(30, 'x')), 2, QString(30, 'x'), "",
         "", "", "", "", false},
        {"freier Satz mit Unrat in den ungelesenen Bytes", statusSatz(0, "Unrat", "ABCDEFGH", '\x55'), 0,
         "Frei", "", "", "", "", "", false},
    };
    for (const Satzfall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Umfeld u;
        const QString pfad = u.datei("Status.BIN", statusDatei({statusSatz(2, "davor"), fall.satz}));
        ASSERT_EQ(StatusLaden(u.ab, pfad, u.fortschritt).art, StatusLadeErgebnis::Geladen);
        const Feld& f = u.ab.felder[1];
        EXPECT_EQ(f.feldtyp, fall.feldtyp);
        EXPECT_EQ(f.text, fall.text);
        EXPECT_EQ(f.fahrzeug, fall.fahrzeug);
        EXPECT_EQ(f.kennung, fall.kennung);
        EXPECT_EQ(f.status, fall.status);
        EXPECT_EQ(f.zeit, fall.zeit);
        EXPECT_EQ(f.info, fall.info);
        EXPECT_EQ(f.statusSichtbar, fall.statusSichtbar);
        if (fall.statusSichtbar) {
            EXPECT_EQ(f.statusFarbe, u.ab.statusFarbeFuer(fall.status));
        }
        EXPECT_EQ(u.ab.felder[0].text, "davor");
        EXPECT_EQ(u.ab.felder[415].text, "Frei");
    }
}

TEST(StatusLaden, FalscheLaengeAendertNichts) {
    for (const int laenge : {0, 40, 16639, 16641, 2 * 16640}) {
        SCOPED_TRACE(laenge);
        Umfeld u;
        QByteArray daten = statusDatei({statusSatz(2, "neu")});
        daten =
            laenge <= daten.size() ? daten.left(laenge) : daten + QByteArray(laenge - daten.size(), '\x02');
        const QString pfad = u.datei("Status.BIN", daten);
        const auto vorher = u.ab.felder;
        QSignalSpy liste(&u.ab, &Arbeitsbereich::fahrzeugeVeraendert);
        EXPECT_EQ(StatusLaden(u.ab, pfad, u.fortschritt).art, StatusLadeErgebnis::FalscheLaenge);
        EXPECT_EQ(u.ab.felder, vorher);
        EXPECT_EQ(liste.count(), 0) << "a rejected file must not rebuild the not-placed list";
        EXPECT_EQ(u.fortschritt.gezeigt, 0);
    }
}

TEST(StatusLaden, FehlendeDateiLaedtNichtsBautAberDieListeNeu) {
    Umfeld u;
    const auto vorher = u.ab.felder;
    EXPECT_EQ(StatusLaden(u.ab, u.pfad("gibtsnicht.bin"), u.fortschritt).art, StatusLadeErgebnis::KeineDatei);
    EXPECT_EQ(u.ab.felder, vorher);
    EXPECT_EQ(u.ab.kennungsListe, kennungsListeBilden(u.ab));
    EXPECT_EQ(u.ab.nichtAufgenommen.size(), 3u);
}

TEST(StatusLaden, PlatziertesFahrzeugVerschwindetAusDerNichtAufgenommenListe) {
    Umfeld u;
    StatusLaden(u.ab, u.datei("s.bin", statusDatei({statusSatz(1, "RTW", "6A123456")})), u.fortschritt);
    EXPECT_EQ(u.ab.nichtAufgenommen, (std::vector<int>{1, 2}));
}

TEST(StatusLaden, FortschrittLaeuftUeberAlleSaetzeUndWirdVerborgen) {
    Umfeld u;
    StatusLaden(u.ab, u.datei("s.bin", statusDatei({})), u.fortschritt);
    EXPECT_EQ(u.fortschritt.gezeigt, 1);
    EXPECT_EQ(u.fortschritt.verborgen, 1);
    ASSERT_EQ(u.fortschritt.bereiche.size(), 416);
    EXPECT_DOUBLE_EQ(u.fortschritt.bereiche[414].bis, 1.0); // full one record early
    EXPECT_DOUBLE_EQ(u.fortschritt.bereiche[415].von, 1.0);
}

TEST(StatusSpeichern, LadenUndSpeichernGibtDieDateiByteGenauZurueck) {
    Umfeld u;
    const QByteArray original = statusDatei({
        statusSatz(1, "RTW 1", "6A123456"),
        statusSatz(2, QByteArray("Text mit \xe4 und Ende")),
        statusSatz(0, {}),
        statusSatz(2, QByteArray(30, 'T')),
        statusSatz(7, "fremde Art \x01\x02", QByteArray("\xff\x00zz\x80", 5)),
        statusSatz(1, "NEF 2", "6A000001"),
    });
    const QString pfad = u.datei("Status.BIN", original);
    ASSERT_EQ(StatusLaden(u.ab, pfad, u.fortschritt).art, StatusLadeErgebnis::Geladen);
    EXPECT_EQ(u.ab.felder[4].feldtyp, 7);
    EXPECT_EQ(statusDateiBilden(u.ab), original);
}

TEST(StatusSpeichern, UngeleseneBytesKommenSauberZurueck) {
    Umfeld u;
    const QByteArray schmutzig = statusDatei({
        statusSatz(1, "RTW 1     \x01Unrat nach dem Namen", "6A123456", '\x33'),
        statusSatz(0, "Unrat", "ABCDEFGH", '\x44'),
        statusSatz(2, "Text", "ABCDEFGH"),
        statusSatz(1, "Fehlt", "6AFFFFFF"),
    });
    const QByteArray sauber = statusDatei({
        statusSatz(1, "RTW 1", "6A123456"),
        statusSatz(0, {}),
        statusSatz(2, "Text"),
        statusSatz(0, {}),
    });
    StatusLaden(u.ab, u.datei("Status.BIN", schmutzig), u.fortschritt);
    EXPECT_EQ(statusDateiBilden(u.ab), sauber);
}

TEST(StatusSpeichern, SchreibtDateiUndTitelUndGibtDieUebersichtFrei) {
    Umfeld u;
    u.ab.fensterTitel[2] = QStringLiteral("Wache S\u00fcd");
    u.ab.markieren(DokStatusuebersicht | DokOrtskennungen);
    const QString pfad = u.pfad("irgendein Name.dat");
    ASSERT_TRUE(StatusSpeichern(u.ab, pfad, u.fortschritt));
    EXPECT_EQ(dateiInhalt(pfad).size(), 16640);
    EXPECT_EQ(dateiInhalt(pfad).left(40), statusSatz(0, {})); // design captions are written as free fields
    EXPECT_EQ(u.ab.ungespeichert, DokOrtskennungen);
    for (int t = 1; t <= 8; ++t)
        EXPECT_EQ(u.speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, QString::number(t), "-"),
                  u.ab.fensterTitel[t - 1]);
    EXPECT_EQ(u.fortschritt.bereiche.size(), 416);
    EXPECT_EQ(u.fortschritt.bereiche[0].farbe, std::optional<Farbe>(u.ab.statusfarbe[4]));
    EXPECT_EQ(u.fortschritt.verborgen, 1);
}
