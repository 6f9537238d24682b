#include "core/settings/Einstellungsbuendel.h"

#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

const QString Uebersicht = sektion::Fahrzeuguebersicht;

struct Werkbank : TestArbeitsbereich {
    Werkbank() : TestArbeitsbereich(Felder::Entwurf) {}
    QString wert(const QString& app, const QString& sekt, const QString& schluessel) const {
        return speicher.lesen(app, sekt, schluessel, QStringLiteral("<keiner>"));
    }
    // What a load found for the general settings, the titles and the colours, one letter each:
    // "-" not found, "g" loaded, "x" found but not loaded.
    QString laden(const QByteArray& daten, BuendelGruppen gruppen = {true, true, true}) {
        const BuendelLadeErgebnis e = buendelAnwenden(ab, daten, gruppen);
        QString s;
        for (const BuendelErgebnis b : {e.einstellungen, e.fenstertitel, e.statusfarben})
            s += b == BuendelErgebnis::NichtGefunden ? '-' : b == BuendelErgebnis::Geladen ? 'g' : 'x';
        return s;
    }
};

// A bundle line in the file's bytes (Windows-1252).
QByteArray zeile(const char* sekt, const char* schluessel, const char* wert) {
    return QByteArray("\"") + sekt + "\",\"" + schluessel + "\",\"" + wert + "\"\r\n";
}
const char* const UebersichtAnsi = "Fahrzeug\xfc"
                                   "bersicht";

} // namespace

// Titles and colours come from the store, else from the program (colour 10 never); the general
// settings only from the companion application, in its order; each block only when chosen.
TEST(BuendelSpeichern, TitelUndFarbenAusDemSpeicherSonstAusDemProgramm) {
    Werkbank w;
    w.speicher.speichern(anwendung::Velastat, Uebersicht, "3", "Wache \"Nord\"");
    w.ab.fensterTitel[0] = "Tab eins";
    w.speicher.speichern(anwendung::Velastat, sektion::Statusfarben, "4", "16711680");
    w.ab.statusfarbe[5] = 0x123456;
    w.ab.statusfarbe[10] = 0x654321;
    QByteArray erwartet = zeile(UebersichtAnsi, "1", "Tab eins") + zeile(UebersichtAnsi, "2", "Fenster2") +
                          zeile(UebersichtAnsi, "3", "Wache 'Nord'");
    for (int i = 4; i <= 8; ++i)
        erwartet += zeile(UebersichtAnsi, QByteArray::number(i), "Fenster" + QByteArray::number(i));
    const char* farben[] = {"16777215", "32768",   "32768",   "65535", "16711680",
                            "1193046",  "8421504", "4227327", "26367", "16744448"};
    for (int k = 0; k < 10; ++k)
        erwartet += zeile("Statusfarben", QByteArray::number(k), farben[k]);
    EXPECT_EQ(buendelErzeugen(w.ab, {false, true, true}), erwartet);

    w.speicher.speichern(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMin", "18");
    EXPECT_TRUE(buendelErzeugen(w.ab, {true, false, false}).isEmpty());
    w.speicher.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "Zeta", "1");
    w.speicher.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "Alpha", "sag \"hallo\"");
    EXPECT_EQ(buendelErzeugen(w.ab, {true, false, false}),
              zeile("Einstellungen", "Zeta", "1") + zeile("Einstellungen", "Alpha", "sag 'hallo'"));
}

