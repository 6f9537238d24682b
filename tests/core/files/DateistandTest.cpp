#include "core/files/Dateistand.h"

#include "support/Umgebung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
void zeitSetzen(const QString& pfad, const QDateTime& zeit) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(zeit, QFileDevice::FileModificationTime));
}
} // namespace

// Each row: what another program does to a file after Tabulo read (or wrote) it.
TEST(Dateistand, ErkenntWasEinAnderesProgrammTat) {
    const QByteArray alt(816, 'a');
    const QDateTime frueher = QDateTime::currentDateTimeUtc().addSecs(-3600);
    struct Fall {
        const char* name;
        bool vorherDa;
        std::function<void(const QString&)> tat;
        std::optional<DateiAenderung> erwartet;
    };
    const Fall faelle[] = {
        {"nichts getan", true, [](const QString&) {}, DateiAenderung::Unveraendert},
        {"gleiche Bytes mit neuer Zeit", true, [&](const QString& p) { dateiAnlegen(p, alt); },
         DateiAenderung::Unveraendert},
        {"andere Bytes, gleiche Länge und Zeit", true,
         [&](const QString& p) {
             dateiAnlegen(p, QByteArray(816, 'b'));
             zeitSetzen(p, frueher);
         },
         DateiAenderung::Geaendert},
        {"länger geworden", true, [&](const QString& p) { dateiAnlegen(p, alt + "x"); },
         DateiAenderung::Geaendert},
        {"gelöscht", true, [](const QString& p) { QFile::remove(p); }, DateiAenderung::Geloescht},
        {"durch einen Ordner ersetzt", true,
         [](const QString& p) {
             QFile::remove(p);
             QDir().mkpath(p);
         },
         DateiAenderung::Ordner},
        {"fehlte und wurde angelegt", false, [&](const QString& p) { dateiAnlegen(p, alt); },
         DateiAenderung::Geaendert},
        {"fehlte und fehlt", false, [](const QString&) {}, DateiAenderung::Unveraendert},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("Fahrzeug.BIN");
        Dateistaende staende;
        if (f.vorherDa) {
            dateiAnlegen(pfad, alt);
            zeitSetzen(pfad, frueher);
        }
        staende.merken(1, pfad, f.vorherDa ? dateistandNach(pfad, alt) : Dateistand{});
        f.tat(pfad);
        EXPECT_EQ(staende.pruefen(pfad), f.erwartet);
        // A second look agrees, also after the first took a new time as unchanged.
        EXPECT_EQ(staende.pruefen(ordner.filePath("./Fahrzeug.BIN")), f.erwartet);
    }
    EXPECT_EQ(Dateistaende().pruefen("nie/gelesen.BIN"), std::nullopt);
}

// A file read in blocks of any size hashes as when read whole, across the 64 KiB slices too.
TEST(Dateistand, PruefsummeInStueckenWieAmStueck) {
    QByteArray bytes(200000, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + i / 251);
    for (const qsizetype stueck : {qsizetype(1), qsizetype(137), qsizetype(65486), qsizetype(65536),
                                   qsizetype(70000), qsizetype(200000)}) {
        Pruefsummenrechner rechner;
        for (qsizetype pos = 0; pos < bytes.size(); pos += stueck)
            rechner.dazu(QByteArrayView(bytes).sliced(pos, std::min(stueck, bytes.size() - pos)));
        EXPECT_EQ(rechner.summe(), dateiPruefsumme(bytes)) << stueck;
    }
    EXPECT_NE(dateiPruefsumme(bytes), dateiPruefsumme(QByteArrayView(bytes).first(199999)));
}
