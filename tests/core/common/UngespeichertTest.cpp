#include "core/common/Ungespeichert.h"

#include "core/actions/AktionenBefehle.h"
#include "core/actions/Aktionsliste.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"
#include "support/FehlerSchreiber.h"
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

    bool imStart(const char* name) const {
        return QFileInfo::exists(QDir(ab.startverzeichnis).filePath(name));
    }
};

} // namespace

TEST_F(Ungespeichert, BeendenJeNachAntwort) {
    struct Fall {
        const char* name;
        quint16 bits;
        std::optional<Antwort> antwort; // nothing: no question expected
        bool beenden;
        bool gespeichert;
    };
    const Fall faelle[] = {
        {"nichts ungespeichert", 0, std::nullopt, true, false},
        {"Abbrechen", DokOrtskennungen, Antwort::Abbrechen, false, false},
        {"Nein", DokOrtskennungen | DokAktionen, Antwort::Nein, true, false},
        {"Ja", DokFahrzeugliste, Antwort::Ja, true, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QDir(ab.startverzeichnis).removeRecursively();
        QDir().mkpath(ab.startverzeichnis);
        rueckfrage.fragen.clear();
        ab.ungespeichert = f.bits;
        if (f.antwort)
            rueckfrage.antworten = {*f.antwort};

        EXPECT_EQ(beendenErlaubt(ab, rueckfrage, fortschritt), f.beenden);

        if (!f.antwort) {
            EXPECT_TRUE(rueckfrage.fragen.isEmpty());
        } else {
            ASSERT_EQ(rueckfrage.fragen.size(), 1);
            EXPECT_EQ(rueckfrage.fragen[0].titel, "Tabulo Beenden");
            EXPECT_EQ(rueckfrage.fragen[0].text, beendenFrageText(f.bits));
            EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::JaNeinAbbrechen);
            EXPECT_EQ(rueckfrage.fragen[0].symbol, Symbol::Keins);
        }
        EXPECT_EQ(imStart("Status.BIN"), f.gespeichert);
        EXPECT_EQ(ab.ungespeichert, f.gespeichert ? 0 : f.bits);
    }
}

TEST_F(Ungespeichert, LadeFragenJeDokument) {
    struct Fall {
        Dokument dokument;
        QString titel;
        QString text;
    };
    const Fall faelle[] = {
        {DokFahrzeugliste, "Fahrzeugliste Laden",
         "Ihre Fahrzeugliste ist noch nicht gespeichert! Wollen Sie jetzt Speichern?"},
        {DokOrtskennungen, "Ortskennungen Laden",
         "Ihre Ortskennungen sind noch nicht gespeichert! Wollen Sie jetzt Speichern?"},
        {DokStatusuebersicht, QStringLiteral("Status \u00dcbersicht Laden"),
         "Ihre Daten sind noch nicht gespeichert! Wollen Sie jetzt Speichern?"},
        {DokAktionen, "Aktionen Laden",
         "Ihre Aktionen sind noch nicht gespeichert! Wollen Sie jetzt Speichern?"},
    };
    struct Antwortfall {
        const char* name;
        quint16 bits; // relative: the document's own bit or all others
        std::optional<Antwort> antwort;
        bool speichernGelingt;
        bool weiter;
        int gespeichert;
    };
    const Antwortfall antwortfaelle[] = {
        {"eigenes Bit frei", 0, std::nullopt, true, true, 0},
        {"Nein", 1, Antwort::Nein, true, true, 0},
        {"Ja", 1, Antwort::Ja, true, true, 1},
        {"Ja, Speichern scheitert", 1, Antwort::Ja, false, false, 1},
    };
    for (const Fall& f : faelle) {
        for (const Antwortfall& a : antwortfaelle) {
            SCOPED_TRACE(f.titel.toStdString() + ": " + a.name);
            rueckfrage.fragen.clear();
            // Other documents being unsaved does not make a load ask.
            ab.ungespeichert = a.bits ? quint16(f.dokument) : quint16(AlleBits & ~f.dokument);
            if (a.antwort)
                rueckfrage.antworten = {*a.antwort};
            int gespeichert = 0;
            const bool weiter = vorDemLadenFragen(ab, rueckfrage, f.dokument, [&] {
                ++gespeichert;
                return a.speichernGelingt;
            });
            EXPECT_EQ(weiter, a.weiter);
            EXPECT_EQ(gespeichert, a.gespeichert);
            if (!a.antwort) {
                EXPECT_TRUE(rueckfrage.fragen.isEmpty());
                continue;
            }
            ASSERT_EQ(rueckfrage.fragen.size(), 1);
            EXPECT_EQ(rueckfrage.fragen[0].titel, f.titel);
            EXPECT_EQ(rueckfrage.fragen[0].text, f.text);
            EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::JaNein);
            EXPECT_EQ(rueckfrage.fragen[0].symbol, Symbol::Keins);
        }
    }
}

