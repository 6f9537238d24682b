#include "core/common/Handbuch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;

// Each row lays out copies of the guide around bin/ and expects the one found, or none.
TEST(Handbuch, FindetDieKopieNebenDemProgrammImBaubaumUndDieInstallierte) {
    struct Fall {
        const char* fehler;
        QStringList kopien;
        QString erwartet;
    };
    const Fall faelle[] = {
        {"zip: guide beside the exe not found", {"bin/Benutzerhandbuch.html"}, "bin/Benutzerhandbuch.html"},
        {"build tree: docs/ beside src/ not found",
         {"docs/Benutzerhandbuch.html"},
         "docs/Benutzerhandbuch.html"},
        {"installed copy under share/doc/tabulo not found",
         {"share/doc/tabulo/Benutzerhandbuch.html"},
         "share/doc/tabulo/Benutzerhandbuch.html"},
        {"the copy beside the exe not tried first",
         {"share/doc/tabulo/Benutzerhandbuch.html", "bin/Benutzerhandbuch.html"},
         "bin/Benutzerhandbuch.html"},
        {"a folder of that name taken for the guide", {"docs/Benutzerhandbuch.html/"}, ""},
        {"a guide elsewhere in the tree found", {"share/doc/Benutzerhandbuch.html"}, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fehler);
        QTemporaryDir wurzel;
        QDir(wurzel.path()).mkpath(QStringLiteral("bin"));
        for (const QString& k : f.kopien) {
            if (k.endsWith(QLatin1Char('/'))) {
                QDir(wurzel.path()).mkpath(k);
                continue;
            }
            QDir(wurzel.path()).mkpath(QFileInfo(k).path());
            QFile datei(wurzel.filePath(k));
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        }
        const QString bin = wurzel.filePath(QStringLiteral("bin"));
        EXPECT_EQ(handbuchSuchen(bin), f.erwartet.isEmpty() ? QString() : wurzel.filePath(f.erwartet));
        if (f.erwartet.isEmpty())
            EXPECT_TRUE(handbuchFehltText(bin).contains(QDir::toNativeSeparators(
                wurzel.filePath(QStringLiteral("share/doc/tabulo/Benutzerhandbuch.html")))));
    }
}
