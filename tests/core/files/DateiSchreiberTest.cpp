#include "core/files/DateiSchreiber.h"

#include "support/FehlerSchreiber.h"
#include "support/Schreibschutz.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(DateiSchreiber, SchreibtUndErsetzt) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("a.bin");
    DateiSchreiber s;
    ASSERT_TRUE(s.schreiben(pfad, "alt"));
    ASSERT_TRUE(s.schreiben(pfad, "neu und laenger"));
    EXPECT_EQ(dateiInhalt(pfad), QByteArray("neu und laenger"));
    ASSERT_TRUE(s.schreiben(pfad, ""));
    EXPECT_EQ(QFileInfo(pfad).size(), 0);
}

TEST(DateiSchreiber, OhneSchreibrechtBleibtAlteDateiErhalten) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("a.bin");
    dateiAnlegen(pfad, "vorher");
    SchreibErgebnis e;
    {
        const Schreibschutz schutz(ordner.path());
        if (!schutz.wirkt())
            GTEST_SKIP() << "this file system cannot protect a folder against this process";
        e = DateiSchreiber().schreiben(pfad, "nachher");
    }
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.fehler.isEmpty());
    EXPECT_EQ(dateiInhalt(pfad), QByteArray("vorher"));
}

TEST(DateiSchreiber, AbbruchMittendrinLaesstAlteDateiUnversehrt) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("a.bin");
    dateiAnlegen(pfad, "vorher");
    for (auto art : {FehlerSchreiber::Art::NachBytes, FehlerSchreiber::Art::BeimAbschluss}) {
        FehlerSchreiber s(art, 3);
        const SchreibErgebnis e = s.schreiben(pfad, "nachher und mehr");
        EXPECT_FALSE(e.ok);
        EXPECT_FALSE(e.fehler.isEmpty());
        EXPECT_EQ(dateiInhalt(pfad), QByteArray("vorher"));
    }
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{"a.bin"}); // no temporary left
}