// The questions as the load commands ask them: after the file is chosen, "Ja" saves every
// document into the start directory before the chosen file replaces one of them.
TEST_F(Ungespeichert, LadebefehleSpeichernAllesVorDemLaden) {
    const QString fremd = ordner.filePath("fremd");
    struct Fall {
        const char* name;
        Dokument dokument;
        std::function<void(const VorDemLaden&)> befehl;
        QString datei;
        QByteArray inhalt;
    };
    const Fall faelle[] = {
        {"Fahrzeugliste", DokFahrzeugliste, [&](const VorDemLaden& v) { MenueLadenFzg(ab, rueckfrage, v); },
         fremd + "/Fahrzeug.BIN", fahrzeugDatei({fahrzeug("22222222")})},
        {"Ortskennungen", DokOrtskennungen, [&](const VorDemLaden& v) { OrteLadenBefehl(ab, rueckfrage, v); },
         fremd + "/Orte.BIN", QByteArray()},
        {"Status", DokStatusuebersicht,
         [&](const VorDemLaden& v) { statusLadenBefehl(ab, rueckfrage, fortschritt, v); },
         fremd + "/Status.BIN", QByteArray(16640, '\0')},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        dateiAnlegen(f.datei, f.inhalt);
        QDir(ab.startverzeichnis).removeRecursively();
        QDir().mkpath(ab.startverzeichnis);
        ab.dateien = {}; // the row before wrote the files this row removed
        ab.fahrzeuge = {fahrzeug("11111111")};
        ab.ungespeichert = AlleBits;
        rueckfrage.fragen.clear();
        rueckfrage.dateien = {f.datei};
        rueckfrage.antworten = {Antwort::Ja};

        f.befehl(ladenMitAllesSpeichern(ab, rueckfrage, fortschritt, f.dokument));

        ASSERT_EQ(rueckfrage.fragen.size(), 1);
        // Everything was saved to the start directory, the vehicle list as it was before the load.
        EXPECT_TRUE(imStart("Status.BIN"));
        EXPECT_TRUE(imStart("Orte.BIN"));
        EXPECT_EQ(dateiInhalt(QDir(ab.startverzeichnis).filePath("Fahrzeug.BIN")).mid(0, 8), "11111111");
        EXPECT_FALSE(QFileInfo::exists(fremd + "/Aktion.BIN"));
        // Save-all cleared every flag; loading the overview sets none again.
        EXPECT_EQ(ab.ungespeichert, 0);
        if (f.dokument == DokFahrzeugliste) {
            EXPECT_EQ(kennungen(), QStringList{"22222222"});
        }
    }
}

TEST_F(Ungespeichert, GescheitertesSpeichernBeendetDenLadebefehl) {
    const QString datei = ordner.filePath("fremd/Fahrzeug.BIN");
    dateiAnlegen(datei, fahrzeugDatei({fahrzeug("22222222")}));
    FehlerSchreiber kaputt(FehlerSchreiber::Art::NachBytes, 0, "Status");
    ab.setzeSchreiber(kaputt);
    ab.fahrzeuge = {fahrzeug("11111111")};
    ab.markieren(DokFahrzeugliste);
    rueckfrage.dateien = {datei};
    rueckfrage.antworten = {Antwort::Ja};

    MenueLadenFzg(ab, rueckfrage, ladenMitAllesSpeichern(ab, rueckfrage, fortschritt, DokFahrzeugliste));

    ASSERT_EQ(rueckfrage.fragen.size(), 2);
    EXPECT_EQ(rueckfrage.fragen[1].titel, "Alles Speichern");
    EXPECT_EQ(kennungen(), QStringList{"11111111"}) << "the chosen file is not loaded";
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste);
}

// "Ja" in the action load question saves the actions where the working directory was before the
// dialog, so the file chosen to be loaded is never overwritten by the list it is to replace.
TEST_F(Ungespeichert, AktionenFrageSpeichertNichtUeberDieGewaehlteDatei) {
    struct Fall {
        const char* name;
        Antwort antwort;
        bool speichernScheitert;
        bool geladen;
    };
    const Fall faelle[] = {
        {"Ja", Antwort::Ja, false, true},
        {"Nein", Antwort::Nein, false, true},
        {"Ja, Speichern scheitert", Antwort::Ja, true, false},
    };
    const QByteArray gewaehlt = aktionSatz("7B000001", '1', '1', "andere.exe");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir bisher;
        const QString datei = ordner.filePath("sicherung/Aktion.BIN");
        dateiAnlegen(datei, gewaehlt);
        QDir::setCurrent(bisher.path());
        FehlerSchreiber kaputt(FehlerSchreiber::Art::NachBytes, 0);
        DateiSchreiber gut;
        ab.setzeSchreiber(f.speichernScheitert ? static_cast<const DateiSchreiber&>(kaputt) : gut);
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
        EXPECT_EQ(dateiInhalt(datei), gewaehlt);
        const bool gespeichert = f.antwort == Antwort::Ja && !f.speichernScheitert;
        EXPECT_EQ(dateiInhalt(QDir(bisher.path()).filePath("Aktion.BIN")),
                  gespeichert ? liste : QByteArray());
        EXPECT_EQ(aktionenDateiInhalt(ab.aktionen), f.geladen ? gewaehlt : liste);
        EXPECT_EQ(ab.istUngespeichert(DokAktionen), !f.geladen);
        EXPECT_EQ(rueckfrage.fragen.size(), f.speichernScheitert ? 2 : 1) << "a failed save is reported";
        ab.setzeSchreiber(schreiber);
    }
}
