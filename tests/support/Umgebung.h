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

// Whether the folder keeps names apart that differ only in case (not so on Windows).
bool schreibweisenGetrennt(const QString& ordner);

// Brings the working directory back when the object ends (every file dialog of the program
// moves it); given a folder, it moves there first.
class Arbeitsordner {
public:
    Arbeitsordner();
    explicit Arbeitsordner(const QString& ordner);
    ~Arbeitsordner();
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

private:
    QString m_vorher;
};

} // namespace tabulo::test
