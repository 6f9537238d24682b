#include "core/vehicles/FahrzeuglisteDatei.h"

#include "core/files/FahrzeugDatei.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "support/Fahrzeuge.h"
#include "support/FehlerSchreiber.h"
#include "support/TestArbeitsbereich.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class FahrzeuglisteDatei : public ::testing::Test, protected TestArbeitsbereich {};

// Records with arbitrary bytes wherever the format keeps text, zero in the two reserved bytes
// and Folgetelegramm digits 0 to 9: such a file must survive loading and saving unchanged.
QByteArray zufallsDatei(int anzahl, quint32 saat) {
    QRandomGenerator zufall(saat);
    QByteArray bytes;
    for (int r = 0; r < anzahl; ++r) {
        QByteArray satz(FahrzeugSatzLaenge, '\0');
        for (int i = 0; i < FahrzeugSatzLaenge; ++i)
            satz[i] = static_cast<char>(zufall.bounded(256));
        satz[38] = static_cast<char>(zufall.bounded(256));
        satz[39] = 0;
        satz[48] = static_cast<char>(zufall.bounded(10));
        satz[49] = static_cast<char>(zufall.bounded(10));
        satz[150] = static_cast<char>(zufall.bounded(2));
        satz[151] = 0;
        bytes += satz;
    }
    return bytes;
}

} // namespace

TEST_F(FahrzeuglisteDatei, LadenPrueftDieLaenge) {
    struct Fall {
        const char* name;
        QByteArray bytes;
        bool angenommen;
        size_t anzahl;
    };
    const QByteArray zwei = fahrzeugDatei({fahrzeug("11111111"), fahrzeug("22222222")});
    const Fall faelle[] = {
        {"leere Datei ist eine leere Liste", QByteArray(), true, 0},
        {"zwei ganze Saetze", zwei, true, 2},
        {"ein Byte zu viel", fahrzeugDatei({fahrzeug("11111111")}) + 'x', false, 0},
        {"ein Byte zu wenig", zwei.left(815), false, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ab.fahrzeuge = {fahrzeug("99999999", "alt")};
        ab.ungespeichert = DokFahrzeugliste | DokAktionen;
        rueckfrage.fragen.clear();
        EXPECT_EQ(FahrzeuglisteLaden(ab, rueckfrage, datei("f.bin", f.bytes)), f.angenommen);
        if (f.angenommen) {
            EXPECT_TRUE(rueckfrage.fragen.isEmpty());
            EXPECT_EQ(ab.fahrzeuge.size(), f.anzahl);
            EXPECT_EQ(ab.ungespeichert, DokAktionen);
            EXPECT_EQ(ab.nichtAufgenommen.size(), f.anzahl); // refreshed
        } else {
            // The message text is pinned with the other loads; the import refuses alike, with the
            // load's caption.
            EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste | DokAktionen);
            EXPECT_FALSE(FahrzeuglisteImportieren(ab, rueckfrage, datei("f.bin", f.bytes)));
            ASSERT_EQ(rueckfrage.fragen.size(), 2);
            EXPECT_EQ(rueckfrage.fragen[1].titel, "Fahrzeugliste Laden");
            EXPECT_EQ(kennungen(), QStringList{"99999999"});
        }
    }
}

TEST_F(FahrzeuglisteDatei, LadenUndSpeichernGibtDieselbenBytesAusserAufgenommen) {
    const QByteArray original = zufallsDatei(25, 99);
    ASSERT_TRUE(FahrzeuglisteLaden(ab, rueckfrage, datei("in.bin", original)));
    // Place record 3 in the overview: its byte 150 must be 1, every other one 0.
    fahrzeugInFeld(ab, 7, ab.fahrzeuge[3]);
    ab.markieren(DokFahrzeugliste);
    const QString aus = pfad("aus.bin");
    ASSERT_TRUE(FahrzeuglisteSpeichern(ab, aus, fortschritt));
    const QByteArray geschrieben = dateiInhalt(aus);
    ASSERT_EQ(geschrieben.size(), original.size());
    for (int r = 0; r < 25; ++r) {
        SCOPED_TRACE(r);
        QByteArray erwartet = original.mid(r * FahrzeugSatzLaenge, FahrzeugSatzLaenge);
        // Another record may contain record 3's identifier by chance; the test is a substring one.
        const bool aufgenommen = ab.kennungsListe.contains(ab.fahrzeuge[r].kennung);
        EXPECT_EQ(aufgenommen, r == 3 || ab.fahrzeuge[r].kennung == ab.fahrzeuge[3].kennung);
        erwartet[150] = aufgenommen ? 1 : 0;
        EXPECT_EQ(geschrieben.mid(r * FahrzeugSatzLaenge, FahrzeugSatzLaenge), erwartet);
    }
    EXPECT_FALSE(ab.istUngespeichert(DokFahrzeugliste));
}

