#include "files/StandardDatei.h"

#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(StandardDatei, FindetDateiOhneRuecksichtAufGrossschreibung) {
    QTemporaryDir ordner;
    dateiAnlegen(ordner.filePath("Status.BIN"), "x");
    EXPECT_EQ(QDir::fromNativeSeparators(standardDatei(ordner.path(), "status.bin")), ordner.filePath("Status.BIN"));
    EXPECT_EQ(QDir::fromNativeSeparators(standardDatei(ordner.path(), "STATUS.bin")), ordner.filePath("Status.BIN"));
}

TEST(StandardDatei, GenauerTrefferGewinnt) {
    QTemporaryDir ordner;
    dateiAnlegen(ordner.filePath("Status.BIN"), "x");
    dateiAnlegen(ordner.filePath("status.bin"), "y");
    EXPECT_EQ(QDir::fromNativeSeparators(standardDatei(ordner.path(), "status.bin")), ordner.filePath("status.bin"));
    EXPECT_EQ(QDir::fromNativeSeparators(standardDatei(ordner.path(), "Status.BIN")), ordner.filePath("Status.BIN"));
}

TEST(StandardDatei, OhneTrefferDerGegebeneName) {
    QTemporaryDir ordner;
    EXPECT_EQ(QDir::fromNativeSeparators(standardDatei(ordner.path(), "Orte.BIN")), ordner.filePath("Orte.BIN"));
}

TEST(StandardDatei, PfadVerbindenMitUndOhneTrenner) {
    EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden("/a/b", "c.bin")), "/a/b/c.bin");
    EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden("/a/b/", "c.bin")), "/a/b/c.bin");
    EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden("/", "c.bin")), "/c.bin");
}
