#include "core/common/Handbuch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;

// Each row puts copies of the guide around bin/ and expects the one found, or none.
TEST(Handbuch, FindetDieKopieNebenDemProgrammImBaubaumUndDieInstallierte) {
    const struct {
        const char* fehler;
        QStringList ordner;
        QString erwartet;
    } faelle[] = {
        {"zip: the copy beside the exe not found", {"bin"}, "bin"},
        {"build tree: docs/ beside src/ not found", {"docs"}, "docs"},
        {"installed copy under share/doc/tabulo not found", {"share/doc/tabulo"}, "share/doc/tabulo"},
        {"the copy beside the exe not tried first", {"share/doc/tabulo", "bin"}, "bin"},
        {"a guide outside the three places found", {"share/doc"}, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fehler);
        QTemporaryDir wurzel;
        const QDir w(wurzel.path());
        w.mkpath(QStringLiteral("bin"));
        for (const QString& o : f.ordner) {
            w.mkpath(o);
            QFile(w.filePath(o + QLatin1Char('/') + handbuchtext::Dateiname)).open(QIODevice::WriteOnly);
        }
        const QString bin = w.filePath(QStringLiteral("bin"));
        EXPECT_EQ(handbuchSuchen(bin),
                  f.erwartet.isEmpty() ? QString()
                                       : w.filePath(f.erwartet + QLatin1Char('/') + handbuchtext::Dateiname));
    }
}
