#include "core/files/AktionDatei.h"

#include "core/common/Text.h"
#include "core/common/Textblock.h"
#include "core/files/Ansi.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tabulo {

namespace {
constexpr std::uint64_t AchtBlanks = 0x2020202020202020ull;

// The command texts are mostly short in their 127 columns: the blanks go eight at a time.
QByteArrayView ohneRandBlanks(QByteArrayView text) {
    const char* anfang = text.data();
    const char* ende = anfang + text.size();
    std::uint64_t w;
#if defined(__SSE2__)
    const __m128i blanks = _mm_set1_epi8(' ');
    while (ende - anfang >= 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ende - 16));
        const unsigned keinBlank = ~unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(b, blanks))) & 0xFFFFu;
        if (keinBlank) {
            // Bit k stands for byte k of the sixteen: the highest set bit is the last non-blank.
            ende -= 16 - (32 - std::countl_zero(keinBlank));
            break;
        }
        ende -= 16;
    }
#endif
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

QString aktionTextLesen(QByteArrayView satz, Textblock& block) {
    assert(satz.size() >= AktionSatzLaenge);
    const QByteArrayView text = ohneRandBlanks(satz.sliced(10, AktionTextBreite));
    if (text.isEmpty())
        return ansiNachText(text);
    return block.anlegen(text.size(), [&](char16_t* ziel) { ansiNachText(text, ziel); });
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
