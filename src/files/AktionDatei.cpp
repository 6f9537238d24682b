#include "files/AktionDatei.h"

#include "files/Ansi.h"
#include "model/Text.h"

#include <cassert>

namespace tabulo {

AktionSatz aktionSatzLesen(QByteArrayView satz) {
    assert(satz.size() >= AktionSatzLaenge);
    const QString text = ansiNachText(satz.first(AktionSatzLaenge));
    AktionSatz s;
    s.kennung = text.left(8);
    s.status = text[8];
    s.richtung = text[9];
    s.aktion = ohneRandLeerzeichen(text.mid(10, AktionTextBreite));
    return s;
}

int richtungAusZeichen(QChar zeichen) {
    if (zeichen == QLatin1Char('0') || zeichen == QLatin1Char(' '))
        return 0;
    if (zeichen == QLatin1Char('1'))
        return 1;
    return -1;
}

QByteArray aktionSatzSchreiben(const QString& kennung, const QString& status, bool richtungNull,
                               const QString& aktion) {
    QByteArray satz;
    satz.reserve(AktionSatzLaenge);
    satz.append(textNachAnsi(aufBreite(kennung, 8)));
    satz.append(status.isEmpty() ? QByteArray(" ") : textNachAnsi(status.left(1)));
    satz.append(richtungNull ? '0' : '1');
    satz.append(textNachAnsi(aufBreite(aktion, AktionTextBreite)));
    return satz;
}

} // namespace tabulo
