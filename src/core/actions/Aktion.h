#pragma once

#include <QString>

namespace tabulo {

// The five text columns of an action entry.
struct Aktion {
    QString rufname;  // looked up in the vehicle list, not stored
    QString status;   // one character
    QString richtung; // the direction's display name; the digit itself for 2 to 9
    QString aktion;   // command line, up to 127 when saved
    QString kennung;  // 8 characters
    // The direction itself: 0 or 1, or a digit 2 to 9 that only a file can bring and that is
    // written back as it came. Saved from this, not from the name: both names may be the same
    // text, and a direction must survive a load and save unchanged.
    int richtungNr = 0;

    static constexpr int AnzahlSpalten = 5;
    const QString& spalte(int nr) const;

    bool operator==(const Aktion&) const = default;
};

QString aktionSpaltenTitel(int nr);

inline const QString NichtVorhanden = QStringLiteral("Nicht Vorhanden!");

} // namespace tabulo
