#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tabulo {

struct LeseErgebnis {
    std::optional<QByteArray> daten; // nothing when the file could not be read
    QString fehler;                  // the system's reason then
};

// Reads a whole file at once, so that a document is never half loaded from a file that
// changes or vanishes while it is read.
LeseErgebnis dateiLesen(const QString& pfad);

// A length that is a whole number of records.
constexpr bool ganzeSaetze(qint64 laenge, qint64 satzLaenge) { return laenge % satzLaenge == 0; }

} // namespace tabulo

namespace tabulo {
// Text of the message that tells the user which file could not be read and why.
QString leseFehlerText(const QString& pfad, const QString& grund);
} // namespace tabulo
