// Writes the demo fleet of examples/demo: a small fictional service area with four places.
// Run: demo_erzeugen <folder>. The folder gets the four data files and, under
// einstellungen/, the settings a first run shows (window titles, names).

#include "core/common/Text.h"
#include "core/files/AktionDatei.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/OrteDatei.h"
#include "core/files/StatusDatei.h"
#include "core/overview/Feld.h"
#include "core/places/Ortstabelle.h"
#include "core/vehicles/Fahrzeug.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <vector>

using namespace tabulo;

namespace {

struct Ort {
    const char* loo; // Landeskennung and Ortskennung
    const char* name;
    QList<int> bos;
};

// Fictional places of one fictional Landeskennung (A).
const QList<Ort> orte = {
    {"A12", "Musterstadt", {6, 9, 13}},
    {"A13", "Beispielhausen", {6, 7}},
    {"A14", "Lindenfeld", {6, 8}},
    {"A15", "Eichenau am See", {6, 12}},
    {"A16", "Birkendorf", {6}},
    {"A17", "Wiesental", {6, 10}},
    {"A18", "Neuhof", {1}},
    {"A19", "Talbrunn", {6, 11}},
    {"A1A", "Kreis Musterland", {4, 7}},
    {"A1B", "Leitstelle Musterland", {13}},
};

struct Vorlage {
    const char* rufname;
    const char* kennung;
    int status;
    const char* zeit;
    const char* info;
};

const std::vector<Vorlage> fahrzeuge = {
    {"Flo MU 111", "6A121101", 2, "07:12:45", "ELW 1"},
    {"Flo MU 441", "6A124401", 3, "08:03:10", "HLF 20"},
    {"Flo MU 442", "6A124402", 2, "06:55:00", "HLF 10"},
    {"Flo MU 301", "6A123001", 1, "09:41:37", "DLK 23/12"},
    {"Flo MU 231", "6A122301", 4, "10:02:11", "TLF 3000"},
    {"Flo MU 191", "6A121901", 2, "05:30:00", "MTW"},
    {"Flo MU 561", "6A125601", 6, "01.12.26", "RW"},
    {"Flo BH 441", "6A134401", 2, "07:44:02", "LF 10"},
    {"Flo BH 191", "6A131901", 2, "06:15:30", "MTW"},
    {"Flo LI 441", "6A144401", 3, "08:21:19", "HLF 10"},
    {"Flo LI 481", "6A144801", 2, "07:00:00", "StLF"},
    {"Flo EI 441", "6A154401", 2, "06:48:12", "LF 20"},
    {"Flo EI 641", "6A156401", 6, "28.11.26", "GW-L1"},
    {"Flo BI 441", "6A164401", 2, "07:33:40", "TSF-W"},
    {"Flo WI 441", "6A174401", 1, "11:05:59", "LF 8/6"},
    {"Flo TB 441", "6A194401", 2, "06:10:10", "HLF 10"},
    {"Rot MU 831", "9A128301", 3, "08:12:00", "RTW 1"},
    {"Rot MU 832", "9A128302", 4, "08:40:25", "RTW 2"},
    {"Rot MU 821", "9A128201", 2, "07:25:00", "NEF"},
    {"Rot MU 851", "9A128501", 1, "09:58:03", "KTW"},
    {"Rot MU 852", "9A128502", 2, "06:30:30", "KTW"},
    {"Rot MU 191", "9A121901", 2, "02.12.26", "MTW"},
    {"Ret LS 831", "DA1B8301", 3, "08:17:44", "RTW Leits"},
    {"Ret LS 821", "DA1B8201", 8, "09:02:50", "NEF Leits"},
    {"Ret LS 841", "DA1B8401", 2, "07:07:07", "ITW"},
    {"Hei MU 511", "7A135101", 2, "05:45:00", "GKW 1"},
    {"Hei MU 521", "7A135201", 2, "05:46:00", "MzKW"},
    {"Hei MU 591", "7A135901", 6, "30.11.26", "MLW 4"},
    {"Kat ML 101", "4A1A1001", 2, "06:00:00", "ELW 2"},
    {"Kat ML 111", "4A1A1101", 2, "06:01:00", "GW-San"},
    {"Sam LI 831", "8A148301", 2, "07:55:21", "RTW ASB"},
    {"Sam LI 851", "8A148501", 1, "10:40:00", "KTW ASB"},
    {"Jo WI 831", "AA178301", 2, "07:31:00", "RTW JUH"},
    {"Akk TB 831", "BA198301", 3, "08:49:33", "RTW MHD"},
    {"Pel EI 711", "CA157101", 2, "09:15:00", "MZB"},
    {"Pel EI 721", "CA157201", 6, "25.11.26", "GW-W"},
    {"Pol NH 101", "1A181001", 2, "06:20:00", "FuStW"},
    {"Pol NH 102", "1A181002", 3, "08:35:00", "FuStW"},
    {"Flo MU 101", "6A121001", 2, "05:00:00", "KdoW"},
    {"Flo MU 102", "6A121002", 2, "05:01:00", "KdoW"},
};

bool schreiben(const QString& pfad, const QByteArray& daten) {
    const SchreibErgebnis e = DateiSchreiber().schreiben(pfad, daten);
    if (!e)
        std::fprintf(stderr, "%s\n", qPrintable(schreibFehlerText(pfad, e.fehler)));
    return e.ok;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: demo_erzeugen <Ordner>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(ziel.path());

    std::vector<Fahrzeug> liste;
    for (const Vorlage& v : fahrzeuge) {
        Fahrzeug f;
        f.rufname = QString::fromLatin1(v.rufname);
        f.kennung = QString::fromLatin1(v.kennung);
        f.stat = QString::number(v.status);
        f.zeit = QString::fromLatin1(v.zeit);
        f.info = QString::fromLatin1(v.info);
        f.bemerkung = QStringLiteral("Demo-Fahrzeug");
        f.folgetelegramm = QStringLiteral("00");
        fahrzeugAuffuellen(f);
        liste.push_back(f);
    }

    // Overview: the fire service in window 1, the ambulances and others in window 2,
    // with a heading line of text fields in each. The last vehicles stay unplaced.
    std::array<Feld, AnzahlFelder> felder;
    for (Feld& f : felder) {
        f.feldtyp = FeldFrei;
        f.text = QStringLiteral("Frei");
    }
    auto textFeld = [&](int i, const QString& text) {
        felder[i].feldtyp = FeldText;
        felder[i].text = text;
    };
    auto fahrzeugFeld = [&](int i, const Fahrzeug& f) {
        felder[i].feldtyp = FeldFahrzeug;
        felder[i].fahrzeug = f.rufname;
        felder[i].kennung = f.kennung;
    };
    textFeld(0, QStringLiteral("Feuerwehr Musterstadt"));
    textFeld(1, QStringLiteral("Gemeinden"));
    for (int k = 0; k < 12; ++k)
        fahrzeugFeld(4 + k, liste[k]);
    textFeld(20, QStringLiteral("Bereitschaft"));
    textFeld(52, QStringLiteral("Rettungsdienst"));
    textFeld(53, QStringLiteral("Leitstelle"));
    for (int k = 0; k < 6; ++k)
        fahrzeugFeld(56 + k, liste[16 + k]);
    fahrzeugFeld(64, liste[22]);
    fahrzeugFeld(65, liste[23]);

    QByteArray status;
    for (const Feld& f : felder)
        status.append(statusSatzSchreiben(f));

    QByteArray fahrzeugDatei;
    for (const Fahrzeug& f : liste) {
        bool aufgenommen = false;
        for (const Feld& feld : felder)
            aufgenommen = aufgenommen || (feld.feldtyp == FeldFahrzeug && feld.kennung == f.kennung);
        fahrzeugDatei.append(fahrzeugSatzSchreiben(f, aufgenommen));
    }

    Ortstabelle tabelle;
    for (const Ort& o : orte)
        for (int bos : o.bos)
            tabelle.satzEinfuegen(hexZeichen(bos) + QString::fromLatin1(o.loo) +
                                  QString::fromUtf8(o.name).leftJustified(50, QLatin1Char(' ')));

    QByteArray aktionen;
    const QString programm = QStringLiteral("C:\\Programme\\Alarmierung\\melden.exe ");
    for (int k = 0; k < 10; ++k) {
        const Fahrzeug& f = liste[k];
        aktionen.append(aktionSatzSchreiben(f.kennung, QStringLiteral("3"), 0, programm + f.kennung + "3"));
        aktionen.append(aktionSatzSchreiben(f.kennung, QStringLiteral("4"), 0, programm + f.kennung + "4"));
    }
    aktionen.append(
        aktionSatzSchreiben(QStringLiteral("9A128301"), QStringLiteral("5"), 1,
                            QStringLiteral("C:\\Programme\\Alarmierung\\sprechwunsch.exe 9A128301")));

    bool ok = schreiben(ziel.filePath("Status.BIN"), status) &&
              schreiben(ziel.filePath("Fahrzeug.BIN"), fahrzeugDatei) &&
              schreiben(ziel.filePath("Orte.BIN"), orteSchreiben(tabelle)) &&
              schreiben(ziel.filePath("Aktion.BIN"), aktionen);
    if (!ok)
        return 1;

    // The settings a first run reads.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ziel.filePath("einstellungen")));
    SystemSpeicher speicher;
    const QStringList titel = {QStringLiteral("Feuerwehr"),          QStringLiteral("Rettungsdienst"),
                               QStringLiteral("Katastrophenschutz"), QStringLiteral("Reserve"),
                               QStringLiteral("Fenster5"),           QStringLiteral("Fenster6"),
                               QStringLiteral("Fenster7"),           QStringLiteral("Fenster8")};
    for (int w = 1; w <= 8; ++w)
        speicher.speichern(anwendung::Velastat, sektion::Fahrzeuguebersicht, QString::number(w),
                           titel[w - 1]);
    const QStringList bos = {"NN",  "POL", "BGS", "BKA", "KAT",  "ZOLL", "BF/FF", "THW",
                             "ASB", "DRK", "JUH", "MHD", "DLRG", "RD",   "ZVS",   "Reserve"};
    for (int k = 0; k < 16; ++k)
        speicher.speichern(anwendung::Velastat, sektion::BosKennung, QString::number(k), bos[k]);
    speicher.speichern(anwendung::Velastat, sektion::Landeskennung, QStringLiteral("10"),
                       QStringLiteral("Musterland"));
    speicher.speichern(anwendung::Velastat, sektion::Richtungskennung, QStringLiteral("0"),
                       QStringLiteral("FZ->LST"));
    speicher.speichern(anwendung::Velastat, sektion::Richtungskennung, QStringLiteral("1"),
                       QStringLiteral("LST->FZ"));
    std::printf("Demo geschrieben nach %s\n", qPrintable(ziel.absolutePath()));
    return 0;
}
