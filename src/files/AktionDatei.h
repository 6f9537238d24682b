#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

namespace tabulo {

constexpr int AktionSatzLaenge = 137;
constexpr int AktionTextBreite = 127;

// One 137-byte record as it stands.
struct AktionSatz {
    QString kennung; // bytes 0..7, blanks kept
    QChar status;    // byte 8
    QChar richtung;  // byte 9: '0', '1' or a blank in files this program can read
    QString aktion;  // bytes 10..136, leading and trailing blanks removed

    // The identity used by the import: Kennung, status and direction characters.
    QString identitaet() const { return kennung + status + richtung; }
};

AktionSatz aktionSatzLesen(QByteArrayView satz);

// Direction index of a record's direction character: 0 for '0' and a blank, 1 for '1';
// -1 for anything else, which this program refuses to guess.
int richtungAusZeichen(QChar zeichen);

// The 137 bytes of an action; richtungNull says whether its direction is direction 0. The
// appending form writes them straight into a file's bytes.
void aktionSatzAnhaengen(QByteArray& ziel, const QString& kennung, const QString& status, bool richtungNull,
                         const QString& aktion);
QByteArray aktionSatzSchreiben(const QString& kennung, const QString& status, bool richtungNull,
                               const QString& aktion);

} // namespace tabulo
