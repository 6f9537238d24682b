#include "core/vehicles/Fahrzeug.h"

#include "core/common/Text.h"

#include <array>

namespace tabulo {

const QString& Fahrzeug::spalte(int nr) const {
    return const_cast<Fahrzeug*>(this)->spalte(nr);
}

QString& Fahrzeug::spalte(int nr) {
    switch (nr) {
    case 0:
        return rufname;
    case 1:
        return kennung;
    case 2:
        return stat;
    case 3:
        return zeit;
    case 4:
        return info;
    case 5:
        return bemerkung;
    case 6:
        return folgetelegramm;
    default:
        return datentelegramm;
    }
}

QString fahrzeugName(const QString& rufname, const QString& kennung) {
    const QString name = ohneRandLeerzeichen(rufname);
    return QStringLiteral("Fahrzeug ") + (name.isEmpty() ? ohneRandLeerzeichen(kennung) : name);
}

QString fahrzeugSpaltenTitel(int nr) {
    static const std::array<QString, Fahrzeug::AnzahlSpalten> titel = {
        QStringLiteral("Rufname"),        QStringLiteral("Kennung"),       QStringLiteral("Stat"),
        QStringLiteral("Zeit"),           QStringLiteral("Info"),          QStringLiteral("Bemerkung"),
        QStringLiteral("Folgetelegramm"), QStringLiteral("Datentelegramm")};
    return nr >= 0 && nr < Fahrzeug::AnzahlSpalten ? titel[nr] : QString();
}

} // namespace tabulo
