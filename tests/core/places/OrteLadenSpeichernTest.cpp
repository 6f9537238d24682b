#include "core/places/OrteLadenSpeichern.h"

#include "support/FehlerSchreiber.h"
#include "support/OrteDaten.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

// n records: two BOS-Kennungen per place, so no table limit interferes.
QByteArray saetze(int n) {
    QByteArray daten;
    for (int i = 0; i < n; ++i)
        daten +=
            orteSatz(i % 2 ? '7' : '6', QByteArray::number(0x100 + i / 2, 16).toUpper().constData(), "Ort");
    return daten;
}

class OrteLadenSpeichern : public ::testing::Test, protected OrteArbeitsbereich {
protected:
    // A table that a rejected file must leave alone.
    void vorbelegen() {
        ASSERT_TRUE(OrteLaden(ab, datei("vorher.bin", orteSatz('1', "A11", "Altdorf"))));
        ab.markieren(DokOrtskennungen);
    }
};

} // namespace

TEST_F(OrteLadenSpeichern, LadenPrueftDieLaengeUndZaehltDieSaetzeDerDatei) {
    struct Fall {
        const char* name;
        QByteArray daten;
        OrteLesen art;
        int anzahl;
        bool rot;
    };
    const Fall faelle[] = {
        {"leere Datei ist eine leere Tabelle", {}, OrteLesen::Gelesen, 0, false},
        {"ein Byte zu viel", orteSatz('1', "A12", "X") + "x", OrteLesen::UngueltigeLaenge, 0, false},
        {"ein Byte zu wenig", orteSatz('1', "A12", "X").chopped(1), OrteLesen::UngueltigeLaenge, 0, false},
        {"250 Saetze noch normal", saetze(250), OrteLesen::Gelesen, 250, false},
        {"251 Saetze rot", saetze(251), OrteLesen::Gelesen, 251, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        vorbelegen();
        const Ortstabelle vorher = ab.orte;
        datei("orte.bin", f.daten);
        QSignalSpy geaendert(&ab, &Arbeitsbereich::orteVeraendert);

        const OrteLeseErgebnis e = OrteLaden(ab, pfad("orte.bin"));

        EXPECT_EQ(e.art, f.art);
        if (f.art != OrteLesen::Gelesen) {
            EXPECT_EQ(ab.orte, vorher);
            EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));
            EXPECT_EQ(geaendert.count(), 0);
            continue;
        }
        EXPECT_EQ(ab.orte.anzahl, f.anzahl);
        EXPECT_EQ(anzahlFarbe(ab.orte.anzahl) == farbe::Rot, f.rot);
        EXPECT_EQ(ab.orte.liste.size(), (f.anzahl + 1) / 2);
        EXPECT_FALSE(ab.istUngespeichert(DokOrtskennungen));
        EXPECT_EQ(geaendert.count(), 1);
    }
}

TEST_F(OrteLadenSpeichern, RundreiseIstByteGenau) {
    // Places in slot order, each with ascending BOS digits: exactly what the save writes.
    const QByteArray daten = orteSatz('6', "A12", "Musterstadt") + orteSatz('D', "A12", "Musterstadt") +
                             orteSatz('F', "A12", "Musterstadt") +
                             orteSatz('0', "012", QString::fromUtf8("Güstrow")) +
                             orteSatz('6', "A13", "Ein Ortsname mit genau f\u00fcnfzig Zeichen bis zu Ende");
    ASSERT_TRUE(OrteLaden(ab, datei("orte.bin", daten)));
    ASSERT_TRUE(OrteSpeichern(ab, pfad("zurueck.bin")));
    EXPECT_EQ(dateiInhalt(pfad("zurueck.bin")), daten);
}

