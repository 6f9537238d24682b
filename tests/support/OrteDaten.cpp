#include "support/OrteDaten.h"

#include "core/files/Ansi.h"

#include <QDir>

namespace tabulo::test {

QByteArray orteSatz(char bos, const char* loo, const QString& name) {
    return QByteArray(1, bos) + QByteArray(loo) +
           textNachAnsi(name.leftJustified(50, QLatin1Char(' '), true));
}

std::array<QString, 16> nummerierteBosNamen() {
    std::array<QString, 16> namen;
    for (int i = 0; i < 16; ++i)
        namen[i] = QStringLiteral("N%1").arg(i);
    return namen;
}

OrteArbeitsbereich::OrteArbeitsbereich() : TestArbeitsbereich(Felder::Entwurf) {
    ab.bosName = nummerierteBosNamen();
    QDir::setCurrent(ordner.path());
}

} // namespace tabulo::test
