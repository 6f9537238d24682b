// Writes the seed files of fuzz/corpus: valid files and files named after the fault they
// carry. The output is checked in; rerun after adding a seed here:
//   build/tests/korpus_erzeugen fuzz/corpus
// Inputs that once broke a harness are kept in the same folders under the name "fund_...".
// The records are built as the tests build them (tests/support).
#include "core/files/Ansi.h"
#include "core/files/BuendelDatei.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/StatusDatei.h"
#include "support/Saetze.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace tabulo;
using namespace tabulo::test;

namespace {

QString wurzel;

// A literal with the zero bytes inside it.
template <std::size_t N> QByteArray roh(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

void schreiben(const char* harness, const QByteArray& name, const QByteArray& daten) {
    const QString ordner = wurzel + QLatin1Char('/') + QLatin1String(harness);
    QDir().mkpath(ordner);
    QFile datei(ordner + QLatin1Char('/') + QString::fromLatin1(name));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size()) {
        std::fprintf(stderr, "cannot write %s/%s\n", harness, name.constData());
        std::exit(1);
    }
}

// The harnesses of whole files take a choice byte first: one seed per choice.
void jeWahl(const char* harness, const QByteArray& name, int wahlen, const QByteArray& daten) {
    for (char wahl = 0; wahl < wahlen; ++wahl)
        schreiben(harness, name + '_' + QByteArray::number(wahl), wahl + daten);
}

QByteArray alleBytes() {
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b.append(static_cast<char>(i));
    return b;
}

// --- Status.BIN ------------------------------------------------------------------------------

void statusSaat() {
    const QByteArray gemischt =
        statusDatei({statusSatz(1, "RTW 1/83-1", "6A123456"), statusSatz(2, "Wache Nord   "),
                     statusSatz(1, "Unbekannt", "FFFFFFFF"), statusSatz(1, "nicht hex", "ZZ12xy!?"),
                     statusSatz(2, alleBytes().mid(128, 30))});
    schreiben("status_datei", "gueltig_gemischt", gemischt);
    schreiben("status_datei", "gueltig_alle_frei", statusDatei({}));
    schreiben("status_datei", "art_7", statusDatei({statusSatz(7, "fremde Daten", "ABCDEFGH")}));
    schreiben("status_datei", "art_200",
              statusDatei({statusSatz(200, alleBytes().left(30), "\x80\x81\x8d\x8f\x90\x9d\xff")}));
    schreiben("status_datei", "zu_kurz_16639", gemischt.left(StatusDateiLaenge - 1));
    schreiben("status_datei", "zu_lang_16641", gemischt + 'x');
    schreiben("status_datei", "leer", {});
    schreiben("status_datei", "ein_satz", statusSatz(1, "RTW", "12345678"));
    schreiben("status_datei", "halber_satz", statusSatz(2, "Text").left(20));
    schreiben("status_datei", "text_nur_leerzeichen", statusDatei({statusSatz(2, QByteArray(30, ' '))}));

    // Choice: menu load, start-up read of the overview, start-up read of the vehicles.
    const QByteArray laden =
        statusDatei({statusSatz(1, "RTW 1 lang genug", "6A123456"), statusSatz(1, "NEF", "6A123457"),
                     statusSatz(1, "weg", "6A999999"), statusSatz(2, "Text  ", "12345678"),
                     statusSatz(7, "sieben", "ABCDEFGH")});
    jeWahl("status_laden", "gemischt", 3, laden);
    jeWahl("status_laden", "zu_kurz", 3, laden.left(StatusDateiLaenge - 1));
    jeWahl("status_laden", "zu_lang", 3, laden + "x");
    jeWahl("status_laden", "leer", 3, {});
}

// --- Fahrzeug.BIN ----------------------------------------------------------------------------

QByteArray fahrzeugSatz(const char* kennung, const char* rufname, quint8 stat, quint8 f1, quint8 f2) {
    Fahrzeug f = fahrzeug(QString::fromLatin1(kennung), QString::fromLatin1(rufname), QString::number(stat),
                          QStringLiteral("12:34:56"), QStringLiteral("Wache S\u00fcd"));
    f.bemerkung = QStringLiteral("Bemerkung \u20ac");
    fahrzeugAuffuellen(f);
    QByteArray s = fahrzeugSatzSchreiben(f, true);
    s[48] = static_cast<char>(f1);
    s[49] = static_cast<char>(f2);
    return s;
}

void fahrzeugSaat() {
    const QByteArray zwei =
        fahrzeugSatz("6A123456", "RTW 1", 2, 0, 1) + fahrzeugSatz("6A123457", "NEF", 7, 0, 0);
    schreiben("fahrzeug_datei", "gueltig_zwei", zwei);
    schreiben("fahrzeug_datei", "leer", {});
    schreiben("fahrzeug_datei", "laenge_409", zwei.left(FahrzeugSatzLaenge) + 'x');
    schreiben("fahrzeug_datei", "laenge_407", zwei.left(FahrzeugSatzLaenge - 1));
    schreiben("fahrzeug_datei", "status_200", fahrzeugSatz("6A123456", "RTW", 200, 0, 0));
    schreiben("fahrzeug_datei", "status_255_folge_10_99", fahrzeugSatz("6A123456", "RTW", 255, 10, 99));
    schreiben("fahrzeug_datei", "kennung_nicht_hex", fahrzeugSatz("ZZ!? xy\x01", "", 0, 255, 255));
    schreiben("fahrzeug_datei", "alle_bytes", (alleBytes() + alleBytes()).left(FahrzeugSatzLaenge));
    // The column pieces (one per line) that the writer half of the harness takes.
    schreiben("fahrzeug_datei", "spalten_hostil",
              "abcdefghijklmnop\n12345678901\n99999999999\n-1\n1e308\nBemerkung\n-99999999999999999999\n"
              "\xe2\x82\xac\xf0\x9f\x9a\x91");
    schreiben("fahrzeug_datei", "spalten_zahlen", "RTW\n6A123456\n256\nabc\n \n\n+7.9\n");

    // Choice: load or import, and the answer to the question about known identifiers.
    const QByteArray bekanntUndNeu = fahrzeugSatz("6A123456", "RTW neu", 3, 0, 1) +
                                     fahrzeugSatz("6A999999", "KTW", 1, 0, 0) +
                                     fahrzeugSatz("6A999999", "KTW 2", 200, 12, 5);
    jeWahl("fahrzeugliste", "bekannt_und_neu", 6, bekanntUndNeu);
    jeWahl("fahrzeugliste", "laenge_409", 6, bekanntUndNeu.left(409));
    schreiben("fahrzeugliste", "leer_laden", QByteArray(1, '\0'));
    schreiben("fahrzeugliste", "leer_importieren", QByteArray(1, '\1'));
}

// --- Orte.BIN --------------------------------------------------------------------------------

// n places numbered from "Ort 0", the BOS digit running through 0..F.
QByteArray orte(int n, int jeName) {
    QByteArray d;
    for (int i = 0; i < n; ++i)
        d += orteSatz("0123456789ABCDEF"[i % 16], "A00", "Ort " + QString::number(i / jeName));
    return d;
}

void orteSaat() {
    const QByteArray zwei = orteSatz('7', "A23", "Musterstadt") + orteSatz('9', "A23", "Musterstadt");
    schreiben("orte_datei", "gueltig_bos_7_und_9", zwei + orteSatz('7', "A24", "Beispieldorf"));
    schreiben("orte_datei", "leer", {});
    schreiben("orte_datei", "laenge_55", orteSatz('1', "123", "x") + 'x');
    schreiben("orte_datei", "bos_klein_b_und_ungueltig",
              orteSatz('b', "123", "Ort") + orteSatz('G', "123", "Ort") +
                  orteSatz('\0', "\xff\x80?", ansiNachText(alleBytes().mid(200, 50))));
    schreiben("orte_datei", "tabelle_voll_210_orte", orte(210, 1));
    schreiben("orte_datei", "251_saetze", orte(251, 16));
    schreiben("orte_datei", "250_saetze", orte(250, 16));

    // Choice: load, import, reload or start-up read.
    jeWahl("orte_laden", "zwei", 4, zwei);
    jeWahl("orte_laden", "laenge_55", 4, zwei.left(55));
    jeWahl("orte_laden", "251_orte", 4, orte(251, 1));
    jeWahl("orte_laden", "leer", 4, {});
}

// --- Aktion.BIN ------------------------------------------------------------------------------

void aktionSaat() {
    schreiben("aktion_datei", "gueltig_drei",
              aktionSatz("6A123456", '3', '0', "C:\\\\Programme\\\\x.exe 1") +
                  aktionSatz("6A12 034", '4', '1', "   vorn leer") + aktionSatz("6A123457", ' ', ' ', ""));
    schreiben("aktion_datei", "leer", {});
    schreiben("aktion_datei", "laenge_138", aktionSatz("6A123456", '3', '0', "x") + 'x');
    schreiben("aktion_datei", "richtung_5", aktionSatz("6A123456", '3', '5', "x"));
    schreiben("aktion_datei", "richtung_steuerzeichen",
              aktionSatz("\x80\x81\x8d\x8f\x90\x9d\x01", '\0', '\xff', alleBytes()));
    schreiben("aktion_datei", "spalten_hostil",
              QByteArray(300, 'K') + "\n\xe2\x82\xac\xe2\x82\xac\n" + QByteArray(500, 'a') + "\n\x01");

    // Choice: bit 0 import, the rest the answer to the question about known actions.
    const QByteArray bekanntUndNeu =
        aktionSatz("6A123456", '3', '0', "neu.exe") + aktionSatz("6A123456", '4', '1', "  x") +
        aktionSatz("6A999999", '5', ' ', "") + aktionSatz("6A999999", '5', ' ', "doppelt");
    jeWahl("aktionen_laden", "bekannt_und_neu", 6, bekanntUndNeu);
    jeWahl("aktionen_laden", "laenge_138", 6, bekanntUndNeu.left(138));
    jeWahl("aktionen_laden", "richtung_5", 6, bekanntUndNeu + aktionSatz("6A123456", '1', '5', "x"));
    schreiben("aktionen_laden", "leer_laden", QByteArray(1, '\0'));
    schreiben("aktionen_laden", "leer_importieren", QByteArray(1, '\1'));
}

// --- Einstellungen.BIN -----------------------------------------------------------------------

QByteArray zeile(const QString& s, const QString& k, const QString& w) {
    return buendelZeileSchreiben({s, k, w});
}

void buendelSaat() {
    QByteArray gueltig;
    for (int w = 1; w <= 8; ++w)
        gueltig += zeile(QStringLiteral("Fahrzeug\u00fcbersicht"), QString::number(w),
                         QStringLiteral("Wache \"%1\"").arg(w));
    for (int s = 0; s <= 9; ++s)
        gueltig += zeile(QStringLiteral("Statusfarben"), QString::number(s), QString::number(255 * s));
    gueltig += zeile(QStringLiteral("Einstellungen"), QStringLiteral("TgVorlaufMin"), QStringLiteral("14"));
    schreiben("buendel_datei", "gueltig_alle_gruppen", gueltig);
    schreiben("buendel_datei", "leer", {});
    schreiben("buendel_datei", "nur_zeilenenden", "\r\n\n\r\r\n");
    schreiben("buendel_datei", "fehlendes_anfuehrungszeichen",
              "\"Statusfarben\",\"4\",\"255\r\n\"a\",\"b\",\"c\"\r\n");
    schreiben("buendel_datei", "vier_felder_und_zwei", "\"a\",\"b\",\"c\",\"d\"\r\n\"a\",\"b\"\r\n");
    schreiben("buendel_datei", "unquotiert_mit_leerzeichen",
              " Statusfarben , 4 , 255 \r\n\"x\" ,\"y\"  ,  \"z\"\n");
    schreiben("buendel_datei", "schluessel_ausser_bereich",
              "\"Fahrzeug\xfc"
              "bersicht\",\"0\",\"a\"\r\n\"Fahrzeug\xfc"
              "bersicht\",\"-1\",\"b\"\r\n"
              "\"Fahrzeug\xfc"
              "bersicht\",\"99999999999\",\"c\"\r\n\"Statusfarben\",\"11\",\"abc\"\r\n"
              "\"Statusfarben\",\"-1\",\"-1\"\r\n\"Statusfarben\",\"10\",\"99999999999\"\r\n");
    schreiben("buendel_datei", "titel_10000_zeichen",
              zeile(QStringLiteral("Fahrzeug\u00fcbersicht"), QStringLiteral("1"),
                    QString(10000, QLatin1Char('T'))));
    schreiben("buendel_datei", "nullbytes_und_steuerzeichen", roh("\"a\0b\",\"\x01\",\"\x80\x81\"\r\n"));
    // Fields for the writer half (separated by zero bytes): a line break inside a value.
    schreiben("buendel_datei", "wert_mit_zeilenumbruch",
              roh("Fahrzeug\xc3\xbc"
                  "bersicht\0"
                  "1\0Wache\r\nNord"));
    schreiben("buendel_datei", "wert_mit_anfuehrung",
              roh("Statusfarben\0"
                  "4\0\"\"2\"55\""));

    // The bundle load: a choice byte (bit 0 general settings, bit 1 titles, bit 2 colours) and
    // the file.
    const QDir quelle(wurzel + QStringLiteral("/buendel_datei"));
    for (const QString& name : quelle.entryList(QDir::Files)) {
        QFile datei(quelle.filePath(name));
        if (!datei.open(QIODevice::ReadOnly) || name.startsWith(QLatin1String("wert_mit")))
            continue;
        const QByteArray inhalt = datei.readAll();
        schreiben("buendel_laden", name.toUtf8() + "_alle", '\7' + inhalt);
        schreiben("buendel_laden", name.toUtf8() + "_nur_titel", '\2' + inhalt);
    }
}

// --- Settings store --------------------------------------------------------------------------

// One value per line in the order start-up reads them: directions 0-1, colours 0-9, titles 1-8,
// then BOS and Landeskennung names 0-15 alternating. A line "\x01" leaves the key absent.
QByteArray werte(const QList<QByteArray>& vorne) {
    QByteArray d;
    for (int i = 0; i < 2 + 10 + 8 + 32; ++i)
        d += (i < vorne.size() ? vorne[i] : QByteArray("\x01")) + '\n';
    return d;
}

void einstellungenSaat() {
    schreiben("einstellungen", "alles_fehlt", werte({}));
    schreiben("einstellungen", "alles_leer", QByteArray(52, '\n'));
    schreiben("einstellungen", "farben_hostil",
              werte({"FZ->LST", "LST->FZ", "abc", "-1", "99999999999", " 255", "255 ", "0x00FF", "16777216",
                     "4294967295", "2147483658", "1e3"}));
    schreiben("einstellungen", "farben_grenzen",
              werte({"\x01", "\x01", "0", "16777215", "00", "+5", "\xff\xfe", "", "\xd9\xa3", "8.5", "-0",
                     "\x01"}));
    QList<QByteArray> titel(12, "\x01");
    titel << QByteArray(10000, 'T') << ""
          << "\"Anf\xc3\xbchrung\""
          << "Zeile\rUmbruch" << roh("nul\0l");
    schreiben("einstellungen", "titel_10000_zeichen", werte(titel));
    // After the 52 values of start-up: TgVorlaufMin, TgVorlaufMax, Spaltenbreite.
    schreiben("einstellungen", "vorlauf_hostil", werte({}) + "99999999999\n-65536\n\xef\xbc\x95\n");
    schreiben("einstellungen", "vorlauf_halb_und_bruch", werte({}) + "99.5\n100.5\n2999.9999\n");
    schreiben("einstellungen", "vorlauf_leer", werte({}) + "\n \n-\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s fuzz/corpus\n", argv[0]);
        return 2;
    }
    wurzel = QString::fromLocal8Bit(argv[1]);
    statusSaat();
    fahrzeugSaat();
    orteSaat();
    aktionSaat();
    buendelSaat();
    einstellungenSaat();
    return 0;
}