TEST_F(OrteLadenSpeichern, ImportErgaenztZeilenZaehltNeuUndMarkiert) {
    vorbelegen();
    ab.freigeben(DokOrtskennungen);
    datei("import.bin", orteSatz('1', "A11", "Altdorf") + orteSatz('7', "A11", "Altdorf") +
                            orteSatz('2', "B01", "Neustadt"));
    ASSERT_TRUE(OrteImportieren(ab, pfad("import.bin")));
    ASSERT_EQ(ab.orte.liste.size(), 2);
    EXPECT_TRUE(ab.orte.liste[0].endsWith(" N1 N7")); // rewritten in place; the repeated bit 1 counts once
    EXPECT_TRUE(ab.orte.liste[1].startsWith("B01 Neustadt"));
    EXPECT_EQ(ab.orte.anzahl, 3);
    EXPECT_TRUE(ab.istUngespeichert(DokOrtskennungen));

    const Ortstabelle vorher = ab.orte;
    ab.freigeben(DokOrtskennungen);
    datei("kaputt.bin", "zu kurz");
    EXPECT_EQ(OrteImportieren(ab, pfad("kaputt.bin")).art, OrteLesen::UngueltigeLaenge);
    EXPECT_EQ(ab.orte, vorher);
    EXPECT_FALSE(ab.istUngespeichert(DokOrtskennungen));
    EXPECT_EQ(OrteImportieren(ab, pfad("fehlt.bin")).art, OrteLesen::NichtLesbar);
    EXPECT_EQ(ab.orte, vorher);
}

TEST_F(OrteLadenSpeichern, NeuLadenPrueftWieDasLadenUndLaesstDasFlag) {
    struct Fall {
        const char* name;
        const char* datei; // nothing: no file in the working directory
        QByteArray daten;
        OrteLesen art;
    };
    const Fall faelle[] = {
        {"ohne Datei bleibt alles", nullptr, {}, OrteLesen::KeineDatei},
        {"kurzer letzter Satz wird nicht gelesen", "orte.bin", orteSatz('2', "B01", "Neu") + "kurz",
         OrteLesen::UngueltigeLaenge},
        {"Gross- und Kleinschreibung egal", "ORTE.Bin", orteSatz('2', "B01", "Neu"), OrteLesen::Gelesen},
    };
    for (const Fall& f : faelle) {
        for (const bool ungespeichert : {false, true}) {
            SCOPED_TRACE(f.name);
            QTemporaryDir eigener;
            const Arbeitsordner darin(eigener.path());
            vorbelegen();
            if (!ungespeichert)
                ab.freigeben(DokOrtskennungen);
            if (f.datei)
                dateiAnlegen(eigener.filePath(f.datei), f.daten);
            const Ortstabelle vorher = ab.orte;

            EXPECT_EQ(OrteNeuLaden(ab).art, f.art);

            EXPECT_EQ(ab.istUngespeichert(DokOrtskennungen), ungespeichert);
            if (f.art == OrteLesen::Gelesen) {
                ASSERT_EQ(ab.orte.liste.size(), 1);
                EXPECT_TRUE(ab.orte.liste[0].startsWith("B01 Neu"));
                EXPECT_EQ(ab.orte.anzahl, 1);
            } else {
                EXPECT_EQ(ab.orte, vorher);
            }
            if (!f.datei) {
                EXPECT_FALSE(QFileInfo::exists(eigener.filePath("orte.bin")));
            }
        }
    }
}

TEST_F(OrteLadenSpeichern, StartLiestNurGanzeSaetze) {
    EXPECT_EQ(OrteStartLesen(ab).art, OrteLesen::KeineDatei);
    EXPECT_EQ(ab.orte.anzahl, 0);
    datei("Orte.BIN", orteSatz('2', "B01", "Neu") + orteSatz('3', "B01", "Neu") + "Rest");
    EXPECT_TRUE(OrteStartLesen(ab));
    ASSERT_EQ(ab.orte.liste.size(), 1);
    EXPECT_TRUE(ab.orte.liste[0].endsWith(" N2 N3"));
    EXPECT_EQ(ab.orte.anzahl, 2);
}
