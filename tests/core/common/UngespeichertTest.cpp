#include "core/common/Ungespeichert.h"

#include "core/actions/AktionenBefehle.h"
#include "core/actions/Aktionsliste.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/FehlerSchreiber.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

constexpr quint16 AlleBits = DokFahrzeugliste | DokStatusuebersicht | DokOrtskennungen | DokAktionen;

class Ungespeichert : public ::testing::Test, protected TestArbeitsbereich {
protected:
    void SetUp() override {
        ab.startverzeichnis = ordner.filePath("start");
        QDir().mkpath(ab.startverzeichnis);
        QDir::setCurrent(ordner.path());
    }
    QString imStart(const char* name) const { return QDir(ab.startverzeichnis).filePath(name); }
};

} // namespace

TEST_F(Ungespeichert, BeendenJeNachAntwort) {
    const struct {
        const char* name;
        quint16 bits;
        std::optional<Antwort> antwort; // nothing: no question expected
        bool beenden, gespeichert, scheitert = false;
    } faelle[] = {
        {"nichts ungespeichert", 0, std::nullopt, true, false},
        {"Abbrechen", DokOrtskennungen, Antwort::Abbrechen, false, false},
        {"Nein", DokOrtskennungen | DokAktionen, Antwort::Nein, true, false},
        {"Ja", DokFahrzeugliste, Antwort::Ja, true, true},
        {"Ja, Speichern scheitert", DokFahrzeugliste, Antwort::Ja, false, false, true},
    };
    FehlerSchreiber kaputt(FehlerSchreiber::Art::BeimAbschluss, 0, "Status");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QFile::remove(imStart("Status.BIN"));
        ab.setzeSchreiber(f.scheitert ? kaputt : schreiber);
        rueckfrage.fragen.clear();
        ab.ungespeichert = f.bits;
        if (f.antwort)
            rueckfrage.antworten = {*f.antwort};
        EXPECT_EQ(beendenErlaubt(ab, rueckfrage, fortschritt), f.beenden);
        ASSERT_EQ(rueckfrage.fragen.size(), f.antwort ? 1 + f.scheitert : 0);
        if (f.antwort) {
            EXPECT_EQ(rueckfrage.fragen[0].titel, "Tabulo Beenden");
            EXPECT_EQ(rueckfrage.fragen[0].text, beendenFrageText(f.bits));
            EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
        }
        EXPECT_EQ(QFileInfo::exists(imStart("Status.BIN")), f.gespeichert);
        EXPECT_EQ(ab.ungespeichert, f.gespeichert ? 0 : f.bits);
    }
    ab.setzeSchreiber(schreiber);
    // One line per unsaved document, in a fixed order, with the host's line breaks.
    EXPECT_EQ(beendenFrageText(AlleBits),
              QStringLiteral("Folgende Dateien sind noch nicht gespeichert: \r\n"
                             "- Fahrzeugliste\r\n- Ortskennungen\r\n- Status\u00fcbersicht\r\n"
                             "- Aktionen\r\nWollen Sie jetzt Speichern?"));
    EXPECT_EQ(beendenFrageText(DokAktionen),
              "Folgende Dateien sind noch nicht gespeichert: \r\n- Aktionen\r\nWollen Sie jetzt Speichern?");
}

// Only the document's own flag makes a load ask; "Ja" saves first, and a failed save ends the load.
TEST_F(Ungespeichert, LadeFragenJeDokument) {
    const struct {
        const char* name;
        bool eigenesBit;
        std::optional<Antwort> antwort;
        bool speichernGelingt, weiter;
        int gespeichert;
    } antworten[] = {
        {"nur andere Bits", false, std::nullopt, true, true, 0},
        {"Nein", true, Antwort::Nein, true, true, 0},
        {"Ja", true, Antwort::Ja, true, true, 1},
        {"Ja, Speichern scheitert", true, Antwort::Ja, false, false, 1},
    };
    for (const Dokument dokument : {DokFahrzeugliste, DokOrtskennungen, DokStatusuebersicht, DokAktionen}) {
        for (const auto& a : antworten) {
            SCOPED_TRACE(ladeFrage(dokument).titel.toStdString() + ": " + a.name);
            rueckfrage.fragen.clear();
            ab.ungespeichert = a.eigenesBit ? quint16(dokument) : quint16(AlleBits & ~dokument);
            if (a.antwort)
                rueckfrage.antworten = {*a.antwort};
            int gespeichert = 0;
            const auto speichern = [&] {
                ++gespeichert;
                return a.speichernGelingt;
            };
            EXPECT_EQ(vorDemLadenFragen(ab, rueckfrage, dokument, speichern), a.weiter);
            EXPECT_EQ(gespeichert, a.gespeichert);
            ASSERT_EQ(rueckfrage.fragen.size(), a.antwort ? 1 : 0);
            if (a.antwort) {
                EXPECT_EQ(rueckfrage.fragen[0].text, ladeFrage(dokument).text);
                EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::JaNein);
            }
        }
    }
    EXPECT_EQ(ladeFrage(DokStatusuebersicht).text,
              "Ihre Daten sind noch nicht gespeichert! Wollen Sie jetzt Speichern?");
}

