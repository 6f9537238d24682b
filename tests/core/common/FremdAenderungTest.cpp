#include "core/common/FremdAenderung.h"

#include "core/common/AllesSpeichern.h"
#include "core/undo/Rueckgaengig.h"
#include "core/vehicles/FahrzeugAbgleich.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// Tabulo has Fahrzeug.BIN loaded and a call name edited; the host then writes a new status into
// the file. Each row answers the save-all's question differently.
TEST(FremdAenderung, AllesSpeichernFragtJeAntwort) {
    struct Fall {
        const char* name;
        Antwort antwort;
        QByteArray platteDanach; // "": what the host wrote stays
        QStringList rufnamen, status;
        bool statusGeschrieben;
    };
    const Fall faelle[] = {
        {"Überschreiben nimmt unsere Liste",
         Antwort::Ueberschreiben,
         "unsere",
         {"RTW 9", "NEF"},
         {"2", "2"},
         true},
        {"Neu laden nimmt die Datei", Antwort::NeuLaden, "", {"RTW 1", "NEF"}, {"7", "2"}, true},
        {"Zusammenführen nimmt nur den Status",
         Antwort::Zusammenfuehren,
         "unsere",
         {"RTW 9", "NEF"},
         {"7", "2"},
         true},
        {"Abbrechen schreibt gar nichts", Antwort::Abbrechen, "", {"RTW 9", "NEF"}, {"2", "2"}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TestArbeitsbereich t;
        t.ab.startverzeichnis = t.ordner.path();
        const QString pfad = t.datei(
            "Fahrzeug.BIN", fahrzeugDatei({fahrzeug("6A000001", "RTW 1"), fahrzeug("6A000002", "NEF")}));
        ASSERT_TRUE(FahrzeuglisteLaden(t.ab, t.rueckfrage, pfad));
        t.ab.fahrzeuge[0].rufname = "RTW 9";
        t.ab.markieren(DokFahrzeugliste);
        const QByteArray host =
            fahrzeugDatei({fahrzeug("6A000001", "RTW 1", "7"), fahrzeug("6A000002", "NEF")});
        dateiAnlegen(pfad, host);
        t.rueckfrage.antworten = {f.antwort};

        EXPECT_EQ(AllesSpeichern(t.ab, t.rueckfrage, t.fortschritt), f.antwort != Antwort::Abbrechen);

        ASSERT_GE(t.rueckfrage.fragen.size(), 1);
        EXPECT_EQ(t.rueckfrage.fragen[0].text,
                  "Die Datei Fahrzeug.BIN wurde seit dem Laden von einem anderen Programm ge\u00e4ndert.");
        EXPECT_EQ(t.rueckfrage.fragen[0].knoepfe, Knoepfe::UeberschreibenNeuLadenZusammenfuehrenAbbrechen);
        EXPECT_EQ(t.fahrzeugSpalte(&Fahrzeug::rufname).replaceInStrings(" ", ""),
                  QStringList(f.rufnamen).replaceInStrings(" ", ""));
        EXPECT_EQ(t.fahrzeugSpalte(&Fahrzeug::stat), f.status);
        EXPECT_EQ(dateiInhalt(pfad) == host, f.platteDanach.isEmpty());
        EXPECT_EQ(QFileInfo::exists(t.pfad("Status.BIN")), f.statusGeschrieben);
        EXPECT_EQ(t.ab.ungespeichert, f.statusGeschrieben ? 0 : DokFahrzeugliste);
        // Our own write is ours: the next save asks nothing.
        t.rueckfrage.fragen.clear();
        AllesSpeichern(t.ab, t.rueckfrage, t.fortschritt);
        EXPECT_EQ(t.rueckfrage.fragen.size(), f.antwort == Antwort::Abbrechen ? 1 : 0);
    }
}

TEST(FremdAenderung, NeuLadenIstEinSchritt) {
    TestArbeitsbereich t;
    const QString pfad = t.datei("Fahrzeug.BIN", fahrzeugDatei({fahrzeug("6A000001", "RTW 1")}));
    ASSERT_TRUE(FahrzeuglisteLaden(t.ab, t.rueckfrage, pfad));
    t.ab.verlauf.leeren();
    t.ab.fahrzeuge[0].rufname = "RTW 9";
    t.ab.markieren(DokFahrzeugliste);
    dateiAnlegen(pfad, fahrzeugDatei({fahrzeug("6A000001", "ELW"), fahrzeug("6A000002", "NEF")}));

    ASSERT_TRUE(dokumentNeuLaden(t.ab, t.rueckfrage, t.fortschritt, DokFahrzeugliste, pfad));
    EXPECT_EQ(t.ab.verlauf.anzahl(), 1);
    EXPECT_EQ(t.kennungen().size(), 2);
    ASSERT_TRUE(Rueckgaengig(t.ab));
    EXPECT_EQ(t.fahrzeugSpalte(&Fahrzeug::rufname), QStringList{"RTW 9"});
    EXPECT_TRUE(t.ab.istUngespeichert(DokFahrzeugliste));
}

// Rows of the list and records of the file; what each row takes.
TEST(FremdAenderung, ZusammenfuehrenPaartKennungen) {
    const auto mit = [](const char* k, const char* name, const char* stat) {
        return fahrzeug(k, name, stat);
    };
    const std::vector<Fahrzeug> liste = {mit("6A000001", "A", "1"), mit("6A000002", "B", "1"),
                                         mit("6A000002", "C", "1"), mit("6A000002", "D", "1"),
                                         mit("6A000003", "E", "1")};
    const std::vector<Fahrzeug> datei = {mit("6A000002", "x", "5"), mit("6A000009", "y", "9"),
                                         mit("6A000002", "z", "6"), mit("6A000001", "w", "1")};
    const auto neu = laufzeitdatenAbgleichen(liste, datei);
    // Row 0 is unchanged, the third 6A000002 has no record of its own, 6A000003 none at all.
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(neu[0].first, 1);
    EXPECT_EQ(neu[0].second.stat, "5");
    EXPECT_EQ(neu[0].second.rufname, "B");
    EXPECT_EQ(neu[1].first, 2);
    EXPECT_EQ(neu[1].second.stat, "6");
}

TEST(FremdAenderung, ZusammenfuehrenMitFalscherLaengeSchreibtNichts) {
    TestArbeitsbereich t;
    t.ab.startverzeichnis = t.ordner.path();
    const QString pfad = t.datei("Fahrzeug.BIN", fahrzeugDatei({fahrzeug("6A000001")}));
    ASSERT_TRUE(FahrzeuglisteLaden(t.ab, t.rueckfrage, pfad));
    const QByteArray kaputt = fahrzeugDatei({fahrzeug("6A000001", "RTW", "7")}) + "x";
    dateiAnlegen(pfad, kaputt);
    t.rueckfrage.antworten = {Antwort::Zusammenfuehren};

    EXPECT_FALSE(AllesSpeichern(t.ab, t.rueckfrage, t.fortschritt));
    ASSERT_EQ(t.rueckfrage.fragen.size(), 2);
    EXPECT_EQ(t.rueckfrage.fragen[1].text, fahrzeugtext::UngueltigeDatei);
    EXPECT_EQ(dateiInhalt(pfad), kaputt);
    EXPECT_FALSE(QFileInfo::exists(t.pfad("Status.BIN")));
    EXPECT_EQ(t.fahrzeugSpalte(&Fahrzeug::stat), QStringList{"2"});
}
