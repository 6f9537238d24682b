#include "core/files/EinstellungsSpeicher.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulo;

// Without a folder given, the INI files land in the user's configuration folder, which tests
// and the demo redirect through XDG_CONFIG_HOME.
TEST(SystemSpeicherIni, LiegtImKonfigurationsordner) {
    QTemporaryDir ordner;
    const QByteArray vorher = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner.path()));
    SystemSpeicher s;
    s.speichern(anwendung::Velastat, sektion::Fahrzeuguebersicht, "1", "@Leitstelle");
    const QString ort = s.ort(anwendung::Velastat);
    qputenv("XDG_CONFIG_HOME", vorher);
    EXPECT_EQ(ort, ordner.filePath("VB and VBA Program Settings/VELASTAT.ini"));
    EXPECT_TRUE(QFileInfo::exists(ort));
}
