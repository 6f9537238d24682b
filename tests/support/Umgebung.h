#pragma once

#include <QByteArray>
#include <QString>

namespace tabulo::test {

// Points XDG_CONFIG_HOME at a temporary folder (nothing a test does may touch the user's
// settings) and selects the headless platform unless one is set.
void testUmgebungEinrichten();

// Writes bytes to a file, creating folders; fails the test when it cannot.
void dateiAnlegen(const QString& pfad, const QByteArray& daten);
QByteArray dateiInhalt(const QString& pfad);

} // namespace tabulo::test
