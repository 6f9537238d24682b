#include "core/files/AktionDatei.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/IniSpeicher.h"
#include "core/files/StatusDatei.h"
#include "support/Saetze.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

struct Lauf {
    int code = -1;
    QString aus, fehler;
};

Lauf cli(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(TABULO_CLI), argumente);
    p.waitForFinished(60000);
    // Windows ends the lines of a console program's output with CR LF.
    const auto text = [](const QByteArray& b) { return QString::fromUtf8(b).replace("\r\n", "\n"); };
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, text(p.readAllStandardOutput()),
            text(p.readAllStandardError())};
}

QByteArray status(const std::vector<std::pair<QString, QString>>& fahrzeugFelder) {
    QByteArray daten;
    for (int i = 0; i < AnzahlFelder; ++i) {
        Feld f;
        f.feldtyp = i < int(fahrzeugFelder.size()) ? FeldFahrzeug : FeldFrei;
        if (f.feldtyp == FeldFahrzeug)
            std::tie(f.fahrzeug, f.kennung) = fahrzeugFelder[i];
        daten += statusSatzSchreiben(f);
    }
    return daten;
}

// A small fleet with one mistake of each table: a field whose vehicle is gone, an identifier with
// the letter O, an action for an unknown vehicle; names from an INI file of its own.
class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        dateiAnlegen(pfad("Status.BIN"), status({{"RTW 1", "6A121101"}, {"RTW 9", "6A129999"}}));
        dateiAnlegen(pfad("Fahrzeug.BIN"), fahrzeugSatzSchreiben(fahrzeug("6A121101", "RTW 1"), true) +
                                               fahrzeugSatzSchreiben(fahrzeug("6A12110O", "RTW 2"), false));
        dateiAnlegen(pfad("Orte.BIN"), "6A12" + QByteArray("Wache Nord").leftJustified(50));
        dateiAnlegen(pfad("Aktion.BIN"), aktionSatzSchreiben("6A121101", "3", 0, "alarm 1") +
                                             aktionSatzSchreiben("8B000001", "3", 1, "alarm 2"));
        IniSpeicher ini(ordner.filePath("VELASTAT.ini"));
        ini.speichern({}, QStringLiteral("BOS-Kennung"), QStringLiteral("6"), QStringLiteral("Feuerwehr"));
        ini.speichern({}, QStringLiteral("Landeskennung"), QStringLiteral("10"), QStringLiteral("Bayern"));
    }
    QString pfad(const char* name) const { return daten.filePath(QString::fromLatin1(name)); }

    QTemporaryDir ordner;
    QDir daten{ordner.filePath("flotte")};
};

} // namespace

