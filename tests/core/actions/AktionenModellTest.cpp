#include "core/actions/AktionenModell.h"

#include "core/actions/AktionenGenerieren.h"
#include "core/actions/Aktionsliste.h"
#include "support/Saetze.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(AktionenModell, FolgtJederAenderungDerListe) {
    AktionenArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    ab.aktionen = {aktion("12345678", "3", 1, "start", "Florian")};
    AktionenModell modell(ab);
    QAbstractItemModelTester pruefer(&modell, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QStringList zeile, koepfe;
    for (int s = 0; s < modell.columnCount(); ++s) {
        zeile << modell.index(0, s).data().toString();
        koepfe << modell.headerData(s, Qt::Horizontal).toString();
    }
    EXPECT_EQ(zeile, (QStringList{"Florian", "3", "LST->FZ", "start", "12345678"}));
    EXPECT_EQ(koepfe, (QStringList{"Rufname", "Status", "Richtung", "Aktion", "Kennung"}));

    ab.fahrzeuge = {fahrzeug("12345678", "V")};
    GenerierAuswahl auswahl;
    auswahl.stati.fill(true);
    auswahl.richtung = {true, true};
    AktionenGenerieren(ab, auswahl);
    EXPECT_EQ(modell.rowCount(), 21);
    EXPECT_EQ(modell.index(20, 1).data().toString(), "9");
    std::vector<bool> markiert(21, false);
    markiert[0] = markiert[5] = true;
    AktionenEntfernen(ab, markiert);
    EXPECT_EQ(modell.rowCount(), 19);
    EXPECT_EQ(modell.index(0, 0).data().toString(), "V");
    AlleAktionenLoeschen(ab);
    EXPECT_EQ(modell.rowCount(), 0);
}
