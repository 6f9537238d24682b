#include "core/actions/Aktionsliste.h"

#include "core/files/AktionDatei.h"
#include "core/files/Ansi.h"
#include "core/files/Dateistand.h"
#include "core/files/EinstellungsSpeicher.h"
#include "support/Saetze.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class AktionslisteTest : public ::testing::Test, protected AktionenArbeitsbereich {
protected:
    LadeErgebnis laden(const QByteArray& inhalt) {
        return AktionenLaden(ab, datei("Aktion.BIN", inhalt), rueckfrage, fortschritt);
    }
    QByteArray speichern() {
        EXPECT_TRUE(AktionenSpeichern(ab, pfad("neu.bin"), rueckfrage));
        return dateiInhalt(pfad("neu.bin"));
    }
};

// The second command fills its column to the last byte, behind a run of blanks.
const QByteArray VollerBefehl = QByteArray("sprechen.exe").leftJustified(AktionTextBreite - 1) + "1";
const QByteArray DreiSaetze = aktionSatz("6A120344", '3', '0', "   C:\\melden.exe 6A1203443  ") +
                              aktionSatz("6A12 034", '4', '1', VollerBefehl) +
                              aktionSatz("9a128301", '5', ' ', "");

} // namespace

// The call name comes from the first vehicle with exactly the record's 8 characters (case and
// blanks count); a blank direction is direction 0. A load replaces the list; an empty file empties it.
TEST_F(AktionslisteTest, LadenDekodiertJedeSpalte) {
    ab.fahrzeuge = {fahrzeug("6a120344", "Falsch"), fahrzeug("6A120344", "Florian 1"),
                    fahrzeug("6A120344", "Doppelt"), fahrzeug("6A12034", "Ohne Blank")};
    ab.aktionen = {aktion("11111111", "1", 0, "alt")};
    ASSERT_EQ(laden(DreiSaetze), LadeErgebnis::Geladen);
    EXPECT_EQ(ab.aktionen,
              (std::vector<Aktion>{aktion("6A120344", "3", 0, "C:\\melden.exe 6A1203443", "Florian 1"),
                                   aktion("6A12 034", "4", 1, QString::fromLatin1(VollerBefehl)),
                                   aktion("9a128301", "5", 0, "")}));
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
    ASSERT_EQ(laden(""), LadeErgebnis::Geladen);
    EXPECT_TRUE(ab.aktionen.empty());
    EXPECT_EQ(speichern(), QByteArray());
}

// Command texts of every length share their memory: each reads as it stood less its outer
// blanks (a blank inside and a byte of 0x80..0x9F at any place), ends in a zero, and changing one,
// or one that outlives its list, touches no other.
TEST_F(AktionslisteTest, BefehlstexteJederLaengeBleibenEinzeln) {
    QByteArray datei, gespeichert;
    std::vector<QString> erwartet;
    for (int n = 0; n <= AktionTextBreite; ++n) {
        QByteArray text(n, 'x');
        if (n > 2)
            text[n / 2] = ' ';
        if (n > 0)
            text[(n * 5 + 3) % n] = '\x80';
        erwartet.push_back(ansiNachText(text));
        datei += aktionSatz("12345678", '1', '0', n < AktionTextBreite ? " " + text : text);
        gespeichert += aktionSatz("12345678", '1', '0', text);
    }
    ASSERT_EQ(laden(datei), LadeErgebnis::Geladen);
    ASSERT_EQ(ab.aktionen.size(), erwartet.size());
    for (size_t k = 0; k < erwartet.size(); ++k) {
        ASSERT_EQ(ab.aktionen[k].aktion, erwartet[k]) << k;
        ASSERT_EQ(ab.aktionen[k].aktion.utf16()[erwartet[k].size()], 0) << k;
        ASSERT_EQ(ab.aktionen[k].kennung, "12345678") << k;
        ASSERT_EQ(ab.aktionen[k].rufname, NichtVorhanden) << k;
    }
    ab.aktionen[40].aktion += QStringLiteral("yy");
    ab.aktionen[40].aktion.chop(2);
    EXPECT_EQ(ab.aktionen[41].aktion, erwartet[41]);
    EXPECT_EQ(speichern(), gespeichert);
    QString uebrig = ab.aktionen[60].aktion;
    ASSERT_EQ(laden(""), LadeErgebnis::Geladen);
    uebrig += QString(200, QLatin1Char('z'));
    EXPECT_EQ(uebrig, erwartet[60] + QString(200, QLatin1Char('z')));
}

