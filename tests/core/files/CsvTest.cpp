#include "core/files/Csv.h"

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
QStringList zellen(const CsvDaten& d) {
    QStringList alle;
    for (const CsvZeile& z : d.zeilen)
        alle.append(QString::number(z.zeile) + QLatin1Char(':') + z.felder.join(QLatin1Char('|')));
    return alle;
}
} // namespace

// Each row names the reading fault it catches.
TEST(Csv, LesenUeberTueckischeDateien) {
    const struct {
        const char* fehler;
        QByteArray bytes;
        QStringList erwartet; // "line:field|field"
        QChar trenner;
        CsvKodierung kodierung;
    } faelle[] = {
        {"Trenner in Anfuehrungszeichen teilt das Feld",
         "a;\"b;c\";d\n",
         {"1:a|b;c|d"},
         u';',
         CsvKodierung::Utf8},
        {"verdoppelte Anfuehrungszeichen bleiben doppelt",
         "\"sagt \"\"ja\"\"\";x\r\n",
         {"1:sagt \"ja\"|x"},
         u';',
         CsvKodierung::Utf8},
        {"CR LF und LF gemischt", "a;b\r\nc;d\ne;f", {"1:a|b", "2:c|d", "3:e|f"}, u';', CsvKodierung::Utf8},
        {"Zeilenumbruch im Feld zaehlt die Zeilen weiter",
         "\"x\r\ny\";1\nz;2\n",
         {"1:x\r\ny|1", "3:z|2"},
         u';',
         CsvKodierung::Utf8},
        {"BOM gehoert nicht in die erste Zelle",
         "\xEF\xBB\xBFRufname;Kennung\n",
         {"1:Rufname|Kennung"},
         u';',
         CsvKodierung::Utf8},
        {"Windows-1252-Umlaute", "M\xFCnchen;\x80\n", {"1:M\u00fcnchen|\u20ac"}, u';', CsvKodierung::Ansi},
        {"UTF-8-Umlaute", "M\xC3\xBCnchen;x\n", {"1:M\u00fcnchen|x"}, u';', CsvKodierung::Utf8},
        {"leere Zeilen fallen weg, Nummern bleiben",
         "a\n\n;;\r\n\nb\n",
         {"1:a", "5:b"},
         u';',
         CsvKodierung::Utf8},
        {"Komma erkannt", "a,b,\"c;d\"\n", {"1:a|b|c;d"}, u',', CsvKodierung::Utf8},
        {"Tabulator erkannt", "a\tb\n", {"1:a|b"}, u'\t', CsvKodierung::Utf8},
        {"ungleich lange Zeilen", "a;b;c\nd\n", {"1:a|b|c", "2:d"}, u';', CsvKodierung::Utf8},
        {"nur Kopfzeile", "Rufname;Kennung", {"1:Rufname|Kennung"}, u';', CsvKodierung::Utf8},
        {"leeres letztes Feld bleibt", "a;\n", {"1:a|"}, u';', CsvKodierung::Utf8},
    };
    for (const auto& f : faelle) {
        const CsvDaten d = csvLesen(f.bytes);
        EXPECT_TRUE(d) << f.fehler << ": " << d.fehler.toStdString();
        EXPECT_EQ(zellen(d), f.erwartet) << f.fehler;
        EXPECT_EQ(d.format.trenner, f.trenner) << f.fehler;
        EXPECT_EQ(d.format.kodierung, f.kodierung) << f.fehler;
    }
}

TEST(Csv, KeineTextdateiWirdMitZeileAbgewiesen) {
    const struct {
        const char* fall;
        QByteArray bytes;
        QString meldung;
    } faelle[] = {
        {"Nullbyte", QByteArray("a;b\nc\0d\n", 8), QStringLiteral("Zeile 2 enth\u00e4lt Steuerzeichen")},
        {"Satzdatei in Anfuehrungszeichen", QByteArray("\"x\n\x01", 4),
         QStringLiteral("Zeile 2 enth\u00e4lt")},
        {"offenes Anfuehrungszeichen", "a\n\"b;c\nd\n", QStringLiteral("Anf\u00fchrungszeichen in Zeile 2")},
    };
    for (const auto& f : faelle) {
        const CsvDaten d = csvLesen(f.bytes);
        EXPECT_FALSE(d) << f.fall;
        EXPECT_TRUE(d.fehler.contains(f.meldung)) << f.fall << ": " << d.fehler.toStdString();
        EXPECT_TRUE(d.zeilen.empty()) << f.fall;
    }
}

// Whatever the writer makes, the reader gives back, in both codes and with every separator.
TEST(Csv, GeschriebenesKommtZurueck) {
    const QStringList tueckisch = {QStringLiteral("a;b,c\td"),
                                   QStringLiteral("\"zitiert\""),
                                   QStringLiteral("zwei\r\nZeilen\nund"),
                                   QStringLiteral("  Blanks  "),
                                   QStringLiteral("\u00c4rger \u20ac"),
                                   QString(),
                                   QString(1 << 20, u'x')};
    for (const QChar trenner : {u';', u',', u'\t'})
        for (const CsvKodierung kodierung : {CsvKodierung::Utf8, CsvKodierung::Ansi}) {
            CsvSchreiber s(trenner);
            for (int zeile = 0; zeile < 2; ++zeile) {
                for (const QString& t : tueckisch)
                    s.feld(t);
                s.zeileEnde();
            }
            const CsvDaten d = csvLesen(s.bytes(kodierung));
            ASSERT_TRUE(d) << d.fehler.toStdString();
            ASSERT_EQ(d.zeilen.size(), 2u);
            EXPECT_EQ(d.zeilen[0].felder, tueckisch);
            EXPECT_EQ(d.zeilen[1].zeile, 4); // the line breaks inside the fields counted
            EXPECT_EQ(d.format, (CsvFormat{trenner, kodierung}));
        }
}
