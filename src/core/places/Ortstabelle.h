#pragma once

#include "core/common/Farbe.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tabulo {

constexpr int OrtSlots = 201;        // slots 0..200
constexpr int OrtMaxEintraege = 200; // new entries only go into slots 0..199
constexpr int OrtEintragLaenge = 54;
constexpr int OrtAnzahlWarnung = 250; // the count turns red above this

// The place identifiers: one slot per place (LOO, a blank and the name in 50 characters) with
// the set of BOS-Kennungen it holds for. Filled slots come first.
struct Ortstabelle {
    std::array<QString, OrtSlots> text;
    std::array<quint32, OrtSlots> maske{};
    QStringList liste; // the display lines, line i belongs to slot i
    // The record count the window shows: after a load the file's number of records (so
    // records a full table dropped stay visible there), else the recount of satzAnzahl.
    int anzahl = 0;

    void leeren();

    // Merges one 54-character record (BOS digit, LOO, name). Returns false when the table
    // was full and the record was dropped.
    bool satzEinfuegen(const QString& satz);

    // Rewrites the display lines of the filled slots and frees slots whose text is shorter
    // than 50 characters.
    void listeBilden(const std::array<QString, 16>& bosName);

    // Display line of slot i: its text and the names of its BOS-Kennungen.
    QString anzeigeZeile(int slot, const std::array<QString, 16>& bosName) const;

    // Sets line i to the display line of slot i; missing lines before it are filled with
    // their slots' lines so that line i keeps belonging to slot i.
    void zeileSetzen(int slot, const std::array<QString, 16>& bosName);

    // Sum of set bits over the slots, stopping at the first slot whose mask is 0 and whose
    // text is not a whole entry.
    int satzAnzahl() const;

    bool operator==(const Ortstabelle&) const = default;
};

inline int bitAnzahl(quint32 maske) {
    return __builtin_popcount(maske & 0xFFFFu);
}

// Colour of the shown count: red once there are more records than the host program takes.
constexpr Farbe anzahlFarbe(int anzahl) {
    return anzahl > OrtAnzahlWarnung ? farbe::Rot : farbe::Schaltflaechentext;
}

} // namespace tabulo