// A file read in blocks is remembered as read, so that another program's change to it is
// noticed before it is written over.
TEST_F(AktionslisteTest, GeladeneDateiWirdAlsGelesenGemerkt) {
    ASSERT_EQ(laden(DreiSaetze), LadeErgebnis::Geladen);
    const QString pfad = this->pfad("Aktion.BIN");
    EXPECT_EQ(ab.dateien.pruefen(pfad), DateiAenderung::Unveraendert);
    QByteArray anders = DreiSaetze;
    anders[20] = 'X';
    datei("Aktion.BIN", anders);
    EXPECT_EQ(ab.dateien.pruefen(pfad), DateiAenderung::Geaendert);
}

// Both direction names alike still keep the direction, which is saved from the entry, not
// from its name.
TEST_F(AktionslisteTest, GleicheRichtungsnamenBehaltenDieRichtung) {
    ab.richtungsname = {QStringLiteral("FZ<->LST"), QStringLiteral("FZ<->LST")};
    const QByteArray zweiRichtungen =
        aktionSatz("12345678", '3', '0', "a") + aktionSatz("12345678", '3', '1', "b");
    ASSERT_EQ(laden(zweiRichtungen), LadeErgebnis::Geladen);
    EXPECT_EQ(ab.aktionen[1].richtung, "FZ<->LST");
    EXPECT_EQ(speichern(), zweiRichtungen);
}

// A direction byte is read as a number; the digits without a name stay what they were.
TEST_F(AktionslisteTest, RichtungszeichenAlsZahlGelesen) {
    const struct {
        const char* name;
        char zeichen;
        const char* angezeigt;
        char gespeichert;
    } faelle[] = {
        {"x ist Richtung 0", 'x', "FZ->LST", '0'},
        {"Minus ist Richtung 0", '-', "FZ->LST", '0'},
        {"Nullbyte ist Richtung 0", '\0', "FZ->LST", '0'},
        {"2 bleibt 2", '2', "2", '2'},
        {"9 bleibt 9", '9', "9", '9'},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        // One odd record among ordinary ones must not cost the others.
        ASSERT_EQ(laden(DreiSaetze + aktionSatz("12345678", '3', f.zeichen, "odd.exe")),
                  LadeErgebnis::Geladen);
        EXPECT_TRUE(rueckfrage.fragen.isEmpty());
        ASSERT_EQ(ab.aktionen.size(), 4u);
        EXPECT_EQ(ab.aktionen[3].richtung, f.angezeigt);
        const QByteArray neu = speichern();
        ASSERT_EQ(neu.size(), 4 * AktionSatzLaenge);
        EXPECT_EQ(neu.at(3 * AktionSatzLaenge + 9), f.gespeichert);
    }
}

// The red warning belongs to import and generation; a load and a deletion show the count alone.
TEST_F(AktionslisteTest, AnzahlWarntNurNachImportUndGenerieren) {
    QByteArray tausend;
    for (int i = 0; i < 1000; ++i)
        tausend += aktionSatz(QByteArray::number(10000000 + i), '3', '0', "x");
    const auto importieren = [this](const QByteArray& inhalt) {
        AktionenImportieren(ab, datei("viele.bin", inhalt), rueckfrage, fortschritt);
    };
    const struct {
        const char* name;
        std::function<void()> schritt;
        AnzahlAnzeige erwartet;
    } faelle[] = {
        {"Laden von 1000", [&] { laden(tausend); }, {"Anzahl = 1000", false}},
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
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ab.aktionen.clear();
        f.schritt();
        EXPECT_EQ(anzahlAnzeige(ab), f.erwartet);
    }
}

// Marked rows go, neighbours and marks beyond the list included (what removing marks unsaved: the
// undo table).
TEST_F(AktionslisteTest, EntferntDieMarkiertenZeilen) {
    ab.aktionen = {aktion("1", "1", 0, "a"), aktion("2", "2", 0, "b"), aktion("3", "3", 0, "c"),
                   aktion("4", "4", 0, "d")};
    EXPECT_EQ(AktionenEntfernen(ab, {false, false, false, false}), 0);
    EXPECT_EQ(AktionenEntfernen(ab, {true, true, false, true, true, true}), 3);
    EXPECT_EQ(ab.aktionen, std::vector<Aktion>{aktion("3", "3", 0, "c")});
}

TEST(AktionErlaubt, LesenUndSpeichern) {
    SpeicherImSpeicher s;
    EXPECT_FALSE(aktionenErlaubt(s));
    for (auto [wert, erlaubt] :
         {std::pair{"1", true}, {"0", false}, {"2", true}, {"abc", false}, {" 1", true}}) {
        s.speichern(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", wert);
        EXPECT_EQ(aktionenErlaubt(s), erlaubt) << wert;
    }
    for (const bool erlaubt : {true, false}) {
        aktionenErlaubtSpeichern(s, erlaubt);
        EXPECT_EQ(s.lesen(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", ""),
                  erlaubt ? "1" : "0");
    }
}
