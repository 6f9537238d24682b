#include "core/vehicles/FahrzeuglisteDatei.h"

#include "core/files/FahrzeugDatei.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
class FahrzeuglisteDatei : public ::testing::Test, protected TestArbeitsbereich {};
} // namespace

// Placed is what a field shows now, found by the identifier before padding (a substring
// search); the entries are padded in place once written.
TEST_F(FahrzeuglisteDatei, SpeichernPolstertDieEintraege) {
    ab.fahrzeuge = {fahrzeug("1234", "RTW"), fahrzeug("87654321", "NEF")};
    fahrzeugInFeld(ab, 0, fahrzeug("12345678"));
    ASSERT_TRUE(FahrzeuglisteSpeichern(ab, pfad("Fahrzeug.BIN"), fortschritt));
    const QByteArray bytes = dateiInhalt(pfad("Fahrzeug.BIN"));
    ASSERT_EQ(bytes.size(), 2 * FahrzeugSatzLaenge);
    EXPECT_EQ(bytes.left(18), "1234    RTW       ");
    EXPECT_EQ(bytes[150], '\x01');
    EXPECT_EQ(bytes[FahrzeugSatzLaenge + 150], '\x00');
    Fahrzeug gepolstert = fahrzeug("1234", "RTW");
    fahrzeugAuffuellen(gepolstert);
    EXPECT_EQ(ab.fahrzeuge[0], gepolstert);
    EXPECT_EQ(ab.kennungsListe, kennungsListeBilden(ab));
}

// New identifiers are appended as they come (the list is not searched for identifiers the
// import itself added); for ones the list or a vehicle field already has, the user is asked
// once: Ja overwrites every row and vehicle field, Nein skips, Abbrechen ends the reading.
TEST_F(FahrzeuglisteDatei, ImportFragtEinmalBeiBekanntenKennungen) {
    const QString alt = "alt       ", neu = "neu       ";
    const struct {
        const char* name;
        std::optional<Antwort> antwort; // nothing: no known identifier in the file
        const char* kennungen;          // the list afterwards
    } faelle[] = {
        {"nur neue", std::nullopt, "AAAAAAAA BBBBBBBB AAAAAAAA 11111111 22222222 11111111"},
        {"Ja ueberschreibt alle", Antwort::Ja, "AAAAAAAA BBBBBBBB AAAAAAAA 11111111 22222222 33333333"},
        {"Nein ueberspringt", Antwort::Nein, "AAAAAAAA BBBBBBBB AAAAAAAA 11111111 22222222 33333333"},
        {"Abbrechen beendet das Lesen", Antwort::Abbrechen, "AAAAAAAA BBBBBBBB AAAAAAAA 11111111"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich t;
        Arbeitsbereich& a = t.ab;
        a.fahrzeuge = {fahrzeug("AAAAAAAA", alt, "2"), fahrzeug("BBBBBBBB", alt),
                       fahrzeug("AAAAAAAA", alt, "2")};
        fahrzeugInFeld(a, 5, a.fahrzeuge[0]);
        fahrzeugInFeld(a, 300, fahrzeug("77777777", "Feld")); // in no row of the list
        FahrzeuglisteAktualisieren(a);
        if (f.antwort)
            t.rueckfrage.antworten = {*f.antwort};
        const std::vector<Fahrzeug> datei =
            f.antwort
                ? std::vector<Fahrzeug>{fahrzeug("11111111"), fahrzeug("AAAAAAAA", neu, "4"),
                                        fahrzeug("22222222"), fahrzeug("77777777", neu, "12"),
                                        fahrzeug("33333333")}
                : std::vector<Fahrzeug>{fahrzeug("11111111"), fahrzeug("22222222"), fahrzeug("11111111")};
        ASSERT_TRUE(FahrzeuglisteImportieren(a, t.rueckfrage, t.datei("imp.bin", fahrzeugDatei(datei))));
        EXPECT_EQ(t.kennungen(), QString::fromLatin1(f.kennungen).split(' '));
        ASSERT_EQ(t.rueckfrage.fragen.size(), f.antwort ? 1 : 0);
        if (!f.antwort)
            continue;
        EXPECT_EQ(t.rueckfrage.fragen[0].text, fahrzeugtext::ImportFrage);
        EXPECT_EQ(t.rueckfrage.fragen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
        const bool ja = f.antwort == Antwort::Ja;
        for (const QString& name : {a.fahrzeuge[0].rufname, a.fahrzeuge[2].rufname, a.felder[5].fahrzeug})
            EXPECT_EQ(name, ja ? neu : alt);
        EXPECT_EQ(a.felder[5].statusFarbe, a.statusFarbeFuer(ja ? "4" : "2"));
        EXPECT_EQ(a.felder[300].fahrzeug, ja ? neu : "Feld") << "a field's identifier counts as known";
        EXPECT_EQ(a.felder[300].statusFarbe, ja ? farbe::OhneStatusfarbe : a.statusFarbeFuer("2"));
        EXPECT_EQ(a.istUngespeichert(DokStatusuebersicht), ja);
    }
}

TEST_F(FahrzeuglisteDatei, ImportSuchtAlsTeiltext) {
    // The record's identifier only spans the end of one entry and the start of the next.
    ab.fahrzeuge = {fahrzeug("11112222"), fahrzeug("33334444")};
    FahrzeuglisteAktualisieren(ab);
    rueckfrage.antworten = {Antwort::Nein};
    ASSERT_TRUE(
        FahrzeuglisteImportieren(ab, rueckfrage, datei("t.bin", fahrzeugDatei({fahrzeug("2222 333")}))));
    EXPECT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(ab.fahrzeuge.size(), 2u);
}

TEST_F(FahrzeuglisteDatei, SortierteListeBleibtBeimLadenUndImportSortiert) {
    ab.sortierung = Sortierung{true, 1, true};
    ASSERT_TRUE(FahrzeuglisteLaden(
        ab, rueckfrage, datei("s.bin", fahrzeugDatei({fahrzeug("2"), fahrzeug("3"), fahrzeug("1")}))));
    EXPECT_EQ(kennungen(), (QStringList{"3       ", "2       ", "1       "}));
    ASSERT_TRUE(FahrzeuglisteImportieren(ab, rueckfrage, datei("i.bin", fahrzeugDatei({fahrzeug("25")}))));
    EXPECT_EQ(kennungen(), (QStringList{"3       ", "25      ", "2       ", "1       "}));
}
