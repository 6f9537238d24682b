#include "core/actions/Aktionsliste.h"
#include "support/Saetze.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
class AktionenImportTest : public ::testing::Test, protected AktionenArbeitsbereich {
protected:
    ImportErgebnis importieren(const QByteArray& inhalt) {
        return AktionenImportieren(ab, datei(QStringLiteral("import%1.bin").arg(++m_nr), inhalt), rueckfrage,
                                   fortschritt);
    }
    int m_nr = 0;
};
} // namespace

// A record with the identity of an entry that was there before asks once for the whole file:
// Ja rewrites every entry of that identity (with the call name the list has now), Nein skips,
// Abbrechen keeps what came before. Repeats within the file itself are all appended.
TEST_F(AktionenImportTest, BekannteIdentitaetFragtEinmal) {
    const QByteArray datei =
        aktionSatz("22222222", '1', '0', "neu 1") + aktionSatz("11111111", '3', '0', "neu") +
        aktionSatz("33333333", '1', '0', "neu 2") + aktionSatz("11111111", '3', '0', "neu") +
        aktionSatz("11111111", '4', '1', "neu 3");
    const struct {
        Antwort antwort;
        QStringList aktionen; // the list afterwards
        ImportErgebnis ergebnis;
    } faelle[] = {
        {Antwort::Ja,
         {"neu", "anderer", "neu", "andere Richtung", "neu 1", "neu 2", "neu 3"},
         {true, 3, 2, 0, false}},
        {Antwort::Nein,
         {"erster", "anderer", "zweiter", "andere Richtung", "neu 1", "neu 2", "neu 3"},
         {true, 3, 0, 2, false}},
        {Antwort::Abbrechen,
         {"erster", "anderer", "zweiter", "andere Richtung", "neu 1"},
         {true, 1, 0, 0, true}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(int(f.antwort));
        ab.fahrzeuge = {fahrzeug("11111111", "Florian 1")};
        ab.aktionen = {aktion("11111111", "3", 0, "erster"), aktion("22222222", "3", 0, "anderer"),
                       aktion("11111111", "3", 0, "zweiter"), aktion("11111111", "3", 1, "andere Richtung")};
        ab.alleFreigeben();
        rueckfrage.fragen.clear();
        rueckfrage.antworten = {f.antwort};
        const ImportErgebnis e = importieren(datei);
        QStringList texte;
        for (const Aktion& a : ab.aktionen)
            texte << a.aktion;
        EXPECT_EQ(texte, f.aktionen);
        EXPECT_EQ(e.angehaengt, f.ergebnis.angehaengt);
        EXPECT_EQ(e.ueberschrieben, f.ergebnis.ueberschrieben);
        EXPECT_EQ(e.uebersprungen, f.ergebnis.uebersprungen);
        EXPECT_EQ(e.abgebrochen, f.ergebnis.abgebrochen);
        ASSERT_EQ(rueckfrage.fragen.size(), 1);
        EXPECT_EQ(rueckfrage.fragen[0].titel, "Aktionen Importieren");
        EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
        EXPECT_TRUE(ab.istUngespeichert(DokAktionen)) << "also after a cancel";
        if (f.antwort == Antwort::Ja) {
            EXPECT_EQ(ab.aktionen[0], aktion("11111111", "3", 0, "neu", "Florian 1"));
        }
    }
}

// A file imported into itself asks once and, answered Nein, leaves the list as it was.
TEST_F(AktionenImportTest, InSichSelbst) {
    const QString pfad =
        datei("Aktion.BIN", aktionSatz("6A120344", '3', '0', "a") + aktionSatz("6A120344", '4', '1', "b") +
                                aktionSatz("6A12 034", '4', '1', "c"));
    ASSERT_EQ(AktionenLaden(ab, pfad, rueckfrage, fortschritt), LadeErgebnis::Geladen);
    const auto vorher = ab.aktionen;
    ab.kennungsListe = QStringLiteral(" 6A120344");
    rueckfrage.antworten = {Antwort::Nein};
    EXPECT_EQ(AktionenImportieren(ab, pfad, rueckfrage, fortschritt).uebersprungen, 3);
    EXPECT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(ab.aktionen, vorher);
    EXPECT_EQ(ab.kennungsListe, " 6A120344")
        << "the vehicle list's identifier text is none of the import's business";
}

// What makes two actions the same: identifier, status and direction as the record holds them
// (entries written "Kennung/Status/Richtung").
TEST_F(AktionenImportTest, IdentitaetenVergleichen) {
    const struct {
        const char* name;
        QStringList vorhanden;
        QByteArray satz;
        bool gefragt;
    } faelle[] = {
        {"gleiche Identitaet", {"12345678/3/0"}, aktionSatz("12345678", '3', '0', "neu"), true},
        {"andere Richtung", {"12345678/3/0"}, aktionSatz("12345678", '3', '1', "neu"), false},
        {"anderer Status", {"12345678/3/0"}, aktionSatz("12345678", '4', '0', "neu"), false},
        {"leere Richtung ist Richtung 0", {"12345678/3/0"}, aktionSatz("12345678", '3', ' ', "neu"), true},
        {"Richtung x ist Richtung 0", {"12345678/3/0"}, aktionSatz("12345678", '3', 'x', "neu"), true},
        {"Richtung 2 ist weder 0 noch 1",
         {"12345678/3/0", "12345678/3/1"},
         aktionSatz("12345678", '3', '2', "neu"),
         false},
        {"Richtung 2 trifft Richtung 2", {"12345678/3/2"}, aktionSatz("12345678", '3', '2', "neu"), true},
        {"Gross- und Kleinschreibung zaehlt",
         {"6A120344/3/0"},
         aktionSatz("6a120344", '3', '0', "neu"),
         false},
        {"Blanks in der Kennung zaehlen", {"1234 678/3/0"}, aktionSatz("1234678 ", '3', '0', "neu"), false},
        {"kurze Kennung wie gespeichert", {"1234/3/0"}, aktionSatz("1234    ", '3', '0', "neu"), true},
        {"leerer Status wie gespeichert", {"12345678//1"}, aktionSatz("12345678", ' ', '1', "neu"), true},
        // In a joined text " 1234567830 ABCDEFGH41" this record would be found across the border
        // of two entries, though no entry has its identity; it must be added, not lost.
        {"ueber die Grenze zweier Eintraege",
         {"12345678/3/0", "ABCDEFGH/4/1"},
         aktionSatz("23456783", '0', ' ', "neu"),
         false},
        {"Teil einer laengeren Kennung", {"X12345678/3/0"}, aktionSatz("12345678", '3', '0', "neu"), false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ab.aktionen.clear();
        for (const QString& a : f.vorhanden)
            ab.aktionen.push_back(
                aktion(a.section('/', 0, 0), a.section('/', 1, 1), a.section('/', 2).toInt(), ""));
        rueckfrage.fragen.clear();
        rueckfrage.antworten = {Antwort::Ja};
        const ImportErgebnis e = importieren(f.satz);
        EXPECT_EQ(rueckfrage.fragen.size(), f.gefragt ? 1 : 0);
        EXPECT_EQ(e.ueberschrieben, f.gefragt ? 1 : 0);
        EXPECT_EQ(qsizetype(ab.aktionen.size()), f.vorhanden.size() + (f.gefragt ? 0 : 1));
    }
}
