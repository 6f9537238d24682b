#include "support/Umgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tabulo::test {

void testUmgebungEinrichten() {
    static QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(konfiguration.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void dateiAnlegen(const QString& pfad, const QByteArray& daten) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly)) << pfad.toStdString();
    ASSERT_EQ(datei.write(daten), daten.size());
}

bool schreibweisenGetrennt(const QString& ordner) {
    const QDir dir(ordner);
    dateiAnlegen(dir.filePath("probe.bin"), "a");
    dateiAnlegen(dir.filePath("PROBE.BIN"), "b");
    const bool getrennt = dateiInhalt(dir.filePath("probe.bin")) == "a";
    QFile::remove(dir.filePath("probe.bin"));
    QFile::remove(dir.filePath("PROBE.BIN"));
    return getrennt;
}

QByteArray dateiInhalt(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

Arbeitsordner::Arbeitsordner() : m_vorher(QDir::currentPath()) {}

Arbeitsordner::Arbeitsordner(const QString& ordner) : Arbeitsordner() {
    QDir::setCurrent(ordner);
}

Arbeitsordner::~Arbeitsordner() {
    QDir::setCurrent(m_vorher);
}

} // namespace tabulo::test
