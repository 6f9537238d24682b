#include "core/common/Ungespeichert.h"

#include "core/actions/Aktionsliste.h"
#include "core/overview/StatusUebersicht.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
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

// A load clears its own document's flag and no other, also when the action file is missing;
// loading the overview leaves its flag as it was. (What each change marks: the undo table.)
TEST_F(Ungespeichert, LadenLoeschtNurDasEigeneBit) {
    const struct {
        const char* name;
        std::function<void()> laden;
        quint16 nachher;
    } faelle[] = {
        {"Fahrzeugliste",
         [&] { FahrzeuglisteLaden(ab, rueckfrage, datei("f.bin", fahrzeugDatei({fahrzeug("7B000001")}))); },
         AlleBits & ~DokFahrzeugliste},
        {"Status", [&] { StatusLaden(ab, datei("s.bin", statusDatei({})), fortschritt); }, AlleBits},
        {"Ortskennungen", [&] { OrteLaden(ab, datei("o.bin", orteSatz('7', "123", "Musterstadt"))); },
         AlleBits & ~DokOrtskennungen},
        {"Aktionen",
         [&] {
             AktionenLaden(ab, datei("a.bin", aktionSatz("6A000001", '1', '0', "x")), rueckfrage,
                           fortschritt);
         },
         AlleBits & ~DokAktionen},
        {"fehlende Aktionsdatei", [&] { AktionenLaden(ab, pfad("fehlt.bin"), rueckfrage, fortschritt); },
         AlleBits & ~DokAktionen},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ab.ungespeichert = AlleBits;
        f.laden();
        EXPECT_EQ(ab.ungespeichert, f.nachher);
    }
}

// Only the document's own flag makes a load ask; "Nein" loads without saving. ("Ja" and a failed
// save: the table of the file commands and the action question below.)
TEST_F(Ungespeichert, LadeFragtNurNachDemEigenenDokument) {
    for (const Dokument dokument : {DokFahrzeugliste, DokOrtskennungen, DokStatusuebersicht, DokAktionen}) {
        for (const bool eigenesBit : {false, true}) {
            SCOPED_TRACE(ladeFrage(dokument).titel.toStdString() + (eigenesBit ? ": Nein" : ": andere Bits"));
            rueckfrage.fragen.clear();
            rueckfrage.antworten = {Antwort::Nein};
            ab.ungespeichert = eigenesBit ? quint16(dokument) : quint16(AlleBits & ~dokument);
            EXPECT_TRUE(vorDemLadenFragen(ab, rueckfrage, dokument, [] {
                ADD_FAILURE() << "saved";
                return true;
            }));
            ASSERT_EQ(rueckfrage.fragen.size(), eigenesBit ? 1 : 0);
            if (eigenesBit) {
                EXPECT_EQ(rueckfrage.fragen[0].text, ladeFrage(dokument).text);
                EXPECT_EQ(rueckfrage.fragen[0].knoepfe, Knoepfe::JaNein);
            }
        }
    }
}
