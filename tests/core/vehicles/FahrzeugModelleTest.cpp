#include "core/vehicles/FahrzeugModelle.h"

#include "core/vehicles/FahrzeugBearbeitung.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

// The full list (ListView1) and the vehicles no field shows (ListView2); "anton" stands in field 0.
class FahrzeugModelle : public ::testing::Test, protected TestArbeitsbereich {
protected:
    FahrzeugModell liste1{ab};
    NichtAufgenommenModell liste2{ab};
    QAbstractItemModelTester pruefer1{&liste1, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester pruefer2{&liste2, QAbstractItemModelTester::FailureReportingMode::Fatal};

    void SetUp() override {
        ab.fahrzeuge = {fahrzeug("33333333", "Cäsar"), fahrzeug("11111111", "anton"),
                        fahrzeug("22222222", "Berta")};
        fahrzeugInFeld(ab, 0, ab.fahrzeuge[1]);
        FahrzeuglisteAktualisieren(ab);
    }

    static QStringList spalte(const FahrzeugZeilenModell& m, int s) {
        QStringList texte;
        for (int r = 0; r < m.rowCount(); ++r)
            texte << m.index(r, s).data().toString();
        return texte;
    }
};

} // namespace

TEST_F(FahrzeugModelle, ZeilenFolgenDerListe) {
    QStringList koepfe;
    for (int s = 0; s <= Fahrzeug::AnzahlSpalten; ++s)
        koepfe << liste1.headerData(s, Qt::Horizontal).toString();
    EXPECT_EQ(koepfe.join('|'), "Rufname|Kennung|Stat|Zeit|Info|Bemerkung|Folgetelegramm|Datentelegramm|9");
    EXPECT_EQ(spalte(liste1, 1), (QStringList{"33333333", "11111111", "22222222"}));
    EXPECT_EQ(spalte(liste2, 1), (QStringList{"33333333", "22222222"}));
    EXPECT_EQ(liste2.fahrzeugIndex(1), 2);
    EXPECT_EQ(liste2.fahrzeugIndex(2), -1);
    // A row the views have not been told about yet is no vehicle.
    ab.fahrzeuge.push_back(fahrzeug("44444444"));
    EXPECT_EQ(liste1.fahrzeugIndex(3), -1);
    EXPECT_EQ(liste1.fahrzeugIndex(2), 2);

    FahrzeugLoeschen(ab, 0, fortschritt);
    EXPECT_EQ(spalte(liste1, 1), (QStringList{"11111111", "22222222", "44444444"}));
    EXPECT_EQ(spalte(liste2, 1), (QStringList{"22222222", "44444444"}));
    ASSERT_TRUE(FahrzeuglisteSpeichern(ab, pfad("f.bin"), fortschritt));
    EXPECT_EQ(spalte(liste1, 0), (QStringList{"anton     ", "Berta     ", "RTW       "}));
    ASSERT_TRUE(FahrzeuglisteLaden(ab, rueckfrage, datei("leer.bin", {})));
    EXPECT_EQ(liste1.rowCount(), 0);
    EXPECT_EQ(liste2.rowCount(), 0);
}

TEST_F(FahrzeugModelle, SortierenOrdnetDieListeUndBehaeltDieAuswahl) {
    const QPersistentModelIndex berta = liste1.index(2, 0);
    liste1.spalteGeklickt(0);
    EXPECT_EQ(spalte(liste1, 0), (QStringList{"anton", "Berta", QStringLiteral("Cäsar")}));
    EXPECT_EQ(kennungen(), (QStringList{"11111111", "22222222", "33333333"}));
    EXPECT_EQ(berta.row(), 1);
    // ListView2 follows the new list order while it is not sorted itself.
    EXPECT_EQ(spalte(liste2, 1), (QStringList{"22222222", "33333333"}));
    liste1.spalteGeklickt(0);
    EXPECT_EQ(spalte(liste1, 0), (QStringList{QStringLiteral("Cäsar"), "Berta", "anton"}));
    EXPECT_EQ(berta.row(), 1);
}

TEST_F(FahrzeugModelle, ZweiteListeSortiertFuerSich) {
    liste2.spalteGeklickt(1);
    EXPECT_EQ(spalte(liste2, 1), (QStringList{"22222222", "33333333"}));
    EXPECT_EQ(kennungen(), (QStringList{"33333333", "11111111", "22222222"})); // the list keeps its order
    // A refresh keeps the second list sorted.
    ab.fahrzeuge.push_back(fahrzeug("00000000", "Dora"));
    FahrzeuglisteAktualisieren(ab);
    EXPECT_EQ(spalte(liste2, 1), (QStringList{"00000000", "22222222", "33333333"}));
    EXPECT_EQ(liste2.fahrzeugIndex(0), 3);
    liste2.spalteGeklickt(1);
    EXPECT_EQ(spalte(liste2, 1), (QStringList{"33333333", "22222222", "00000000"}));
}

// The filter shows the real entries: sorting, deleting and changes act on them, and the other
// entries stay where they were.
TEST_F(FahrzeugModelle, FilterZeigtEchteEintraege) {
    ab.fahrzeuge[2].bemerkung = QStringLiteral("Wache ANTON");
    ab.fahrzeugeGeaendert();
    liste1.setzeFilter(QStringLiteral("anTON"));
    liste2.setzeFilter(QStringLiteral("anTON"));
    EXPECT_EQ(spalte(liste1, 1), (QStringList{"11111111", "22222222"})); // call name and remark, any case
    EXPECT_EQ(spalte(liste2, 1), (QStringList{"22222222"}));
    EXPECT_EQ(nichtAufgenommenText(liste2.rowCount(), liste1.rowCount(), true),
              "Nicht aufgenommen (1 von 2, gefiltert):");

    liste1.spalteGeklickt(0); // sorts the whole list, shows the filtered part of it
    EXPECT_EQ(kennungen(), (QStringList{"11111111", "22222222", "33333333"}));
    EXPECT_EQ(spalte(liste1, 1), (QStringList{"11111111", "22222222"}));

    NichtAufgenommenLoeschen(ab, liste1.fahrzeugIndex(1));
    EXPECT_EQ(kennungen(), (QStringList{"11111111", "33333333"}));
    EXPECT_EQ(spalte(liste1, 1), (QStringList{"11111111"}));
    liste1.setzeFilter({});
    EXPECT_EQ(liste1.rowCount(), 2);
}

TEST_F(FahrzeugModelle, FelderEinesFahrzeugsReihum) {
    fahrzeugInFeld(ab, 300, ab.fahrzeuge[1]);
    ab.felder[300].kennung += QStringLiteral("  "); // blanks around do not count
    EXPECT_EQ(naechstesFeldMit(ab, QStringLiteral("11111111"), -1), 0);
    EXPECT_EQ(naechstesFeldMit(ab, QStringLiteral("11111111"), 0), 300);
    EXPECT_EQ(naechstesFeldMit(ab, QStringLiteral("11111111"), 300), 0); // round to the start
    EXPECT_EQ(naechstesFeldMit(ab, QStringLiteral("22222222"), -1), -1);
    EXPECT_EQ(fahrzeugZeileMitKennung(ab, ab.felder[300].kennung), 1);
    EXPECT_EQ(fahrzeugZeileMitKennung(ab, ab.felder[1].kennung), -1); // a free field shows none
}