// Saved and loaded: the titles (quotes as apostrophes), the colours, and the companion's general
// settings into the host's own store; loaded colours recolour only vehicle fields.
TEST(BuendelLaden, HinUndZurueck) {
    Werkbank quelle;
    quelle.ab.fensterTitel[1] = "Die \"Wache\"";
    quelle.ab.statusfarbe[3] = 0xABCDEF;
    quelle.speicher.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "AktionErlaubt", "1");
    Werkbank ziel;
    for (const int i : {0, 1, 2}) {
        ziel.ab.felder[i].status = "3";
        ziel.ab.felder[i].statusFarbe = 255;
        ziel.ab.felder[i].feldtyp = i;
    }
    EXPECT_EQ(ziel.laden(buendelErzeugen(quelle.ab, {true, true, true})), "ggg");
    EXPECT_EQ(ziel.ab.fensterTitel[1], "Die 'Wache'");
    EXPECT_EQ(ziel.wert(anwendung::Velastat, Uebersicht, "2"), "Die 'Wache'");
    EXPECT_EQ(ziel.ab.statusfarbe[3], 0xABCDEFu);
    EXPECT_EQ(ziel.wert(anwendung::Velastat, sektion::Statusfarben, "3"), QString::number(0xABCDEF));
    EXPECT_EQ(ziel.wert(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt"), "1");
    EXPECT_EQ(ziel.wert(anwendung::VelastatPlus, sektion::Einstellungen, "AktionErlaubt"), "<keiner>");
    EXPECT_EQ(ziel.ab.felder[FeldFahrzeug].statusFarbe, 0xABCDEFu);
    EXPECT_EQ(ziel.ab.felder[FeldFrei].statusFarbe, 255u);
    EXPECT_EQ(ziel.ab.felder[FeldText].statusFarbe, 255u);
    EXPECT_EQ(ziel.ab.ungespeichert, 0);

    // A group not chosen is found but not loaded.
    Werkbank w;
    const auto titelVorher = w.ab.fensterTitel;
    EXPECT_EQ(w.laden(zeile(UebersichtAnsi, "1", "Neu") + zeile("Statusfarben", "4", "1") +
                          zeile("Einstellungen", "TgVorlaufMin", "20"),
                      {false, false, true}),
              "xxg");
    EXPECT_EQ(w.ab.fensterTitel, titelVorher);
    EXPECT_EQ(w.wert(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMin"), "<keiner>");
    EXPECT_EQ(w.ab.statusfarbe[4], 1u);
}

// A line that is not three fields or whose key is out of range is skipped and counts as not
// loaded; nothing of it reaches the program or the store.
TEST(BuendelLaden, UnbrauchbareZeilenWerdenUebersprungen) {
    const struct {
        const char* name;
        QByteArray zeile;
        const char* erwartet;
    } faelle[] = {
        {"Titelschluessel 9", zeile(UebersichtAnsi, "9", "X"), "-x-"},
        {"Titelschluessel 0", zeile(UebersichtAnsi, "0", "X"), "-x-"},
        {"Titelschluessel Text", zeile(UebersichtAnsi, "eins", "X"), "-x-"},
        {"Farbschluessel 11", zeile("Statusfarben", "11", "255"), "--x"},
        {"Farbschluessel negativ", zeile("Statusfarben", "-1", "255"), "--x"},
        {"Farbwert keine Zahl", zeile("Statusfarben", "3", "rot"), "--x"},
        {"Farbwert zu gross", zeile("Statusfarben", "3", "16777216"), "--x"},
        {"nur zwei Felder", "\"Statusfarben\",\"3\"\r\n", "--x"},
        {"offenes Feld", "\"Einstellungen\",\"a\",\"b\r\n", "x--"},
        {"Schluessel mit Trenner", zeile("Einstellungen", "a/b", "1"), "x--"},
        {"leerer Schluessel", zeile("Einstellungen", "", "1"), "x--"},
        {"fremde Sektion", zeile("Ton5", "Spaltenbreite", "1"), "---"},
        {"Unsinn", "kein Buendel\r\n\r\n", "---"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Werkbank w;
        const auto farbenVorher = w.ab.statusfarbe;
        const auto titelVorher = w.ab.fensterTitel;
        EXPECT_EQ(w.laden(f.zeile), f.erwartet);
        EXPECT_EQ(w.ab.statusfarbe, farbenVorher);
        EXPECT_EQ(w.ab.fensterTitel, titelVorher);
        for (const QString& sekt : {Uebersicht, sektion::Statusfarben, sektion::Einstellungen, sektion::Ton5})
            EXPECT_TRUE(w.speicher.alleLesen(anwendung::Velastat, sekt).isEmpty()) << sekt.toStdString();
    }
}

// A numbered key counts with its leading number, as the host reads it; the store gets the plain
// number. The last line of a group decides its result, and nothing applied is taken back.
TEST(BuendelLaden, SchluesselZaehltMitSeinerFuehrendenZahl) {
    const std::pair<const char*, int> faelle[] = {{"4.0", 4}, {"4b", 4},  {"+4", 4},
                                                  {" 4", 4},  {"4.5", 0}, {"b4", 0}};
    for (const auto& [schluessel, fenster] : faelle) {
        SCOPED_TRACE(schluessel);
        Werkbank w;
        auto erwartet = w.ab.fensterTitel;
        if (fenster)
            erwartet[fenster - 1] = "b";
        EXPECT_EQ(w.laden(zeile(UebersichtAnsi, schluessel, "b")), fenster ? "-g-" : "-x-");
        EXPECT_EQ(w.ab.fensterTitel, erwartet);
        EXPECT_EQ(w.speicher.alleLesen(anwendung::Velastat, Uebersicht).size(), fenster ? 1 : 0);
        EXPECT_EQ(w.wert(anwendung::Velastat, Uebersicht, QString::number(fenster)),
                  fenster ? "b" : "<keiner>");
    }
    Werkbank w;
    EXPECT_EQ(w.laden(zeile(UebersichtAnsi, "1", "Gut") + zeile(UebersichtAnsi, "12", "Schlecht") +
                      zeile(UebersichtAnsi, "2", "Auch gut") + zeile("Statusfarben", "10", "255") +
                      zeile("Statusfarben", "x", "1") + zeile("Statusfarben", " 2 ", "0") +
                      zeile("Statusfarben", "3.0", "255")),
              "-gg");
    EXPECT_EQ(w.ab.fensterTitel[1], "Auch gut");
    EXPECT_EQ(w.ab.statusfarbe[10], 255u);
    EXPECT_EQ(w.ab.statusfarbe[3], 255u);
    EXPECT_EQ(w.wert(anwendung::Velastat, sektion::Statusfarben, "2"), "0");
    EXPECT_EQ(w.laden(zeile(UebersichtAnsi, "3", "Drei") + zeile(UebersichtAnsi, "99", "X")), "-x-");
    EXPECT_EQ(w.ab.fensterTitel[2], "Drei");
}
