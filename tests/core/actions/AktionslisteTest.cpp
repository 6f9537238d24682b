#include "core/actions/Aktionsliste.h"

#include "core/files/AktionDatei.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"
#include "support/FehlerSchreiber.h"

#include <QDir>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

const QString Ungueltig = QStringLiteral("Keine g\u00fcltige Aktionen-Datei!");

class AktionslisteTest : public ::testing::Test, protected AktionenArbeitsbereich {};

const QByteArray DreiSaetze = aktionSatz("6A120344", '3', '0', "   C:\\melden.exe 6A1203443  ") +
                              aktionSatz("6A12 034", '4', '1', "sprechen.exe") +
                              aktionSatz("9a128301", '5', ' ', "");

} // namespace

TEST_F(AktionslisteTest, LadenDekodiertJedeSpalte) {
    ab.fahrzeuge = {fahrzeug("6a120344", "Falsch"), fahrzeug("6A120344", "Florian 1"),
                    fahrzeug("6A120344", "Doppelt"), fahrzeug("6A12034", "Ohne Blank")};
    ab.markieren(DokAktionen);
    ASSERT_EQ(AktionenLaden(ab, datei("Aktion.BIN", DreiSaetze), rueckfrage, fortschritt),
              LadeErgebnis::Geladen);

    ASSERT_EQ(ab.aktionen.size(), 3u);
    // First vehicle with exactly the same 8 characters; case and blanks count.
    EXPECT_EQ(ab.aktionen[0], aktion("6A120344", "3", 0, "C:\\melden.exe 6A1203443", "Florian 1"));
    EXPECT_EQ(ab.aktionen[1], aktion("6A12 034", "4", 1, "sprechen.exe", NichtVorhanden));
    // A blank direction is direction 0.
    EXPECT_EQ(ab.aktionen[2], aktion("9a128301", "5", 0, "", NichtVorhanden));
    EXPECT_FALSE(ab.istUngespeichert(DokAktionen));
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
    EXPECT_EQ(fortschritt.gezeigt, 1);
    EXPECT_EQ(fortschritt.verborgen, 1);
    // Record k of n, counted from 1, from k/n to (k+1)/n.
    ASSERT_EQ(fortschritt.bereiche.size(), 3);
    EXPECT_DOUBLE_EQ(fortschritt.bereiche[0].von, 1.0 / 3);
    EXPECT_DOUBLE_EQ(fortschritt.bereiche.last().bis, 4.0 / 3);
    EXPECT_EQ(fortschritt.bereiche[0].farbe, std::optional<Farbe>(farbe::Rot));
}

TEST_F(AktionslisteTest, LadenErsetztUndLeereDateiLeertDieListe) {
    ab.aktionen = {aktion("11111111", "1", 0, "alt"), aktion("22222222", "2", 0, "alt")};
    ab.markieren(DokAktionen);
    QSignalSpy geaendert(&ab, &Arbeitsbereich::aktionenVeraendert);
    EXPECT_EQ(AktionenLaden(ab, datei("Aktion.BIN", ""), rueckfrage, fortschritt), LadeErgebnis::Geladen);
    EXPECT_TRUE(ab.aktionen.empty());
    EXPECT_FALSE(ab.istUngespeichert(DokAktionen));
    EXPECT_EQ(geaendert.count(), 1);
    ASSERT_TRUE(AktionenSpeichern(ab, pfad("leer.bin"), rueckfrage));
    EXPECT_EQ(dateiInhalt(pfad("leer.bin")), QByteArray());
}

