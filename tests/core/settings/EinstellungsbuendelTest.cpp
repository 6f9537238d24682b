#include "core/settings/Einstellungsbuendel.h"

#include "support/TestArbeitsbereich.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

const QString Uebersicht = sektion::Fahrzeuguebersicht;
constexpr auto NichtGefunden = BuendelErgebnis::NichtGefunden;
constexpr auto Geladen = BuendelErgebnis::Geladen;
constexpr auto NichtGeladen = BuendelErgebnis::NichtGeladen;

struct Werkbank : TestArbeitsbereich {
    Werkbank() : TestArbeitsbereich(Felder::Entwurf) {}

    QString wert(const QString& app, const QString& sekt, const QString& schluessel) const {
        return speicher.lesen(app, sekt, schluessel, QStringLiteral("<keiner>"));
    }
};

// A bundle line in the file's bytes (Windows-1252).
QByteArray zeile(const char* sekt, const char* schluessel, const char* wert) {
    return QByteArray("\"") + sekt + "\",\"" + schluessel + "\",\"" + wert + "\"\r\n";
}
const char* const UebersichtAnsi = "Fahrzeug\xfc"
                                   "bersicht";

BuendelGruppen alle() {
    return {true, true, true};
}

} // namespace

TEST(BuendelSpeichern, TitelUndFarbenAusDemSpeicherSonstAusDemProgramm) {
    Werkbank w;
    w.speicher.speichern(anwendung::Velastat, Uebersicht, "3", "Wache \"Nord\"");
    w.ab.fensterTitel[0] = "Tab eins";
    w.speicher.speichern(anwendung::Velastat, sektion::Statusfarben, "4", "16711680");
    w.ab.statusfarbe[5] = 0x123456;
    w.ab.statusfarbe[10] = 0x654321; // entry 10 is never exported

    const QByteArray daten = buendelErzeugen(w.ab, {false, true, true});

    QByteArray erwartet;
    erwartet += zeile(UebersichtAnsi, "1", "Tab eins");
    erwartet += zeile(UebersichtAnsi, "2", "Fenster2");
    erwartet += zeile(UebersichtAnsi, "3", "Wache 'Nord'");
    for (int i = 4; i <= 8; ++i)
        erwartet += zeile(UebersichtAnsi, QByteArray::number(i), "Fenster" + QByteArray::number(i));
    const char* farben[] = {"16777215", "32768",   "32768",   "65535", "16711680",
                            "1193046",  "8421504", "4227327", "26367", "16744448"};
    for (int k = 0; k < 10; ++k)
        erwartet += zeile("Statusfarben", QByteArray::number(k), farben[k]);
    EXPECT_EQ(daten, erwartet);
}

TEST(BuendelSpeichern, AllgemeineEinstellungenNurAusDerZweitenAnwendungInIhrerReihenfolge) {
    Werkbank w;
    w.speicher.speichern(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMin", "18");
    EXPECT_EQ(buendelErzeugen(w.ab, {true, false, false}), QByteArray());

    w.speicher.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "Zeta", "1");
    w.speicher.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "Alpha", "sag \"hallo\"");
    EXPECT_EQ(buendelErzeugen(w.ab, {true, false, false}),
              zeile("Einstellungen", "Zeta", "1") + zeile("Einstellungen", "Alpha", "sag 'hallo'"));
}

TEST(BuendelSpeichern, OhneGruppenLeer_UndLadenFindetNichts) {
    Werkbank w;
    const QByteArray daten = buendelErzeugen(w.ab, {false, false, false});
    EXPECT_TRUE(daten.isEmpty());
    EXPECT_EQ(buendelAnwenden(w.ab, daten, alle()), BuendelLadeErgebnis{});
    EXPECT_EQ(ergebnisText(NichtGefunden), "Nicht gefunden, nicht geladen");
    EXPECT_EQ(ergebnisText(Geladen), "Gefunden, geladen");
    EXPECT_EQ(ergebnisText(NichtGeladen), "Gefunden, nicht geladen");
}

