#pragma once

#include "core/overview/Feld.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tabulo {

constexpr int StatusSatzLaenge = 40;
constexpr int StatusDateiLaenge = AnzahlFelder * StatusSatzLaenge; // 16640

// What a reader takes from one 40-byte record.
struct StatusSatz {
    quint8 art = 0;   // byte 0: the field kind
    QString name;     // bytes 2..11, blanks kept
    QString text;     // bytes 2..31, trailing blanks removed
    QString kennung;  // bytes 32..39
    QByteArray fremd; // bytes 2..39 as they stand, for kinds other than 0, 1, 2
};

StatusSatz statusSatzLesen(QByteArrayView satz);

// The 40 bytes of one field.
QByteArray statusSatzSchreiben(const Feld& feld);

} // namespace tabulo
