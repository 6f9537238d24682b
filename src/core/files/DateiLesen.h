#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

namespace tabulo {

class Pruefsummenrechner;

struct LeseErgebnis {
    std::optional<QByteArray> daten; // nothing when the file could not be read
    QString fehler;                  // the system's reason then
};

// Reads a whole file at once, so that a document is never half loaded from a file that
// changes or vanishes while it is read.
LeseErgebnis dateiLesen(const QString& pfad);

// Hands a file's whole records, in order, to `satz` while it reads the file in blocks, so a
// large file never sits in memory twice. The record handed over before stays valid during the
// next call (two blocks take turns), so a reader may compare neighbours. A trailing part of a
// record is left out. Returns false (with the reason) when the file cannot be opened or read;
// the caller then drops what it was handed. `summe`, when given, takes every byte read.
bool saetzeLesen(const QString& pfad, qsizetype satzLaenge, const std::function<void(QByteArrayView)>& satz,
                 QString* fehler = nullptr, Pruefsummenrechner* summe = nullptr);

// A length that is a whole number of records.
constexpr bool ganzeSaetze(qint64 laenge, qint64 satzLaenge) {
    return laenge % satzLaenge == 0;
}

} // namespace tabulo

namespace tabulo {
// Text of the message that tells the user which file could not be read and why.
QString leseFehlerText(const QString& pfad, const QString& grund);
} // namespace tabulo