TEST_F(AktionslisteTest, AbgewieseneDateienAendernNichts) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
        QString meldungBeginn;
    };
    const QByteArray gut = aktionSatz("12345678", '3', '0', "x");
    const Fall faelle[] = {
        {"ein Byte zu viel", gut + "x", Ungueltig},
        {"ein Byte zu wenig", gut.left(136), Ungueltig},
        {"ein einzelnes Byte", "1", Ungueltig},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::vector<Aktion> vorher = {aktion("11111111", "1", 1, "bleibt")};
        ab.aktionen = vorher;
        ab.ungespeichert = DokAktionen;
        rueckfrage.fragen.clear();
        QSignalSpy geaendert(&ab, &Arbeitsbereich::aktionenVeraendert);

        EXPECT_EQ(AktionenLaden(ab, datei("Aktion.BIN", f.inhalt), rueckfrage, fortschritt),
                  LadeErgebnis::Abgewiesen);
        EXPECT_EQ(ab.aktionen, vorher);
        EXPECT_EQ(ab.ungespeichert, DokAktionen);
        EXPECT_EQ(geaendert.count(), 0);
        ASSERT_EQ(rueckfrage.fragen.size(), 1);
        EXPECT_EQ(rueckfrage.fragen[0].titel, "Aktionen Laden");
        EXPECT_TRUE(rueckfrage.fragen[0].text.startsWith(f.meldungBeginn))
            << rueckfrage.fragen[0].text.toStdString();
        EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::Ok);

        // The import refuses the same files the same way.
        rueckfrage.fragen.clear();
        EXPECT_FALSE(AktionenImportieren(ab, datei("Aktion.BIN", f.inhalt), rueckfrage, fortschritt).gelesen);
        EXPECT_EQ(ab.aktionen, vorher);
        EXPECT_EQ(ab.ungespeichert, DokAktionen);
        ASSERT_EQ(rueckfrage.fragen.size(), 1);
        EXPECT_TRUE(rueckfrage.fragen[0].text.startsWith(f.meldungBeginn));
    }
}

TEST_F(AktionslisteTest, LadenUndSpeichernIstByteGenau) {
    const QByteArray original =
        DreiSaetze + aktionSatz("\xc4\xd6\xdc\xdf 1234", '\xe9', '1', "\xe4 \xf6 \xfc \x80");
    ASSERT_EQ(AktionenLaden(ab, datei("Aktion.BIN", original), rueckfrage, fortschritt),
              LadeErgebnis::Geladen);
    ab.markieren(DokAktionen);
    ASSERT_TRUE(AktionenSpeichern(ab, pfad("neu.bin"), rueckfrage));
    QByteArray erwartet = original;
    // Only what the load normalises differs: the blank direction becomes "0", the leading blanks
    // of the command line are gone.
    erwartet[2 * 137 + 9] = '0';
    erwartet.replace(10, 127, QByteArray("C:\\melden.exe 6A1203443").leftJustified(127, ' '));
    EXPECT_EQ(dateiInhalt(pfad("neu.bin")), erwartet);
    EXPECT_FALSE(ab.istUngespeichert(DokAktionen));
}

TEST_F(AktionslisteTest, GleicheRichtungsnamenBehaltenDieRichtung) {
    // With both names at their default, a name alone cannot tell the directions apart; the
    // saved direction comes from the entry itself.
    ab.richtungsname = {QStringLiteral("FZ<->LST"), QStringLiteral("FZ<->LST")};
    const QByteArray original = aktionSatz("12345678", '3', '0', "a") + aktionSatz("12345678", '3', '1', "b");
    ASSERT_EQ(AktionenLaden(ab, datei("Aktion.BIN", original), rueckfrage, fortschritt),
              LadeErgebnis::Geladen);
    EXPECT_EQ(ab.aktionen[1].richtung, "FZ<->LST");
    ASSERT_TRUE(AktionenSpeichern(ab, pfad("neu.bin"), rueckfrage));
    EXPECT_EQ(dateiInhalt(pfad("neu.bin")), original);
}