TEST(BuendelLaden, HinUndZurueckMitAnfuehrungszeichenImTitel) {
    Werkbank quelle;
    quelle.ab.fensterTitel[1] = "Die \"Wache\"";
    quelle.ab.statusfarbe[3] = 0xABCDEF;
    quelle.speicher.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "AktionErlaubt", "1");
    const QByteArray daten = buendelErzeugen(quelle.ab, alle());

    Werkbank ziel;
    QSignalSpy titel(&ziel.ab, &Arbeitsbereich::titelVeraendert);
    const BuendelLadeErgebnis e = buendelAnwenden(ziel.ab, daten, alle());
    EXPECT_EQ(e, (BuendelLadeErgebnis{Geladen, Geladen, Geladen}));
    EXPECT_EQ(ziel.ab.fensterTitel[1], "Die 'Wache'");
    EXPECT_EQ(ziel.wert(anwendung::Velastat, Uebersicht, "2"), "Die 'Wache'");
    EXPECT_EQ(ziel.ab.statusfarbe[3], 0xABCDEFu);
    EXPECT_EQ(ziel.wert(anwendung::Velastat, sektion::Statusfarben, "3"), QString::number(0xABCDEF));
    // Exported from the companion application, imported into the host's own.
    EXPECT_EQ(ziel.wert(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt"), "1");
    EXPECT_EQ(ziel.wert(anwendung::VelastatPlus, sektion::Einstellungen, "AktionErlaubt"), "<keiner>");
    EXPECT_EQ(titel.count(), 1);
    EXPECT_EQ(ziel.ab.ungespeichert, 0);
}

TEST(BuendelLaden, AbgewaehlteGruppeWirdGefundenAberNichtGeladen) {
    Werkbank w;
    const QByteArray daten = zeile(UebersichtAnsi, "1", "Neu") + zeile("Statusfarben", "4", "1") +
                             zeile("Einstellungen", "TgVorlaufMin", "20");
    const auto titelVorher = w.ab.fensterTitel;

    const BuendelLadeErgebnis e = buendelAnwenden(w.ab, daten, {false, false, true});

    EXPECT_EQ(e, (BuendelLadeErgebnis{NichtGeladen, NichtGeladen, Geladen}));
    EXPECT_EQ(w.ab.fensterTitel, titelVorher);
    EXPECT_EQ(w.wert(anwendung::Velastat, Uebersicht, "1"), "<keiner>");
    EXPECT_EQ(w.wert(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMin"), "<keiner>");
    EXPECT_EQ(w.ab.statusfarbe[4], 1u);
}

TEST(BuendelLaden, UnbrauchbareZeilenWerdenUebersprungen) {
    const struct {
        const char* name;
        QByteArray zeile;
        BuendelLadeErgebnis erwartet;
    } faelle[] = {
        {"TitelSchluesselNeun",
         zeile(UebersichtAnsi, "9", "X"),
         {NichtGefunden, NichtGeladen, NichtGefunden}},
        {"TitelSchluesselNull",
         zeile(UebersichtAnsi, "0", "X"),
         {NichtGefunden, NichtGeladen, NichtGefunden}},
        {"TitelSchluesselText",
         zeile(UebersichtAnsi, "eins", "X"),
         {NichtGefunden, NichtGeladen, NichtGefunden}},
        {"FarbSchluesselElf",
         zeile("Statusfarben", "11", "255"),
         {NichtGefunden, NichtGefunden, NichtGeladen}},
        {"FarbSchluesselNegativ",
         zeile("Statusfarben", "-1", "255"),
         {NichtGefunden, NichtGefunden, NichtGeladen}},
        {"FarbwertKeineZahl",
         zeile("Statusfarben", "3", "rot"),
         {NichtGefunden, NichtGefunden, NichtGeladen}},
        {"FarbwertZuGross",
         zeile("Statusfarben", "3", "16777216"),
         {NichtGefunden, NichtGefunden, NichtGeladen}},
        {"NurZweiFelder", "\"Statusfarben\",\"3\"\r\n", {NichtGefunden, NichtGefunden, NichtGeladen}},
        {"OffenesFeld", "\"Einstellungen\",\"a\",\"b\r\n", {NichtGeladen, NichtGefunden, NichtGefunden}},
        {"SchluesselMitTrenner",
         zeile("Einstellungen", "a/b", "1"),
         {NichtGeladen, NichtGefunden, NichtGefunden}},
        {"LeererSchluessel", zeile("Einstellungen", "", "1"), {NichtGeladen, NichtGefunden, NichtGefunden}},
        {"FremdeSektion", zeile("Ton5", "Spaltenbreite", "1"), {}},
        {"Unsinn", "kein Buendel\r\n\r\n", {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Werkbank w;
        const auto farbenVorher = w.ab.statusfarbe;
        const auto titelVorher = w.ab.fensterTitel;
        EXPECT_EQ(buendelAnwenden(w.ab, f.zeile, alle()), f.erwartet);
        EXPECT_EQ(w.ab.statusfarbe, farbenVorher);
        EXPECT_EQ(w.ab.fensterTitel, titelVorher);
        for (const QString& sekt : {Uebersicht, sektion::Statusfarben, sektion::Einstellungen, sektion::Ton5})
            EXPECT_TRUE(w.speicher.alleLesen(anwendung::Velastat, sekt).isEmpty()) << sekt.toStdString();
    }
}

// A numbered key counts with its leading number, as the host reads it; the store gets the plain
// number, the key the host reads.
TEST(BuendelLaden, SchluesselZaehltMitSeinerFuehrendenZahl) {
    const struct {
        const char* name;
        const char* schluessel;
        int fenster; // 0: not applied
    } faelle[] = {
        {"Nachkommastelle Null", "4.0", 4}, {"Buchstabe dahinter", "4b", 4}, {"Plus davor", "+4", 4},
        {"Blank davor", " 4", 4},           {"halbe Zahl", "4.5", 0},        {"Buchstabe davor", "b4", 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Werkbank w;
        const auto vorher = w.ab.fensterTitel;
        const BuendelLadeErgebnis e = buendelAnwenden(w.ab, zeile(UebersichtAnsi, f.schluessel, "b"), alle());
        EXPECT_EQ(e.fenstertitel, f.fenster ? Geladen : NichtGeladen);
        auto erwartet = vorher;
        if (f.fenster)
            erwartet[f.fenster - 1] = "b";
        EXPECT_EQ(w.ab.fensterTitel, erwartet);
        const auto gespeichert = w.speicher.alleLesen(anwendung::Velastat, Uebersicht);
        EXPECT_EQ(gespeichert.size(), f.fenster ? 1 : 0);
        if (f.fenster) {
            EXPECT_EQ(w.wert(anwendung::Velastat, Uebersicht, QString::number(f.fenster)), "b");
        }
    }
    // The colour keys follow the same rule.
    Werkbank w;
    EXPECT_EQ(buendelAnwenden(w.ab, zeile("Statusfarben", "3.0", "255"), alle()).statusfarben, Geladen);
    EXPECT_EQ(w.ab.statusfarbe[3], 255u);
}

TEST(BuendelLaden, DieLetzteZeileEntscheidetUndNichtsWirdZurueckgenommen) {
    Werkbank w;
    const QByteArray daten = zeile(UebersichtAnsi, "1", "Gut") + zeile(UebersichtAnsi, "12", "Schlecht") +
                             zeile(UebersichtAnsi, "2", "Auch gut") + zeile("Statusfarben", "10", "255") +
                             zeile("Statusfarben", "x", "1") + zeile("Statusfarben", " 2 ", "0");
    const BuendelLadeErgebnis e = buendelAnwenden(w.ab, daten, alle());
    EXPECT_EQ(e, (BuendelLadeErgebnis{NichtGefunden, Geladen, Geladen}));
    EXPECT_EQ(w.ab.fensterTitel[0], "Gut");
    EXPECT_EQ(w.ab.fensterTitel[1], "Auch gut");
    EXPECT_EQ(w.ab.statusfarbe[10], 255u);
    EXPECT_EQ(w.ab.statusfarbe[2], 0u);
    EXPECT_EQ(w.wert(anwendung::Velastat, sektion::Statusfarben, "2"), "0");

    const BuendelLadeErgebnis schlecht =
        buendelAnwenden(w.ab, zeile(UebersichtAnsi, "3", "Drei") + zeile(UebersichtAnsi, "99", "X"), alle());
    EXPECT_EQ(schlecht.fenstertitel, NichtGeladen);
    EXPECT_EQ(w.ab.fensterTitel[2], "Drei");
}

TEST(BuendelLaden, FarbenFaerbenNurFahrzeugfelder) {
    Werkbank w;
    for (int i : {0, 1, 2}) {
        w.ab.felder[i].status = "4";
        w.ab.felder[i].statusFarbe = 255;
    }
    w.ab.felder[0].feldtyp = FeldFahrzeug;
    w.ab.felder[1].feldtyp = FeldText;
    w.ab.felder[2].feldtyp = FeldFrei;
    QSignalSpy felder(&w.ab, &Arbeitsbereich::felderVeraendert);
    buendelAnwenden(w.ab, zeile("Statusfarben", "4", "65280"), alle());
    EXPECT_EQ(w.ab.felder[0].statusFarbe, 65280u);
    EXPECT_EQ(w.ab.felder[1].statusFarbe, 255u);
    EXPECT_EQ(w.ab.felder[2].statusFarbe, 255u);
    EXPECT_GE(felder.count(), 1);
}
