#include "core/files/AktionDatei.h"

#include "core/common/Text.h"
#include "core/files/Ansi.h"

#include <cassert>
#include <cstdint>
#include <cstring>

namespace tabulo {

namespace {
constexpr std::uint64_t AchtBlanks = 0x2020202020202020ull;

// The command texts are mostly short in their 127 columns: the blanks go eight at a time.
QByteArrayView ohneRandBlanks(QByteArrayView text) {
    const char* anfang = text.data();
    const char* ende = anfang + text.size();
    std::uint64_t w;
    while (ende - anfang >= 8 && (std::memcpy(&w, ende - 8, 8), w == AchtBlanks))
        ende -= 8;
    while (ende > anfang && ende[-1] == ' ')
        --ende;
    while (ende - anfang >= 8 && (std::memcpy(&w, anfang, 8), w == AchtBlanks))
        anfang += 8;
    while (anfang < ende && *anfang == ' ')
        ++anfang;
    return QByteArrayView(anfang, ende - anfang);
}
} // namespace

AktionSatz aktionSatzLesen(QByteArrayView satz) {
    assert(satz.size() >= AktionSatzLaenge);
    AktionSatz s;
    s.kennung = ansiNachText(satz.first(8));
    s.status = ansiNachZeichen(satz[8]);
    s.richtung = ansiNachZeichen(satz[9]);
    s.aktion = aktionTextLesen(satz);
    return s;
}

QString aktionTextLesen(QByteArrayView satz) {
    assert(satz.size() >= AktionSatzLaenge);
    // Leading and trailing blanks go before the text is made, so it is made once.
    return ansiNachText(ohneRandBlanks(satz.sliced(10, AktionTextBreite)));
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
