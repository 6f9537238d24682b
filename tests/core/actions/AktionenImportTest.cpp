#include "core/actions/Aktionsliste.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

const QString Frage = QStringLiteral("Die zu importierenden Datei enth\u00e4lt Aktionen, die bereits "
                                     "angelegt sind. Sollen diese existierenden "
                                     "Aktionen von den importierten \u00fcberschrieben werden?");

class AktionenImportTest : public ::testing::Test, protected AktionenArbeitsbereich {
protected:
    // Every import reads a file of its own.
    QString importDatei(const QByteArray& inhalt) {
        return datei(QStringLiteral("import%1.bin").arg(++m_nr), inhalt);
    }

    // Loads the file as the list, then imports the same file.
    void inSichSelbst(const QByteArray& inhalt) {
        const QString pfad = importDatei(inhalt);
        ASSERT_EQ(AktionenLaden(ab, pfad, rueckfrage, fortschritt), LadeErgebnis::Geladen);
        m_pfad = pfad;
    }

    QString m_pfad;
    int m_nr = 0;
};

const QByteArray Drei = aktionSatz("6A120344", '3', '0', "alt 3") +
                        aktionSatz("6A120344", '4', '1', "alt 4") +
                        aktionSatz("6A12 034", '4', '1', "mit Blank");

} // namespace

TEST_F(AktionenImportTest, InSichSelbstFragtEinmal) {
    for (Antwort antwort : {Antwort::Ja, Antwort::Nein}) {
        SCOPED_TRACE(antwort == Antwort::Ja ? "Ja" : "Nein");
        ab.fahrzeuge.clear();
        inSichSelbst(Drei);
        const auto vorher = ab.aktionen;
        // A vehicle added after the load: "Ja" rewrites the entries, so they show its name now.
        ab.fahrzeuge = {fahrzeug("6A120344", "Florian 1")};
        ab.kennungsListe = QStringLiteral(" 6A120344");
        rueckfrage.fragen.clear();
        rueckfrage.antworten = {antwort};
        const ImportErgebnis e = AktionenImportieren(ab, m_pfad, rueckfrage, fortschritt);

        ASSERT_EQ(rueckfrage.fragen.size(), 1); // asked once for three matches
        EXPECT_EQ(rueckfrage.fragen[0].titel, "Aktionen Importieren");
        EXPECT_EQ(rueckfrage.fragen[0].text, Frage);
        EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
        EXPECT_EQ(rueckfrage.fragen[0].symbol, Symbol::Ausrufezeichen);
        EXPECT_EQ(e.angehaengt, 0);
        EXPECT_TRUE(ab.istUngespeichert(DokAktionen));
        // The vehicle list's identifier text is none of the import's business.
        EXPECT_EQ(ab.kennungsListe, " 6A120344");
        if (antwort == Antwort::Nein) {
            EXPECT_EQ(e.uebersprungen, 3);
            EXPECT_EQ(ab.aktionen, vorher);
            continue;
        }
        EXPECT_EQ(e.ueberschrieben, 3);
        ASSERT_EQ(ab.aktionen.size(), 3u);
        EXPECT_EQ(ab.aktionen[0], aktion("6A120344", "3", 0, "alt 3", "Florian 1"));
        EXPECT_EQ(ab.aktionen[1], aktion("6A120344", "4", 1, "alt 4", "Florian 1"));
        EXPECT_EQ(ab.aktionen[2].rufname, NichtVorhanden);
    }
}

TEST_F(AktionenImportTest, JaUeberschreibtAlleEintraegeGleicherIdentitaet) {
    ab.aktionen = {aktion("11111111", "3", 0, "erster"), aktion("22222222", "3", 0, "anderer"),
                   aktion("11111111", "3", 0, "zweiter"), aktion("11111111", "3", 1, "andere Richtung")};
    rueckfrage.antworten = {Antwort::Ja};
    AktionenImportieren(ab, importDatei(aktionSatz("11111111", '3', '0', "neu")), rueckfrage, fortschritt);
    ASSERT_EQ(ab.aktionen.size(), 4u);
    EXPECT_EQ(ab.aktionen[0].aktion, "neu");
    EXPECT_EQ(ab.aktionen[1].aktion, "anderer");
    EXPECT_EQ(ab.aktionen[2].aktion, "neu");
    EXPECT_EQ(ab.aktionen[3].aktion, "andere Richtung");
}

TEST_F(AktionenImportTest, AbbrechenBehaeltDieSaetzeDavor) {
    ab.aktionen = {aktion("11111111", "3", 0, "da")};
    const QByteArray inhalt = aktionSatz("22222222", '1', '0', "neu 1") +
                              aktionSatz("11111111", '3', '0', "gleich") +
                              aktionSatz("33333333", '1', '0', "neu 2");
    rueckfrage.antworten = {Antwort::Abbrechen};
    const ImportErgebnis e = AktionenImportieren(ab, importDatei(inhalt), rueckfrage, fortschritt);
    EXPECT_TRUE(e.abgebrochen);
    ASSERT_EQ(ab.aktionen.size(), 2u);
    EXPECT_EQ(ab.aktionen[0].aktion, "da");
    EXPECT_EQ(ab.aktionen[1].aktion, "neu 1");
    EXPECT_TRUE(ab.istUngespeichert(DokAktionen)); // also after a cancel
}

