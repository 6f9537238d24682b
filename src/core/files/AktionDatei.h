#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

namespace tabulo {

class Textblock;

constexpr int AktionSatzLaenge = 137;
constexpr int AktionTextBreite = 127;

// One 137-byte record as it stands.
struct AktionSatz {
    QString kennung; // bytes 0..7, blanks kept
    QChar status;    // byte 8
    QChar richtung;  // byte 9 as it stands
    QString aktion;  // bytes 10..136, leading and trailing blanks removed

    // The identity used by the import: Kennung, status and direction characters.
    QString identitaet() const { return kennung + status + richtung; }
};

AktionSatz aktionSatzLesen(QByteArrayView satz);

// Only the command text of a record, as aktionSatzLesen reads it. The second form puts it in a
// block shared with the other texts of the same load.
QString aktionTextLesen(QByteArrayView satz);
QString aktionTextLesen(QByteArrayView satz, Textblock& block);

// The direction a record's direction character stands for, read as the host reads a number:
// a digit gives its value, anything else (a blank, "x", a zero byte) gives 0.
int richtungAusZeichen(QChar zeichen);

// The 137 bytes of an action with the direction digit 0 to 9 (the host knows 0 and 1; the
// others come only from files and are written back as they were read). The appending form
// writes them straight into a file's bytes.
void aktionSatzAnhaengen(QByteArray& ziel, const QString& kennung, const QString& status, int richtung,
                         const QString& aktion);
QByteArray aktionSatzSchreiben(const QString& kennung, const QString& status, int richtung,
                               const QString& aktion);

} // namespace tabulo
