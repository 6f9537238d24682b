#include "core/overview/StatusUebersicht.h"

#include "core/files/StatusDatei.h"
#include "core/overview/FeldInhalt.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

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
} // namespace

TEST(StatusLaden, JedeSatzartFuelltDasFeldWieVorgesehen) {
    const auto fz = [](const char* name, const Fahrzeug& f) {
        return [=](const Arbeitsbereich& ab, Feld& feld) {
            feldMitFahrzeug(ab, feld, name, f.kennung, f.stat, f.zeit, f.info);
        };
    };
    const auto text = [](const QString& t) {
        return [=](const Arbeitsbereich&, Feld& feld) { feldMitText(feld, t); };
    };
    const auto frei = [](const Arbeitsbereich&, Feld& feld) { feldFreimachen(feld); };
    const Umfeld liste;
    const struct {
        const char* name;
        QByteArray satz;
        std::function<void(const Arbeitsbereich&, Feld&)> erwartet;
    } faelle[] = {
        {"bekanntes Fahrzeug holt Status, Zeit und Info aus der Liste",
         statusSatz(1, "RTW 1     und noch mehr Text", "6A123456"), fz("RTW 1     ", liste.ab.fahrzeuge[0])},
        {"Kennung vergleicht Gross- und Kleinschreibung", statusSatz(1, "RTW", "6a123456"), frei},
        {"Text verliert nur die End-Leerzeichen",
         statusSatz(2,
                    "  Wache S\xfc"
                    "d  ",
                    "12345678"),
         text(QStringLiteral("  Wache S\u00fcd"))},
        {"freier Satz mit Unrat in den ungelesenen Bytes", statusSatz(0, "Unrat", "ABCDEFGH", '\x55'), frei},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Umfeld u;
        Feld erwartet = u.ab.felder[1];
        fall.erwartet(u.ab, erwartet);
        const QString pfad = u.datei("Status.BIN", statusDatei({statusSatz(2, "davor"), fall.satz}));
        ASSERT_EQ(StatusLaden(u.ab, pfad, u.fortschritt).art, StatusLadeErgebnis::Geladen);
        EXPECT_EQ(u.ab.felder[1], erwartet);
        EXPECT_EQ(u.ab.felder[0].text, "davor");
        EXPECT_EQ(u.ab.felder[415].text, "Frei");
    }
}

// Records are matched to the list by identifier, not one by one: two records of the same vehicle
// both take its first row, and a later record still finds a vehicle an earlier one found.
TEST(StatusLaden, MehrereFelderEinesFahrzeugsNehmenDieErsteZeile) {
    Umfeld u;
    const QString pfad =
        u.datei("Status.BIN", statusDatei({statusSatz(1, "NEF", "6A000001"), statusSatz(1, "RTW", "6A123456"),
                                           statusSatz(1, "NEF", "6A000001")}));
    ASSERT_EQ(StatusLaden(u.ab, pfad, u.fortschritt).art, StatusLadeErgebnis::Geladen);
    for (int i : {0, 2})
        EXPECT_EQ(u.ab.felder[i].info, "erste Zeile") << i;
    EXPECT_EQ(u.ab.felder[1].info, "Wache Nord");
}

// After a load, and also when there was no file, the list of vehicles not placed is rebuilt.
TEST(StatusLaden, BautDieListeDerNichtAufgenommenenNeu) {
    Umfeld u;
    const auto vorher = u.ab.felder;
    EXPECT_EQ(StatusLaden(u.ab, u.pfad("gibtsnicht.bin"), u.fortschritt).art, StatusLadeErgebnis::KeineDatei);
    EXPECT_EQ(u.ab.felder, vorher);
    EXPECT_EQ(u.ab.kennungsListe, kennungsListeBilden(u.ab));
    EXPECT_EQ(u.ab.nichtAufgenommen.size(), 3u);
    StatusLaden(u.ab, u.datei("s.bin", statusDatei({statusSatz(1, "RTW", "6A123456")})), u.fortschritt);
    EXPECT_EQ(u.ab.nichtAufgenommen, (std::vector<int>{1, 2}));
}

// A file loads and saves back byte for byte, a record of a foreign kind included.
TEST(StatusSpeichern, LadenUndSpeichernGibtDieDateiZurueck) {
    const QByteArray original = statusDatei({
        statusSatz(1, "RTW 1", "6A123456"),
        statusSatz(2, QByteArray("Text mit \xe4 und Ende")),
        statusSatz(0, {}),
        statusSatz(2, QByteArray(30, 'T')),
        statusSatz(7, "fremde Art \x01\x02", QByteArray("\xff\x00zz\x80", 5)),
        statusSatz(1, "NEF 2", "6A000001"),
    });
    Umfeld u;
    ASSERT_EQ(StatusLaden(u.ab, u.datei("Status.BIN", original), u.fortschritt).art,
              StatusLadeErgebnis::Geladen);
    EXPECT_EQ(statusDateiBilden(u.ab), original);

    // A vehicle field without identifier and a foreign kind without bytes still give 40 bytes.
    Feld ohneKennung;
    feldMitFahrzeug(u.ab, ohneKennung, "RTW 1", "", "2", "", "");
    EXPECT_EQ(statusSatzSchreiben(ohneKennung), statusSatz(1, "RTW 1", "        "));
    Feld fremd;
    fremd.feldtyp = 200;
    EXPECT_EQ(statusSatzSchreiben(fremd), QByteArray("\xc8\0", 2) + QByteArray(38, ' '));
}

TEST(StatusSpeichern, SchreibtDateiUndTitelUndGibtDieUebersichtFrei) {
    Umfeld u;
    u.ab.fensterTitel[2] = QStringLiteral("Wache S\u00fcd");
    u.ab.markieren(DokStatusuebersicht | DokOrtskennungen);
    const QString pfad = u.pfad("irgendein Name.dat");
    ASSERT_TRUE(StatusSpeichern(u.ab, pfad, u.fortschritt));
    EXPECT_EQ(dateiInhalt(pfad), statusDatei({})) << "design captions are written as free fields";
    EXPECT_EQ(u.ab.ungespeichert, DokOrtskennungen);
    for (int t = 1; t <= 8; ++t)
        EXPECT_EQ(u.speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, QString::number(t), "-"),
                  u.ab.fensterTitel[t - 1]);
}
