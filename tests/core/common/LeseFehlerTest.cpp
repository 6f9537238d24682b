// Every load and import command against a file that changes after the user chose it: it
// vanishes, becomes a folder, grows or shrinks by a byte. Each ends with a clear message or the
// intended silent end, and never with a half-loaded document; the file as chosen is taken.
#include "core/actions/AktionenBefehle.h"
#include "core/files/AktionDatei.h"
#include "core/files/BuendelDatei.h"
#include "core/files/DateiLesen.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/settings/Einstellungsbuendel.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

using Umfeld = TestArbeitsbereich;

void fuellen(Arbeitsbereich& ab) {
    ab.fahrzeuge = {fahrzeug("6A123456", "RTW 1"), fahrzeug("6A123457", "NEF")};
    fahrzeugInFeld(ab, 3, ab.fahrzeuge[0]);
    ab.orte.satzEinfuegen(QString::fromLatin1(orteSatz('7', "A23", "Musterstadt")));
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = 1;
    ab.aktionen = {Aktion{}};
    ab.aktionen[0].kennung = QStringLiteral("6A123456");
    ab.aktionenMenueAktiv = true;
    ab.ungespeichert = DokFahrzeugliste | DokOrtskennungen | DokStatusuebersicht;
}

struct Ladeweg {
    const char* name;
    QByteArray gueltig;    // a file the command takes
    bool laengeGeprueft;   // a byte more or less is refused
    QString titel;         // caption of its messages
    QString ungueltigText; // text of the refusal
    bool fehltStill;       // a missing file ends the command without a word
    std::function<void(Umfeld&)> los;
};

std::vector<Ladeweg> ladewege() {
    const QByteArray fahrzeuge = fahrzeugDatei({fahrzeug("11111111"), fahrzeug("22222222")});
    const QByteArray orte = orteSatz('1', "B00", "Andernorts") + orteSatz('2', "B00", "Andernorts");
    const QByteArray aktionen = aktionSatzSchreiben("11111111", "4", 0, "neu.exe") +
                                aktionSatzSchreiben("22222222", "5", 1, "neu.exe");
    const QString fzg = QStringLiteral("Keine g\u00fcltige Fahrzeug-Datei!");
    const QString ort = QStringLiteral("Keine g\u00fcltige Ortskennungen-Datei!");
    const QString akt = QStringLiteral("Keine g\u00fcltige Aktionen-Datei!");
    return {
        {"Fahrzeugliste laden", fahrzeuge, true, "Fahrzeugliste Laden", fzg, false,
         [](Umfeld& u) { MenueLadenFzg(u.ab, u.rueckfrage); }},
        {"Fahrzeugliste importieren", fahrzeuge, true, "Fahrzeugliste Importieren", fzg, false,
         [](Umfeld& u) { FahrzeugImportBefehl(u.ab, u.rueckfrage); }},
        {"Ortskennungen laden", orte, true, "Ortskennungen Laden", ort, false,
         [](Umfeld& u) { OrteLadenBefehl(u.ab, u.rueckfrage); }},
        {"Ortskennungen importieren", orte, true, "Ortskennungen Laden", ort, false,
         [](Umfeld& u) { OrteImportierenBefehl(u.ab, u.rueckfrage); }},
        {"Status laden", statusDatei({statusSatz(2, "Wache Nord")}), true,
         QStringLiteral("Status-\u00dcbersicht Laden"), QStringLiteral("Keine g\u00fcltige Status-Datei!"),
         true, [](Umfeld& u) { statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }},
        {"Aktionen laden", aktionen, true, "Aktionen Laden", akt, true,
         [](Umfeld& u) { AktionenLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }},
        {"Aktionen importieren", aktionen, true, "Aktionen Laden", akt, true,
         [](Umfeld& u) { AktionenImportierenBefehl(u.ab, u.rueckfrage, u.fortschritt); }},
        {"Einstellungsbuendel laden",
         buendelZeileSchreiben({QStringLiteral("Fahrzeug\u00fcbersicht"), "1", "Wache Nord"}) +
             buendelZeileSchreiben({"Statusfarben", "4", "65280"}),
         false,
         "Einstellungen Laden",
         {},
         false,
         [](Umfeld& u) { EinstellungsbuendelLaden(u.ab, u.rueckfrage, BuendelGruppen{}); }},
    };
}

enum class Folge { Genommen, Lesefehler, Ungueltig, StillOderLesefehler };

const struct {
    const char* name;
    Folge folge;
    std::function<void(const QString& pfad, const QByteArray& gueltig)> tun;
} aenderungen[] = {
    {"unveraendert", Folge::Genommen, [](const QString&, const QByteArray&) {}},
    {"verschwunden", Folge::StillOderLesefehler,
     [](const QString& p, const QByteArray&) { QFile::remove(p); }},
    {"durch Ordner ersetzt", Folge::Lesefehler,
     [](const QString& p, const QByteArray&) {
         QFile::remove(p);
         QDir().mkdir(p);
     }},
    {"ein Byte mehr", Folge::Ungueltig,
     [](const QString& p, const QByteArray& g) { dateiAnlegen(p, g + "x"); }},
    {"ein Byte weniger", Folge::Ungueltig,
     [](const QString& p, const QByteArray& g) { dateiAnlegen(p, g.chopped(1)); }},
};

} // namespace

TEST(LeseFehler, DateiAendertSichNachDemDialog) {
    for (const Ladeweg& weg : ladewege()) {
        for (const auto& a : aenderungen) {
            SCOPED_TRACE(std::string(weg.name) + " / " + a.name);
            if (a.folge == Folge::Ungueltig && !weg.laengeGeprueft)
                continue;
            Umfeld u;
            const QString pfad = u.datei("gewaehlt.bin", weg.gueltig);
            fuellen(u.ab);
            const Zustand davor = zustand(u.ab);
            u.rueckfrage.dateien = {pfad};
            u.rueckfrage.nachDateiwahl = [&](const QString& p) { a.tun(p, weg.gueltig); };

            weg.los(u);

            const auto& fragen = u.rueckfrage.fragen;
            if (a.folge == Folge::Genommen) {
                EXPECT_TRUE(fragen.isEmpty());
                EXPECT_FALSE(zustand(u.ab) == davor) << "the file was not taken";
                continue;
            }
            EXPECT_TRUE(zustand(u.ab) == davor) << "the document changed";
            if (a.folge == Folge::StillOderLesefehler && weg.fehltStill) {
                EXPECT_TRUE(fragen.isEmpty());
                continue;
            }
            ASSERT_EQ(fragen.size(), 1);
            EXPECT_EQ(fragen[0].knoepfe, Knoepfe::Ok);
            if (a.folge == Folge::Ungueltig) {
                EXPECT_EQ(fragen[0].text, weg.ungueltigText);
            } else {
                EXPECT_EQ(fragen[0].titel, weg.titel);
                EXPECT_TRUE(fragen[0].text.startsWith(leseFehlerText(pfad, QString())))
                    << fragen[0].text.toStdString();
            }
        }
    }
}