// As the load commands ask it: after the file is chosen, "Ja" saves every document into the start
// directory before the chosen file replaces one of them; a failed save ends the command.
TEST_F(Ungespeichert, LadebefehleSpeichernAllesVorDemLaden) {
    const QString fremd = ordner.filePath("fremd");
    const struct {
        const char* name;
        Dokument dokument;
        std::function<void(const VorDemLaden&)> befehl;
        QString datei;
        QByteArray inhalt;
    } faelle[] = {
        {"Fahrzeugliste", DokFahrzeugliste, [&](const VorDemLaden& v) { MenueLadenFzg(ab, rueckfrage, v); },
         fremd + "/Fahrzeug.BIN", fahrzeugDatei({fahrzeug("22222222")})},
        {"Ortskennungen", DokOrtskennungen, [&](const VorDemLaden& v) { OrteLadenBefehl(ab, rueckfrage, v); },
         fremd + "/Orte.BIN", QByteArray()},
        {"Status", DokStatusuebersicht,
         [&](const VorDemLaden& v) { statusLadenBefehl(ab, rueckfrage, fortschritt, v); },
         fremd + "/Status.BIN", QByteArray(16640, '\0')},
    };
    for (const auto& f : faelle) {
        for (const bool scheitert : {false, true}) {
            SCOPED_TRACE(std::string(f.name) + (scheitert ? ", Speichern scheitert" : ""));
            dateiAnlegen(f.datei, f.inhalt);
            QDir(ab.startverzeichnis).removeRecursively();
            QDir().mkpath(ab.startverzeichnis);
            ab.dateien = {}; // the row before wrote the files this row removed
            FehlerSchreiber kaputt(FehlerSchreiber::Art::NachBytes, 0, "Status");
            ab.setzeSchreiber(scheitert ? kaputt : schreiber);
            ab.fahrzeuge = {fahrzeug("11111111")};
            ab.ungespeichert = AlleBits;
            rueckfrage.fragen.clear();
            rueckfrage.dateien = {f.datei};
            rueckfrage.antworten = {Antwort::Ja};

            f.befehl(ladenMitAllesSpeichern(ab, rueckfrage, fortschritt, f.dokument));

            ASSERT_EQ(rueckfrage.fragen.size(), scheitert ? 2 : 1);
            EXPECT_EQ(rueckfrage.fragen.back().titel,
                      scheitert ? "Alles Speichern" : ladeFrage(f.dokument).titel);
            EXPECT_EQ(ab.ungespeichert, scheitert ? AlleBits : 0);
            EXPECT_FALSE(QFileInfo::exists(fremd + "/Aktion.BIN"));
            if (!scheitert) {
                EXPECT_TRUE(QFileInfo::exists(imStart("Orte.BIN")));
                // The vehicle list as it was before the load.
                EXPECT_EQ(dateiInhalt(imStart("Fahrzeug.BIN")).left(8), "11111111");
            }
            if (f.dokument == DokFahrzeugliste) {
                EXPECT_EQ(kennungen(), QStringList{scheitert ? "11111111" : "22222222"});
            }
        }
    }
    ab.setzeSchreiber(schreiber);
}

// "Ja" in the action load question saves the actions where the working directory was before the
// dialog, so the file chosen to be loaded is never overwritten by the list it is to replace; nor
// is a file there that was refused on loading, which save-all keeps off too.
TEST_F(Ungespeichert, AktionenFrageSpeichertNichtUeberDieGewaehlteDatei) {
    const struct {
        const char* name;
        Antwort antwort;
        bool speichernScheitert, abgewiesen, geladen;
    } faelle[] = {
        {"Ja", Antwort::Ja, false, false, true},
        {"Nein", Antwort::Nein, false, false, true},
        {"Ja, Speichern scheitert", Antwort::Ja, true, false, false},
        {"Ja, Aktion.BIN beim Laden abgewiesen", Antwort::Ja, false, true, false},
    };
    const QByteArray gewaehlt = aktionSatz("7B000001", '1', '1', "andere.exe");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir bisher;
        const QString datei = ordner.filePath("sicherung/Aktion.BIN");
        dateiAnlegen(datei, gewaehlt);
        QDir::setCurrent(bisher.path());
        const QString zuvor = QDir(bisher.path()).filePath("Aktion.BIN");
        const QByteArray zuvorInhalt = f.abgewiesen ? gewaehlt + "x" : QByteArray();
        if (f.abgewiesen) {
            dateiAnlegen(zuvor, zuvorInhalt);
            AktionenLaden(ab, zuvor, rueckfrage, fortschritt);
        }
        FehlerSchreiber kaputt(FehlerSchreiber::Art::NachBytes, 0);
        ab.setzeSchreiber(f.speichernScheitert ? kaputt : schreiber);
        ab.aktionenMenueAktiv = true;
        ab.aktionen = {aktion("6A000001", "3", 0, "alarm.exe")};
        const QByteArray liste = aktionenDateiInhalt(ab.aktionen);
        ab.ungespeichert = DokAktionen;
        rueckfrage.fragen.clear();
        rueckfrage.dateien = {datei};
        rueckfrage.antworten = {f.antwort};

        AktionenLadenBefehl(ab, rueckfrage, fortschritt,
                            ladenMitAktionenSpeichern(ab, rueckfrage, QDir::currentPath()));

        EXPECT_EQ(rueckfrage.fragen.value(0).titel, "Aktionen Laden");
        EXPECT_EQ(rueckfrage.fragen.size(), f.antwort == Antwort::Ja && !f.geladen ? 2 : 1)
            << "a save that did not happen is reported";
        EXPECT_EQ(dateiInhalt(datei), gewaehlt);
        const bool gespeichert = f.antwort == Antwort::Ja && f.geladen;
        EXPECT_EQ(dateiInhalt(zuvor), gespeichert ? liste : zuvorInhalt);
        EXPECT_EQ(aktionenDateiInhalt(ab.aktionen), f.geladen ? gewaehlt : liste);
        EXPECT_EQ(ab.istUngespeichert(DokAktionen), !f.geladen);
        ab.setzeSchreiber(schreiber);
    }
}
