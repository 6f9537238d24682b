#include "core/files/DateiLesen.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/StandardDatei.h"
#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// Every whole record arrives once, in order, across block edges (160 records a block); the
// record handed over before is still intact at the next call, which the vehicle reader relies on.
TEST(SaetzeLesen, GanzeSaetzeInReihenfolgeVorgaengerBleibtGueltig) {
    constexpr qsizetype Satz = 408;
    QTemporaryDir ordner;
    for (const qsizetype anzahl : {0, 1, 159, 160, 161, 481}) {
        for (const qsizetype rest : {0, 17}) {
            SCOPED_TRACE(std::to_string(anzahl) + " records + " + std::to_string(rest));
            QByteArray daten;
            for (qsizetype k = 0; k < anzahl; ++k)
                daten += QByteArray::number(k).leftJustified(Satz, char('a' + k % 26));
            daten += QByteArray(rest, 'x');
            const QString pfad = ordner.filePath("saetze.bin");
            dateiAnlegen(pfad, daten);
            qsizetype k = 0;
            QByteArrayView vorher;
            QByteArray vorherKopie;
            EXPECT_TRUE(saetzeLesen(pfad, Satz, [&](QByteArrayView satz) {
                EXPECT_EQ(satz, QByteArrayView(daten).sliced(k * Satz, Satz)) << k;
                if (k++ > 0) {
                    EXPECT_EQ(vorher, QByteArrayView(vorherKopie)) << k;
                }
                vorher = satz;
                vorherKopie = satz.toByteArray();
            }));
            EXPECT_EQ(k, anzahl);
        }
    }
    QString grund;
    EXPECT_FALSE(saetzeLesen(
        ordner.path(), Satz, [](QByteArrayView) { ADD_FAILURE(); }, &grund));
    EXPECT_FALSE(grund.isEmpty());
}

TEST(DateiSchreiber, ErsetztGanz) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("a.bin");
    DateiSchreiber s;
    ASSERT_TRUE(s.schreiben(pfad, "alt und laenger"));
    ASSERT_TRUE(s.schreiben(pfad, "neu"));
    EXPECT_EQ(dateiInhalt(pfad), "neu");
    ASSERT_TRUE(s.schreiben(pfad, ""));
    EXPECT_EQ(QFileInfo(pfad).size(), 0);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.bin"});
}

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
    for (const char* ordnerName : {"/a/b", "/a/b/"})
        EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden(ordnerName, "c.bin")), "/a/b/c.bin");
    EXPECT_EQ(QDir::fromNativeSeparators(pfadVerbinden("/", "c.bin")), "/c.bin");
}