TEST_F(Cli, AusgabeAufKleinerFlotte) {
    const QString ini = ordner.filePath("VELASTAT.ini");
    dateiAnlegen(pfad("Fahrzeug2.BIN"), fahrzeugSatzSchreiben(fahrzeug("6A121101", "RTW 5"), true) +
                                            fahrzeugSatzSchreiben(fahrzeug("6A12110O", "RTW 2"), false) +
                                            fahrzeugSatzSchreiben(fahrzeug("6A121103"), false));
    struct Fall {
        const char* name;
        QStringList argumente;
        int code;
        QString aus;
    };
    const Fall faelle[] = {
        {"check with decoded identifiers",
         {"pruefen", daten.path(), "--einstellungen", ini},
         2,
         "Fehler: Status.BIN, Feld 2 (Fenster 1): Das Feld zeigt Kennung \"6A129999\", die in der "
         "Fahrzeugliste "
         "fehlt; es erscheint als frei.\n"
         "    6A129999 = BOS 6 (Feuerwehr), Land A (Bayern), Ort 12 (Wache Nord), Fahrzeug 9999\n"
         "Fehler: Fahrzeug.BIN, Satz 2: Kennung \"6A12110O\" ist keine achtstellige Hexadezimalzahl.\n"
         "Warnung: Aktion.BIN, Satz 2: Aktion f\u00fcr Kennung \"8B000001\", die in der Fahrzeugliste "
         "fehlt.\n"
         "    8B000001 = BOS 8 (Undefiniert), Land B (Undefiniert), Ort 00 (kein Ortsname), Fahrzeug 0001\n"
         "Hinweis: Fahrzeug.BIN, Satz 2: 1 von 2 Fahrzeugen stehen in keinem Feld.\n"
         "ORDNER: 2 Fehler, 1 Warnung, 1 Hinweis.\n"},
        {"places as text",
         {"zeigen", pfad("Orte.BIN")},
         0,
         "Satz 1\n  bos              \"6\"\n  landeskennung    \"A\"\n  ortskennung      \"12\"\n"
         "  name             \"Wache Nord\"\n"},
        {"actions as CSV",
         {"zeigen", "--csv", "--art", "aktion", pfad("Aktion.BIN")},
         0,
         "satz;kennung;status;richtung;aktion\n1;6A121101;3;0;alarm 1\n2;8B000001;3;1;alarm 2\n"},
        {"two vehicle lists",
         {"vergleichen", pfad("Fahrzeug.BIN"), pfad("Fahrzeug2.BIN")},
         1,
         "Satz 1, rufname: \"RTW 1\" -> \"RTW 5\"\nSatz 3: nur in B\n2 Stellen verschieden.\n"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Lauf l = cli(f.argumente);
        EXPECT_EQ(l.code, f.code) << qPrintable(l.fehler);
        EXPECT_EQ(l.aus.replace(QDir::toNativeSeparators(daten.path()), "ORDNER"), f.aus);
        EXPECT_EQ(l.fehler, "");
    }
    // For machines the same findings, counted.
    const Lauf json = cli({"pruefen", "--json", daten.path(), "--einstellungen", ini});
    const QJsonObject o = QJsonDocument::fromJson(json.aus.toUtf8()).object();
    EXPECT_EQ(o.value("fehler").toInt(), 2);
    EXPECT_EQ(o.value("befunde").toArray().at(0).toObject().value("art").toString(), "feld-ohne-fahrzeug");
}

TEST_F(Cli, FalscheAufrufeEineZeileUnd64) {
    const QStringList faelle[] = {{},
                                  {"pruefe"},
                                  {"zeigen"},
                                  {"zeigen", "a", "b"},
                                  {"pruefen", "--gibt-es-nicht"},
                                  {"zeigen", "--art"},
                                  {"zeigen", "--art", "kaffee", "x.bin"},
                                  {"zeigen", pfad("Status.BIN"), "--csv", "--json"},
                                  {"zeigen", ordner.filePath("VELASTAT.ini")}};
    for (const QStringList& argumente : faelle) {
        SCOPED_TRACE(qPrintable(argumente.join(' ')));
        const Lauf l = cli(argumente);
        EXPECT_EQ(l.code, 64);
        EXPECT_TRUE(l.aus.isEmpty());
        EXPECT_TRUE(l.fehler.startsWith("tabulo-cli") && l.fehler.count('\n') == 1) << qPrintable(l.fehler);
    }
    for (const char* befehl : {"pruefen", "zeigen", "vergleichen", "schreiben"}) {
        const Lauf l = cli({befehl, "--help"});
        EXPECT_EQ(l.code, 0);
        EXPECT_TRUE(l.aus.startsWith(QStringLiteral("Aufruf: tabulo-cli %1").arg(befehl))) << befehl;
    }
}

// Every byte comes back: Windows-1252 text (the undefined 0x81 too), bytes the host never
// writes, a cut-off record, bundle lines the host would not read.
TEST_F(Cli, JsonZurueckByteFuerByte) {
    QByteArray fahrzeuge = fahrzeugSatzSchreiben(fahrzeug("6A121101", "M\u00fcller \u20ac"), true);
    fahrzeuge[38] = 12, fahrzeuge[39] = 5, fahrzeuge[48] = 1, fahrzeuge[49] = 23, fahrzeuge[150] = 2;
    fahrzeuge[200] = '\0', fahrzeuge[201] = '\x81';
    QByteArray status =
        statusSatzSchreiben(Feld{}) + QByteArray("\x07\x09\x81\x00", 4).leftJustified(40, 'z');
    status[0] = FeldText;
    status += "rest";
    struct Fall {
        const char* name;
        QByteArray bytes;
    };
    const Fall faelle[] = {
        {"status.bin", status},
        {"Fahrzeug.BIN", fahrzeuge},
        {"Orte.BIN", "bA12Stra\xdf"
                     "e" +
                         QByteArray(44, ' ') +
                         "\x9d"
                         "x"},
        {"Aktion.BIN",
         aktionSatzSchreiben("6a12110O", "x", 5, QStringLiteral("   \"C:\\Pr\u00fcfung\\a.exe\" \u00ff"))},
        {"Einstellungen.BIN",
         "\"Fahrzeug\xfc"
         "bersicht\",\"1\",\"Wache \x80\"\r\nkaputt\n\"Statusfarben\",\"0\",\"255\"\r\"a\",\"b\",\"c\""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString datei = ordner.filePath(QString::fromLatin1(f.name));
        dateiAnlegen(datei, f.bytes);
        const Lauf gezeigt = cli({"zeigen", "--json", datei});
        ASSERT_EQ(gezeigt.code, 0) << qPrintable(gezeigt.fehler);
        dateiAnlegen(ordner.filePath("ein.json"), gezeigt.aus.toUtf8());
        const Lauf geschrieben = cli({"schreiben", ordner.filePath("ein.json"), ordner.filePath("aus.bin")});
        ASSERT_EQ(geschrieben.code, 0) << qPrintable(geschrieben.fehler);
        EXPECT_EQ(dateiInhalt(ordner.filePath("aus.bin")), f.bytes);
    }
    // Text is UTF-8, and a text too long for its field is refused without writing anything.
    Lauf gezeigt = cli({"zeigen", "--json", ordner.filePath("Fahrzeug.BIN")});
    EXPECT_TRUE(gezeigt.aus.contains(QStringLiteral("\"M\u00fcller \u20ac\"")));
    dateiAnlegen(ordner.filePath("ein.json"),
                 gezeigt.aus.replace("M\u00fcller", "M\u00fcller-L\u00fcdenscheid").toUtf8());
    const Lauf zuLang = cli({"schreiben", ordner.filePath("ein.json"), ordner.filePath("neu.bin")});
    EXPECT_EQ(zuLang.code, 65);
    EXPECT_TRUE(zuLang.fehler.contains("rufname")) << qPrintable(zuLang.fehler);
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath("neu.bin")));
}
