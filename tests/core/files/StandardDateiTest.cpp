#include "core/files/StandardDatei.h"

#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// Whatever spelling a reader or writer asks for, it gets the same file.
TEST(StandardDatei, JedeSchreibweiseFindetDieselbeDatei) {
    QTemporaryDir ordner;
    if (!schreibweisenGetrennt(ordner.path()))
        GTEST_SKIP() << "the file system ignores case";
    dateiAnlegen(ordner.filePath("status.bin"), "y");
    dateiAnlegen(ordner.filePath("Status.BIN"), "x");
    dateiAnlegen(ordner.filePath("Orte.bin"), "z");
    QDir(ordner.path()).mkdir("AKTION.BIN");
    const std::pair<const char*, const char*> faelle[] = {
        {"status.bin", "Status.BIN"}, // the reader's spelling
        {"Status.BIN", "Status.BIN"}, // the writer's
        {"STATUS.BIN", "Status.BIN"}, {"ORTE.BIN", "Orte.bin"}, {"Fehlt.BIN", "Fehlt.BIN"}, // no match
        {"Aktion.BIN", "Aktion.BIN"}, // a folder is no file
    };
    for (const auto& [gesucht, gefunden] : faelle)
        EXPECT_EQ(QDir::fromNativeSeparators(standardDatei(ordner.path(), gesucht)),
                  ordner.filePath(gefunden))
            << gesucht;
}

TEST(StandardDatei, PfadVerbindenMitUndOhneTrenner) {
    EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden("/a/b", "c.bin")), "/a/b/c.bin");
    EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden("/a/b/", "c.bin")), "/a/b/c.bin");
    EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden("/", "c.bin")), "/c.bin");
}