TEST_F(FahrzeuglisteDatei, SpeichernPolstertDieEintraegeUndZeigtFortschritt) {
    Fahrzeug kurz = fahrzeug("1234", "RTW", "7");
    kurz.folgetelegramm = "10";
    ab.fahrzeuge = {kurz, fahrzeug("87654321", "NEF")};
    // "1234" occurs in the field's identifier: the test uses the identifier before padding.
    fahrzeugInFeld(ab, 0, fahrzeug("12345678"));
    ab.statusfarbe[2] = 0x112233;
    const QString pfad = ordner.filePath("Fahrzeug.BIN");
    ASSERT_TRUE(FahrzeuglisteSpeichern(ab, pfad, fortschritt));

    const QByteArray bytes = dateiInhalt(pfad);
    ASSERT_EQ(bytes.size(), 2 * FahrzeugSatzLaenge);
    EXPECT_EQ(bytes.mid(0, 8), QByteArray("1234    "));
    EXPECT_EQ(bytes.mid(8, 10), QByteArray("RTW       "));
    EXPECT_EQ(bytes[38], '\x07');
    EXPECT_EQ(bytes[48], '\x01');
    EXPECT_EQ(bytes[49], '\x00');
    EXPECT_EQ(bytes[150], '\x01');
    EXPECT_EQ(bytes[FahrzeugSatzLaenge + 150], '\x00');

    EXPECT_EQ(ab.fahrzeuge[0].rufname, "RTW       ");
    EXPECT_EQ(ab.fahrzeuge[0].kennung, "1234    ");
    EXPECT_EQ(ab.fahrzeuge[0].bemerkung.size(), 256);
    EXPECT_EQ(ab.fahrzeuge[0].datentelegramm.size(), 100);
    EXPECT_EQ(ab.kennungsListe, kennungsListeBilden(ab));

    // The strip runs in status colour 2 (save-all pins the ranges).
    ASSERT_EQ(fortschritt.bereiche.size(), 2);
    EXPECT_EQ(fortschritt.bereiche[1].farbe, 0x112233u);
    EXPECT_EQ(fortschritt.verborgen, 1);
}

TEST_F(FahrzeuglisteDatei, ImportNeuerFahrzeugeHaengtAnOhneFrage) {
    ab.fahrzeuge = {fahrzeug("11111111")};
    const QString pfad = datei("imp.bin", fahrzeugDatei({fahrzeug("33333333", "a"), fahrzeug("22222222", "b"),
                                                         fahrzeug("33333333", "c")}));
    ASSERT_TRUE(FahrzeuglisteImportieren(ab, rueckfrage, pfad));
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
    // The list is not searched for identifiers added by the import itself.
    EXPECT_EQ(kennungen(), (QStringList{"11111111", "33333333", "22222222", "33333333"}));
    EXPECT_EQ(ab.fahrzeuge[3].rufname, "c         ");
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste);
    EXPECT_EQ(ab.nichtAufgenommen.size(), 4u);
}

