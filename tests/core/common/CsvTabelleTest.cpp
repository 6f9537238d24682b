#include "core/common/CsvTabelle.h"

#include "core/undo/Rueckgaengig.h"
#include "support/Saetze.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

CsvImportBericht importieren(TestArbeitsbereich& t, CsvTabelle tabelle, const QByteArray& bytes) {
    const CsvDaten d = csvLesen(bytes);
    const bool kopf = csvKopfzeileVermutet(d, tabelle);
    return csvImportieren(t.ab, t.rueckfrage, tabelle, d, csvZuordnungVorschlagen(d, tabelle, kopf), kopf);
}

} // namespace

// A few columns in another order: each row of the file is a case the import must get right.
TEST(CsvTabelle, FahrzeugZeilenWerdenGeprueftGekuerztUndNachgefragt) {
    TestArbeitsbereich t;
    Fahrzeug alt = fahrzeug(QStringLiteral("6A121101"), QStringLiteral("ALT"));
    alt.bemerkung = QStringLiteral("bleibt");
    t.ab.fahrzeuge = {alt};
    t.rueckfrage.antworten = {Antwort::Ja};
    const QByteArray datei = "info;KENNUNG;Rufname\r\n"
                             "klein;6a121102;neu\r\n"        // lowercase made uppercase, added
                             "O statt 0;6A12110O;falsch\r\n" // refused with its line
                             "\r\n"                          // empty line: no row, but counted
                             "da;6A121101;\xC3\x9C"
                             "berlanger Name\r\n"           // present: Ja, name cut
                             "zweimal;6A121101;nochmal\r\n" // asked only once
                             "ohne;;leer\r\n";              // no identifier: refused
    const auto b = importieren(t, CsvTabelle::Fahrzeuge, datei);

    EXPECT_EQ(b.hinzugefuegt, 1);
    EXPECT_EQ(b.aktualisiert, 2);
    EXPECT_EQ(b.gekuerzt, 1);
    EXPECT_EQ(b.abgewiesen,
              (QStringList{QStringLiteral("Zeile 3: Kennung \"6A12110O\" ist keine achtstellige "
                                          "Hexadezimalzahl."),
                           QStringLiteral("Zeile 7: Kennung \"\" ist keine achtstellige "
                                          "Hexadezimalzahl.")}));
    ASSERT_EQ(t.rueckfrage.fragen.size(), 1);
    EXPECT_EQ(t.rueckfrage.fragen[0].titel, "Fahrzeuge Importieren");
    EXPECT_EQ(t.kennungen(), (QStringList{"6A121101", "6A121102"}));
    // Columns the file does not carry stay as they were.
    EXPECT_EQ(t.ab.fahrzeuge[0].rufname, QStringLiteral("nochmal   "));
    EXPECT_EQ(t.ab.fahrzeuge[0].bemerkung, "bleibt");
    EXPECT_EQ(t.ab.fahrzeuge[0].info.trimmed(), "zweimal");
    EXPECT_TRUE(t.ab.istUngespeichert(DokFahrzeugliste));
    EXPECT_TRUE(
        csvBerichtText(b).contains(QStringLiteral("1 hinzugef\u00fcgt, 2 aktualisiert, 0 \u00fcbersprungen, "
                                                  "2 abgewiesen.")));

    // The whole import is one step.
    ASSERT_TRUE(Rueckgaengig(t.ab));
    EXPECT_EQ(t.ab.fahrzeuge, std::vector<Fahrzeug>{alt});
    EXPECT_FALSE(t.ab.verlauf.kannRueckgaengig());
}

// A header is guessed only from a column name in the first row, so a file without one keeps
// its first row; without a header the columns go by their place, even when the first row holds
// column names.
TEST(CsvTabelle, KopfzeileNurWennVermutet) {
    EXPECT_FALSE(csvKopfzeileVermutet(csvLesen(""), CsvTabelle::Fahrzeuge));
    EXPECT_FALSE(csvKopfzeileVermutet(csvLesen("6A121101;RTW\r\n"), CsvTabelle::Fahrzeuge));
    const CsvDaten d = csvLesen("Kennung;Rufname\r\n");
    EXPECT_TRUE(csvKopfzeileVermutet(d, CsvTabelle::Fahrzeuge));
    EXPECT_EQ(csvZuordnungVorschlagen(d, CsvTabelle::Fahrzeuge, false), (std::vector<int>{0, 1}));
    EXPECT_EQ(csvZuordnungVorschlagen(d, CsvTabelle::Fahrzeuge, true), (std::vector<int>{1, 0}));
}

// Whatever a table exports, an empty workspace imports back to the same export, in every
// separator and code; and the choice is kept apart from the host's settings.
TEST(CsvTabelle, ExportUndImportGebenDieselbeTabelle) {
    const struct {
        CsvTabelle tabelle;
        CsvFormat format;
    } faelle[] = {
        {CsvTabelle::Fahrzeuge, {u';', CsvKodierung::Utf8}},
        {CsvTabelle::Fahrzeuge, {u',', CsvKodierung::Ansi}},
        {CsvTabelle::Orte, {u'\t', CsvKodierung::Utf8}},
        {CsvTabelle::Aktionen, {u';', CsvKodierung::Ansi}},
    };
    for (const auto& f : faelle) {
        AktionenArbeitsbereich quelle;
        quelle.ab.bosName = nummerierteBosNamen();
        Fahrzeug a = fahrzeug(QStringLiteral("6A121101"), QStringLiteral("Fl\u00f6rian;1"));
        a.bemerkung = QStringLiteral("zwei\nZeilen \"zitiert\"");
        quelle.ab.fahrzeuge = {a, fahrzeug(QStringLiteral("6A121102"), QStringLiteral("RTW"))};
        quelle.ab.orte.satzEinfuegen(
            QString::fromLatin1(orteSatz('6', "A12", QStringLiteral("M\u00fcnchen"))));
        quelle.ab.orte.satzEinfuegen(
            QString::fromLatin1(orteSatz('9', "A12", QStringLiteral("M\u00fcnchen"))));
        quelle.ab.aktionen = {aktion(QStringLiteral("6A121101"), QStringLiteral("3"), 1,
                                     QStringLiteral("x.exe *?"), a.rufname)};
        const QByteArray export1 = csvExportieren(quelle.ab, f.tabelle, f.format);
        if (f.tabelle == CsvTabelle::Orte) {
            EXPECT_EQ(export1.count('\n'), 3) << "the header and a row for each of the place's two BOS";
        }

        AktionenArbeitsbereich ziel;
        ziel.ab.bosName = nummerierteBosNamen();
        ziel.ab.fahrzeuge = quelle.ab.fahrzeuge; // the actions look their call names up here
        if (f.tabelle == CsvTabelle::Fahrzeuge)
            ziel.ab.fahrzeuge.clear();
        const auto b = importieren(ziel, f.tabelle, export1);
        EXPECT_TRUE(b.abgewiesen.isEmpty()) << b.abgewiesen.join(' ').toStdString();
        EXPECT_EQ(csvExportieren(ziel.ab, f.tabelle, f.format), export1)
            << csvTabellenName(f.tabelle).toStdString();

        csvFormatSpeichern(ziel.speicher, f.format);
        EXPECT_EQ(csvFormatLesen(ziel.speicher), f.format);
        EXPECT_TRUE(ziel.speicher.alleLesen(anwendung::Velastat, QStringLiteral("CSV")).isEmpty());
    }
}
