#pragma once

#include <QString>

namespace tabulo {

// The eight text columns of a vehicle list entry, in column order.
struct Fahrzeug {
    QString rufname;        // "Rufname", up to 10
    QString kennung;        // "Kennung", 8
    QString stat;           // "Stat"
    QString zeit;           // "Zeit", 8
    QString info;           // "Info", up to 20
    QString bemerkung;      // "Bemerkung", up to 256
    QString folgetelegramm; // "Folgetelegramm", 2 digits
    QString datentelegramm; // "Datentelegramm", up to 100

    static constexpr int AnzahlSpalten = 8;
    const QString& spalte(int nr) const;
    QString& spalte(int nr);

    bool operator==(const Fahrzeug&) const = default;
};

namespace breite {
constexpr int Rufname = 10;
constexpr int Kennung = 8;
constexpr int Zeit = 8;
constexpr int Info = 20;
constexpr int Bemerkung = 256;
constexpr int Datentelegramm = 100;
} // namespace breite

// "Fahrzeug" and the call name, or the identifier when there is no name: how steps name it.
QString fahrzeugName(const QString& rufname, const QString& kennung);
inline QString fahrzeugName(const Fahrzeug& f) {
    return fahrzeugName(f.rufname, f.kennung);
}

// Column captions of the vehicle list views.
QString fahrzeugSpaltenTitel(int nr);

} // namespace tabulo