TEST_F(AktionenImportTest, WiederholungenInDerDateiWerdenAlleAngehaengt) {
    const QByteArray satz = aktionSatz("11111111", '3', '0', "x");
    const ImportErgebnis e =
        AktionenImportieren(ab, importDatei(satz + satz + satz), rueckfrage, fortschritt);
    EXPECT_EQ(e.angehaengt, 3);
    EXPECT_EQ(ab.aktionen.size(), 3u);
    EXPECT_TRUE(rueckfrage.fragen.isEmpty());
    // Record k of n, counted from 1, from k/n to (k+1)/n, as the load draws.
    ASSERT_EQ(fortschritt.bereiche.size(), 3);
    EXPECT_DOUBLE_EQ(fortschritt.bereiche[0].von, 1.0 / 3);
    EXPECT_DOUBLE_EQ(fortschritt.bereiche.last().bis, 4.0 / 3);
}

TEST_F(AktionenImportTest, IdentitaetenVergleichen) {
    struct Fall {
        const char* name;
        std::vector<Aktion> vorhanden;
        QByteArray satz;
        bool gefragt;
    };
    const Fall faelle[] = {
        {"gleiche Identitaet",
         {aktion("12345678", "3", 0, "")},
         aktionSatz("12345678", '3', '0', "neu"),
         true},
        {"andere Richtung", {aktion("12345678", "3", 0, "")}, aktionSatz("12345678", '3', '1', "neu"), false},
        {"anderer Status", {aktion("12345678", "3", 0, "")}, aktionSatz("12345678", '4', '0', "neu"), false},
        {"leere Richtung ist Richtung 0",
         {aktion("12345678", "3", 0, "")},
         aktionSatz("12345678", '3', ' ', "neu"),
         true},
        {"Richtung x ist Richtung 0",
         {aktion("12345678", "3", 0, "")},
         aktionSatz("12345678", '3', 'x', "neu"),
         true},
        {"Richtung 2 ist weder 0 noch 1",
         {aktion("12345678", "3", 0, ""), aktion("12345678", "3", 1, "")},
         aktionSatz("12345678", '3', '2', "neu"),
         false},
        {"Richtung 2 trifft Richtung 2",
         {aktion("12345678", "3", 2, "")},
         aktionSatz("12345678", '3', '2', "neu"),
         true},
        {"Gross- und Kleinschreibung zaehlt",
         {aktion("6A120344", "3", 0, "")},
         aktionSatz("6a120344", '3', '0', "neu"),
         false},
        {"Blanks in der Kennung zaehlen",
         {aktion("1234 678", "3", 0, "")},
         aktionSatz("1234678 ", '3', '0', "neu"),
         false},
        {"kurze Kennung wie gespeichert",
         {aktion("1234", "3", 0, "")},
         aktionSatz("1234    ", '3', '0', "neu"),
         true},
        {"leerer Status wie gespeichert",
         {aktion("12345678", "", 1, "")},
         aktionSatz("12345678", ' ', '1', "neu"),
         true},
        // In a joined text " 1234567830 ABCDEFGH41" this record would be found across the border
        // of two entries, though no entry has its identity; it must be added, not lost.
        {"ueber die Grenze zweier Eintraege",
         {aktion("12345678", "3", 0, ""), aktion("ABCDEFGH", "4", 1, "")},
         aktionSatz("23456783", '0', ' ', "neu"),
         false},
        {"Teil einer laengeren Kennung",
         {aktion("X12345678", "3", 0, "")},
         aktionSatz("12345678", '3', '0', "neu"),
         false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ab.aktionen = f.vorhanden;
        rueckfrage.fragen.clear();
        rueckfrage.antworten = {Antwort::Ja};
        const ImportErgebnis e = AktionenImportieren(ab, importDatei(f.satz), rueckfrage, fortschritt);
        EXPECT_EQ(rueckfrage.fragen.size(), f.gefragt ? 1 : 0);
        // Asked and answered Ja: the entry is rewritten; otherwise the record is appended.
        EXPECT_EQ(e.ueberschrieben + e.angehaengt, 1);
        EXPECT_EQ(ab.aktionen.size(), f.vorhanden.size() + (f.gefragt ? 0 : 1));
        EXPECT_EQ(std::count_if(ab.aktionen.begin(), ab.aktionen.end(),
                                [](const Aktion& a) { return a.aktion == "neu"; }),
                  1);
    }
}