TEST_F(FahrzeuglisteDatei, ImportKonflikteMitJaNeinAbbrechen) {
    struct Fall {
        const char* name;
        Antwort antwort;
        const char* kennungen; // the list afterwards
    };
    const QString alt = "alt       ";
    const QString neu = "neu       ";
    const Fall faelle[] = {
        {"Ja ueberschreibt alle", Antwort::Ja, "AAAAAAAA BBBBBBBB AAAAAAAA 11111111 22222222 33333333"},
        {"Nein ueberspringt", Antwort::Nein, "AAAAAAAA BBBBBBBB AAAAAAAA 11111111 22222222 33333333"},
        {"Abbrechen beendet das Lesen", Antwort::Abbrechen, "AAAAAAAA BBBBBBBB AAAAAAAA 11111111"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich frisch;
        Arbeitsbereich& a = frisch.ab;
        a.fahrzeuge = {fahrzeug("AAAAAAAA", alt, "2"), fahrzeug("BBBBBBBB", alt),
                       fahrzeug("AAAAAAAA", alt, "2")};
        fahrzeugInFeld(a, 5, a.fahrzeuge[0]);
        fahrzeugInFeld(a, 300, a.fahrzeuge[0]);
        FahrzeuglisteAktualisieren(a);
        SkriptRueckfrage r;
        r.antworten = {f.antwort};
        const QString pfad =
            datei("konflikt.bin",
                  fahrzeugDatei({fahrzeug("11111111"), fahrzeug("AAAAAAAA", neu, "4"), fahrzeug("22222222"),
                                 fahrzeug("BBBBBBBB", neu), fahrzeug("33333333")}));
        ASSERT_TRUE(FahrzeuglisteImportieren(a, r, pfad));
        ASSERT_EQ(r.fragen.size(), 1);
        EXPECT_EQ(r.fragen[0].titel, "Fahrzeuge Importieren");
        EXPECT_EQ(r.fragen[0].text, fahrzeugtext::ImportFrage);
        EXPECT_EQ(r.fragen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
        EXPECT_EQ(r.fragen[0].symbol, Symbol::Ausrufezeichen);
        EXPECT_EQ(frisch.kennungen(), QString::fromLatin1(f.kennungen).split(' '));
        // Both rows of the duplicate A and both fields showing it.
        const QString rufnameA = f.antwort == Antwort::Ja ? neu : alt;
        EXPECT_EQ(a.fahrzeuge[0].rufname, rufnameA);
        EXPECT_EQ(a.fahrzeuge[2].rufname, rufnameA);
        EXPECT_EQ(a.felder[5].fahrzeug, rufnameA);
        EXPECT_EQ(a.felder[300].fahrzeug, rufnameA);
        EXPECT_TRUE(a.istUngespeichert(DokFahrzeugliste));
        EXPECT_EQ(a.istUngespeichert(DokStatusuebersicht), f.antwort == Antwort::Ja);
        if (f.antwort == Antwort::Ja) {
            EXPECT_EQ(a.fahrzeuge[0].stat, "4");
            EXPECT_EQ(a.fahrzeuge[1].rufname, neu);
            EXPECT_EQ(a.felder[5].status, "4");
            EXPECT_EQ(a.felder[5].statusFarbe, a.statusfarbe[4]);
        }
    }
}

TEST_F(FahrzeuglisteDatei, ImportKenntKennungenDerUebersicht) {
    for (Antwort antwort : {Antwort::Ja, Antwort::Nein}) {
        TestArbeitsbereich frisch;
        Arbeitsbereich& a = frisch.ab;
        fahrzeugInFeld(a, 9, fahrzeug("77777777", "Feld"));
        Feld textfeld;
        textfeld.feldtyp = FeldText;
        textfeld.kennung = "77777777"; // not a vehicle field: stays as it is
        textfeld.text = "Notiz";
        a.felder[10] = textfeld;
        FahrzeuglisteAktualisieren(a);
        SkriptRueckfrage r;
        r.antworten = {antwort};
        ASSERT_TRUE(FahrzeuglisteImportieren(
            a, r, datei("u.bin", fahrzeugDatei({fahrzeug("77777777", "Import", "12")}))));
        EXPECT_EQ(r.fragen.size(), 1);
        EXPECT_TRUE(a.fahrzeuge.empty());
        EXPECT_EQ(a.felder[10], textfeld);
        if (antwort == Antwort::Ja) {
            EXPECT_EQ(a.felder[9].fahrzeug, "Import    ");
            EXPECT_EQ(a.felder[9].status, "12");
            EXPECT_EQ(a.felder[9].statusFarbe, farbe::OhneStatusfarbe); // no colour for 12
        } else {
            EXPECT_EQ(a.felder[9].fahrzeug, "Feld");
        }
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
