#include "core/actions/AktionenModell.h"

#include "core/actions/AktionenGenerieren.h"
#include "core/actions/Aktionsliste.h"
#include "core/common/Arbeitsbereich.h"
#include "core/files/EinstellungsSpeicher.h"
#include "support/AktionenHilfen.h"
#include "support/Fahrzeuge.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(AktionenModell, FolgtJederAenderungDerListe) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    ab.aktionen = {aktion("12345678", "3", 1, "start", "Florian")};
    AktionenModell modell(ab);
    QAbstractItemModelTester pruefer(&modell, QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(modell.rowCount(), 1);
    EXPECT_EQ(modell.columnCount(), 5);
    const QStringList titel = {"Rufname", "Status", "Richtung", "Aktion", "Kennung"};
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(modell.headerData(s, Qt::Horizontal).toString(), titel[s]);
    const QStringList zeile = {"Florian", "3", "LST->FZ", "start", "12345678"};
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(modell.index(0, s).data().toString(), zeile[s]);

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
    EXPECT_FALSE(modell.index(0, 0).isValid());
}

TEST(AktionenModell, HunderttausendZeilen) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    AktionenModell modell(ab);
    QAbstractItemModelTester pruefer(&modell, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int i = 0; i < 10000; ++i)
        ab.fahrzeuge.push_back(
            fahrzeug(QStringLiteral("1234%1").arg(i, 4, 16, QLatin1Char('0')).toUpper(), QString::number(i)));
    GenerierAuswahl auswahl;
    auswahl.stati.fill(true);
    auswahl.vorlage = QStringLiteral("x *?");
    auswahl.richtung[1] = true;
    AktionenGenerieren(ab, auswahl);
    ASSERT_EQ(modell.rowCount(), 100000);
    EXPECT_EQ(modell.index(99999, 3).data().toString(), "x 1234270F9");
}
