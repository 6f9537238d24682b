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

TEST(DateiSchreiber, OrdnerAlsZielMeldetFehler) {
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir("Status.BIN");
    const SchreibErgebnis e = DateiSchreiber().schreiben(ordner.filePath("Status.BIN"), "x");
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.fehler.isEmpty());
    EXPECT_TRUE(QFileInfo(ordner.filePath("Status.BIN")).isDir());
}

TEST(DateiSchreiber, ElternpfadIstDateiMeldetFehler) {
    QTemporaryDir ordner;
    dateiAnlegen(ordner.filePath("keinordner"), "x");
    const SchreibErgebnis e = DateiSchreiber().schreiben(ordner.filePath("keinordner/a.bin"), "x");
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.fehler.isEmpty());
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

TEST(DateiSchreiber, FehlerTextNenntDateiUndGrund) {
    const QString text = schreibFehlerText("/tmp/x/Status.BIN", "Zugriff verweigert");
    EXPECT_TRUE(text.contains("Status.BIN"));
    EXPECT_TRUE(text.contains("Zugriff verweigert"));
}
