#include "model/AktionenModell.h"

#include "files/EinstellungsSpeicher.h"
#include "model/AktionenBefehle.h"
#include "model/AktionenGenerieren.h"
#include "model/Aktionsliste.h"
#include "model/Arbeitsbereich.h"
#include "model/Fortschritt.h"
#include "support/AktionenHilfen.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QTemporaryDir>
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

    ab.fahrzeuge = {fahrzeug("V", "12345678")};
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
            fahrzeug(QString::number(i), QStringLiteral("1234%1").arg(i, 4, 16, QLatin1Char('0')).toUpper()));
    GenerierAuswahl auswahl;
    auswahl.stati.fill(true);
    auswahl.vorlage = QStringLiteral("x *?");
    AktionenGenerieren(ab, auswahl);
    EXPECT_EQ(modell.rowCount(), 0); // no direction selected
    auswahl.richtung[1] = true;
    AktionenGenerieren(ab, auswahl);
    ASSERT_EQ(modell.rowCount(), 100000);
    EXPECT_EQ(modell.index(99999, 3).data().toString(), "x 1234270F9");
}

// Dialog settings of the commands; a cancelled dialog does nothing.
TEST(AktionenBefehle, DateiDialoge) {
    struct Fall {
        DateiDialog dialog;
        QString titel, dateiname, filter;
        bool speichern;
    };
    const QString bin = QStringLiteral("Alle Dateien (*.*)|*.*|BIN-Dateien (*.bin)|*.bin|");
    const QString exe = QStringLiteral("Alle Dateien (*.*)|*.*|EXE-Dateien (*.exe)|*.exe|");
    const Fall faelle[] = {
        {aktionenLadenDialog(), "Aktionen Laden", "Aktion.BIN", bin, false},
        {aktionenSpeichernDialog(), "Aktionen Speichern", "Aktion.BIN", bin, true},
        {aktionSuchenDialog(), "Aktion Suchen", "", exe, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.titel.toStdString());
        EXPECT_EQ(f.dialog.titel, f.titel);
        EXPECT_EQ(f.dialog.dateiname, f.dateiname);
        EXPECT_EQ(f.dialog.filter, f.filter);
        EXPECT_EQ(f.dialog.filterIndex, 2);
        EXPECT_EQ(f.dialog.speichern, f.speichern);
        if (f.speichern)
            EXPECT_TRUE(f.dialog.ueberschreibenFragen);
        else
            EXPECT_TRUE(f.dialog.mussExistieren);
    }
}

TEST(AktionenBefehle, LadenSpeichernUndStart) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir().mkpath(ordner.filePath("unter"));
    QDir::setCurrent(ordner.path());
    const QByteArray inhalt = aktionSatz("12345678", '3', '1', "x");
    dateiAnlegen(ordner.filePath("aKtIoN.bin"), inhalt);
    dateiAnlegen(ordner.filePath("unter/andere.bin"), inhalt + inhalt);

    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    SkriptRueckfrage rueckfrage;
    Fortschritt fortschritt;

    // The first opening finds the default file ignoring case.
    AktionenStart(ab, rueckfrage, fortschritt);
    EXPECT_EQ(ab.aktionen.size(), 1u);
    EXPECT_TRUE(ab.aktionenMenueAktiv);

    AktionenLadenBefehl(ab, rueckfrage, fortschritt); // cancelled
    EXPECT_EQ(ab.aktionen.size(), 1u);
    rueckfrage.dateien = {ordner.filePath("unter/andere.bin")};
    AktionenLadenBefehl(ab, rueckfrage, fortschritt);
    EXPECT_EQ(ab.aktionen.size(), 2u);
    EXPECT_EQ(QDir::currentPath(), QDir(ordner.filePath("unter")).canonicalPath());

    rueckfrage.dateien = {ordner.filePath("unter/import.bin")};
    dateiAnlegen(ordner.filePath("unter/import.bin"), aktionSatz("87654321", '1', '0', "y"));
    AktionenImportierenBefehl(ab, rueckfrage, fortschritt);
    EXPECT_EQ(ab.aktionen.size(), 3u);

    rueckfrage.dateien = {ordner.filePath("gespeichert.bin")};
    AktionenSpeichernBefehl(ab, rueckfrage);
    EXPECT_EQ(dateiInhalt(ordner.filePath("gespeichert.bin")).size(), 3 * 137);
    EXPECT_FALSE(ab.istUngespeichert(DokAktionen));

    rueckfrage.dateien = {ordner.filePath("unter/prog.exe")};
    EXPECT_EQ(AktionSuchen(rueckfrage), QDir::toNativeSeparators(ordner.filePath("unter/prog.exe")));
    EXPECT_EQ(AktionSuchen(rueckfrage), std::nullopt);
    QDir::setCurrent(vorher);
}