// A direction byte is read as a number; the digits without a name stay what they were.
TEST_F(AktionslisteTest, RichtungszeichenAlsZahlGelesen) {
    struct Fall {
        const char* name;
        char zeichen;
        const char* angezeigt;
        char gespeichert;
    };
    const Fall faelle[] = {
        {"x ist Richtung 0", 'x', "FZ->LST", '0'},
        {"Minus ist Richtung 0", '-', "FZ->LST", '0'},
        {"Nullbyte ist Richtung 0", '\0', "FZ->LST", '0'},
        {"2 bleibt 2", '2', "2", '2'},
        {"9 bleibt 9", '9', "9", '9'},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        // One odd record among ordinary ones must not cost the others.
        const QByteArray original = DreiSaetze + aktionSatz("12345678", '3', f.zeichen, "odd.exe");
        ASSERT_EQ(AktionenLaden(ab, datei("Aktion.BIN", original), rueckfrage, fortschritt),
                  LadeErgebnis::Geladen);
        EXPECT_TRUE(rueckfrage.fragen.isEmpty());
        ASSERT_EQ(ab.aktionen.size(), 4u);
        EXPECT_EQ(ab.aktionen[3].richtung, f.angezeigt);

        ab.markieren(DokAktionen);
        ASSERT_TRUE(AktionenSpeichern(ab, pfad("neu.bin"), rueckfrage));
        const QByteArray neu = dateiInhalt(pfad("neu.bin"));
        ASSERT_EQ(neu.size(), 4 * AktionSatzLaenge);
        EXPECT_EQ(neu.at(3 * AktionSatzLaenge + 9), f.gespeichert);
    }
}

// The red warning belongs to import and generation; a load and a deletion show the count alone.
TEST_F(AktionslisteTest, AnzahlWarntNurNachImportUndGenerieren) {
    QByteArray tausend;
    for (int i = 0; i < 1000; ++i)
        tausend += aktionSatz(QByteArray::number(10000000 + i), '3', '0', "x");
    struct Fall {
        const char* name;
        std::function<void()> schritt;
        AnzahlAnzeige erwartet;
    };
    const auto importieren = [this](const QByteArray& inhalt) {
        AktionenImportieren(ab, datei("viele.bin", inhalt), rueckfrage, fortschritt);
    };
    const Fall faelle[] = {
        {"Laden von 1000",
         [&] { AktionenLaden(ab, datei("viele.bin", tausend), rueckfrage, fortschritt); },
         {"Anzahl = 1000", false}},
        {"Import auf 1000", [&] { importieren(tausend); }, {"Anzahl = 1000 (max. 999!)", true}},
        {"Entfernen nach dem Import",
         [&] {
             importieren(tausend + tausend);
             AktionenEntfernen(ab, {true});
         },
         {"Anzahl = 1999", false}},
        {"Import bis 999",
         [&] { importieren(tausend.left(999 * AktionSatzLaenge)); },
         {"Anzahl = 999", false}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ab.aktionen.clear();
        f.schritt();
        EXPECT_EQ(anzahlAnzeige(ab), f.erwartet);
    }
}

TEST_F(AktionslisteTest, EntfernenMarkiertAlsUngespeichert) {
    ab.aktionen = {aktion("1", "1", 0, "a"), aktion("2", "2", 0, "b"), aktion("3", "3", 0, "c"),
                   aktion("4", "4", 0, "d")};
    QSignalSpy geaendert(&ab, &Arbeitsbereich::aktionenVeraendert);
    EXPECT_EQ(AktionenEntfernen(ab, {false, false, false, false}), 0);
    EXPECT_EQ(ab.ungespeichert, 0);
    EXPECT_EQ(geaendert.count(), 0);
    // Neighbouring marks and marks beyond the list.
    EXPECT_EQ(AktionenEntfernen(ab, {true, true, false, true, true, true}), 3);
    ASSERT_EQ(ab.aktionen.size(), 1u);
    EXPECT_EQ(ab.aktionen[0].aktion, "c");
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
    EXPECT_EQ(geaendert.count(), 1);

    ab.alleFreigeben();
    AlleAktionenLoeschen(ab);
    EXPECT_TRUE(ab.aktionen.empty());
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
}

TEST(AktionErlaubt, LesenUndSpeichern) {
    SpeicherImSpeicher s;
    EXPECT_FALSE(aktionenErlaubt(s));
    for (auto [wert, erlaubt] :
         {std::pair{"1", true}, {"0", false}, {"2", true}, {"abc", false}, {" 1", true}}) {
        s.speichern(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", wert);
        EXPECT_EQ(aktionenErlaubt(s), erlaubt) << wert;
    }
    aktionenErlaubtSpeichern(s, true);
    EXPECT_EQ(s.lesen(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", ""), "1");
    aktionenErlaubtSpeichern(s, false);
    EXPECT_EQ(s.lesen(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", ""), "0");
}
