#include "model/AktionenBefehle.h"

#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "model/Arbeitsbereich.h"
#include "model/Fortschritt.h"
#include "support/AktionenHilfen.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;


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
    // The question before loading comes after the choice and can end the command.
    rueckfrage.dateien = {ordner.filePath("unter/andere.bin")};
    int gefragt = 0;
    AktionenLadenBefehl(ab, rueckfrage, fortschritt, [&] { return ++gefragt > 1; });
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(ab.aktionen.size(), 1u);
    rueckfrage.dateien = {ordner.filePath("unter/andere.bin")};
    AktionenLadenBefehl(ab, rueckfrage, fortschritt, [&] { return ++gefragt > 1; });
    EXPECT_EQ(gefragt, 2);
    EXPECT_EQ(ab.aktionen.size(), 2u);
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
