#include "core/files/AktionDatei.h"

#include "core/common/Text.h"
#include "core/files/Ansi.h"

#include <cassert>

namespace tabulo {

AktionSatz aktionSatzLesen(QByteArrayView satz) {
    assert(satz.size() >= AktionSatzLaenge);
    AktionSatz s;
    s.kennung = ansiNachText(satz.first(8));
    s.status = ansiNachZeichen(satz[8]);
    s.richtung = ansiNachZeichen(satz[9]);
    // Leading and trailing blanks go before the text is made, so it is made once.
    QByteArrayView aktion = satz.sliced(10, AktionTextBreite);
    while (!aktion.isEmpty() && aktion.front() == ' ')
        aktion = aktion.sliced(1);
    while (!aktion.isEmpty() && aktion.back() == ' ')
        aktion.chop(1);
    s.aktion = ansiNachText(aktion);
    return s;
}

int richtungAusZeichen(QChar zeichen) {
    return zeichen >= QLatin1Char('0') && zeichen <= QLatin1Char('9') ? zeichen.unicode() - u'0' : 0;
}

void aktionSatzAnhaengen(QByteArray& ziel, const QString& kennung, const QString& status, int richtung,
                         const QString& aktion) {
    ansiFeldAnhaengen(ziel, kennung, 8);
    ansiFeldAnhaengen(ziel, QStringView(status).left(1), 1);
    ziel.append(richtung >= 0 && richtung <= 9 ? char('0' + richtung) : '1');
    ansiFeldAnhaengen(ziel, aktion, AktionTextBreite);
}

QByteArray aktionSatzSchreiben(const QString& kennung, const QString& status, int richtung,
                               const QString& aktion) {
    QByteArray satz;
    satz.reserve(AktionSatzLaenge);
    aktionSatzAnhaengen(satz, kennung, status, richtung, aktion);
    return satz;
}

} // namespace tabulo
