#include "files/DateiSchreiber.h"

#include "support/FehlerSchreiber.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

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
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("a.bin");
    dateiAnlegen(pfad, "vorher");
    QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::ExeOwner);
    const SchreibErgebnis e = DateiSchreiber().schreiben(pfad, "nachher");
    QFile::setPermissions(ordner.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
