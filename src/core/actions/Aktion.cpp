#include "core/actions/Aktion.h"

#include <array>

namespace tabulo {

const QString& Aktion::spalte(int nr) const {
    switch (nr) {
    case 0:
        return rufname;
    case 1:
        return status;
    case 2:
        return richtung;
    case 3:
        return aktion;
    default:
        return kennung;
    }
}

QString aktionSpaltenTitel(int nr) {
    static const std::array<QString, Aktion::AnzahlSpalten> titel = {
        QStringLiteral("Rufname"), QStringLiteral("Status"), QStringLiteral("Richtung"),
        QStringLiteral("Aktion"), QStringLiteral("Kennung")};
    return nr >= 0 && nr < Aktion::AnzahlSpalten ? titel[nr] : QString();
}

} // namespace tabulo
