#include "files/StandardDatei.h"

#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(StandardDatei, GenauerTrefferVorAndererSchreibungSonstDerGegebeneName) {
    QTemporaryDir ordner;
    dateiAnlegen(ordner.filePath("Status.BIN"), "x");
    dateiAnlegen(ordner.filePath("status.bin"), "y");
    dateiAnlegen(ordner.filePath("Orte.bin"), "z");
    const std::pair<const char*, const char*> faelle[] = {
        {"status.bin", "status.bin"},
        {"Status.BIN", "Status.BIN"},
        {"ORTE.BIN", "Orte.bin"},
        {"Fehlt.BIN", "Fehlt.BIN"}, // no match
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
