#pragma once

#include "core/common/Farbe.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace tabulo {

constexpr int AnzahlFelder = 416;
constexpr int AnzahlFenster = 8;
constexpr int FelderProFenster = 52;
constexpr int SpaltenProFenster = 4;
constexpr int ZeilenProFenster = 13;

enum Feldart : qint16 { FeldFrei = 0, FeldFahrzeug = 1, FeldText = 2 };

// One field of the overview: the captions of its six labels, the status label's colour and
// visibility, and its kind.
struct Feld {
    QString fahrzeug = QStringLiteral("Name");
    QString zeit = QStringLiteral("00:00:00");
    QString info = QStringLiteral("Infofeld");
    QString kennung = QStringLiteral("12345678");
    QString status = QStringLiteral("2");
    QString text;
    Farbe statusFarbe = farbe::StatusEntwurf;
    bool statusSichtbar = true;
    qint16 feldtyp = FeldFrei;
    // A record of a kind this program does not know keeps its bytes 2..39 here, so that it is
    // written back unchanged and moves with its field.
    QByteArray fremdSatz;

    bool operator==(const Feld&) const = default;
};

constexpr int fensterVon(int feld) {
    return feld / FelderProFenster + 1;
}
constexpr int spalteVon(int feld) {
    return feld % SpaltenProFenster;
}
constexpr int zeileVon(int feld) {
    return (feld % FelderProFenster) / SpaltenProFenster;
}
constexpr int erstesFeld(int fenster) {
    return FelderProFenster * (fenster - 1);
}
constexpr int letztesFeld(int fenster) {
    return FelderProFenster * fenster - 1;
}

// Position of field i in column order, and its inverse.
constexpr int SpaltenPosition(int i) {
    return FelderProFenster * (i / FelderProFenster) + ZeilenProFenster * (i % SpaltenProFenster) +
           ((i / SpaltenProFenster) % ZeilenProFenster);
}
constexpr int ZeilenIndex(int p) {
    return FelderProFenster * (p / FelderProFenster) + SpaltenProFenster * (p % ZeilenProFenster) +
           ((p / ZeilenProFenster) % SpaltenProFenster);
}

inline const std::array<QString, AnzahlFenster> EntwurfsTitel = {
    QStringLiteral("Fester1"),  QStringLiteral("Fenster2"), QStringLiteral("Fenster3"),
    QStringLiteral("Fenster4"), QStringLiteral("Fenster5"), QStringLiteral("Fenster6"),
    QStringLiteral("Fenster7"), QStringLiteral("Fenster8")};

} // namespace tabulo
