#include "core/files/DateiLesen.h"

#include "support/Umgebung.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
constexpr qsizetype Satz = 408; // 160 records a block
} // namespace

// Every whole record arrives once, in order, across block edges; the record handed over before
// is still intact at the next call, which the vehicle reader relies on to share equal columns.
TEST(SaetzeLesen, GanzeSaetzeInReihenfolgeVorgaengerBleibtGueltig) {
    for (const qsizetype anzahl :
         {qsizetype(0), qsizetype(1), qsizetype(159), qsizetype(160), qsizetype(161), qsizetype(481)}) {
        for (const qsizetype rest : {qsizetype(0), qsizetype(17)}) {
            SCOPED_TRACE(std::to_string(anzahl) + " records + " + std::to_string(rest));
            QByteArray daten;
            for (qsizetype k = 0; k < anzahl; ++k)
                daten += QByteArray::number(k).leftJustified(Satz, char('a' + k % 26));
            daten += QByteArray(rest, 'x');
            QTemporaryDir ordner;
            const QString pfad = ordner.filePath("saetze.bin");
            dateiAnlegen(pfad, daten);

            qsizetype k = 0;
            QByteArrayView vorher;
            QByteArray vorherKopie;
            const bool ok = saetzeLesen(pfad, Satz, [&](QByteArrayView satz) {
                ASSERT_EQ(satz.size(), Satz);
                EXPECT_EQ(satz, QByteArrayView(daten).sliced(k * Satz, Satz)) << k;
                if (k > 0) {
                    EXPECT_EQ(vorher, QByteArrayView(vorherKopie)) << k;
                }
                vorher = satz;
                vorherKopie = satz.toByteArray();
                ++k;
            });
            EXPECT_TRUE(ok);
            EXPECT_EQ(k, anzahl);
        }
    }
}

TEST(SaetzeLesen, OrdnerUndFehlendeDateiScheiternMitGrund) {
    QTemporaryDir ordner;
    for (const QString& pfad : {ordner.path(), ordner.filePath("fehlt.bin")}) {
        QString grund;
        int saetze = 0;
        EXPECT_FALSE(saetzeLesen(
            pfad, Satz, [&](QByteArrayView) { ++saetze; }, &grund));
        EXPECT_FALSE(grund.isEmpty());
        EXPECT_EQ(saetze, 0);
    }
}
