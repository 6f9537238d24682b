#include "core/files/Ansi.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tabulo {

namespace {

constexpr std::array<char16_t, 32> obereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char zeichenNachByte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < obereSteuerzeichen.size(); ++i)
        if (obereSteuerzeichen[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

// Whether any byte lies in 0x80..0x9F, the only range where Windows-1252 is not Latin-1.
// Eight bytes at a time: a byte is in the range when its top three bits are 100.
bool hatObereSteuerzeichen(const unsigned char* p, qsizetype n) {
    constexpr std::uint64_t Oben3 = 0xE0E0E0E0E0E0E0E0ull, Muster = 0x8080808080808080ull;
    constexpr std::uint64_t Eins = 0x0101010101010101ull, Hoch = 0x8080808080808080ull;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        const std::uint64_t x = (w & Oben3) ^ Muster; // a zero byte where the range matched
        if ((x - Eins) & ~x & Hoch)
            return true;
    }
    for (; i < n; ++i)
        if (p[i] >= 0x80 && p[i] < 0xA0)
            return true;
    return false;
}

} // namespace

QString ansiNachText(QByteArrayView bytes) {
    // Mostly there is nothing from 0x80 to 0x9F, and the rest is Latin-1.
    const auto* anfang = reinterpret_cast<const unsigned char*>(bytes.data());
    if (!hatObereSteuerzeichen(anfang, bytes.size()))
        return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        ziel[i] = (b >= 0x80 && b < 0xA0) ? QChar(obereSteuerzeichen[b - 0x80]) : QChar(b);
    }
    return text;
}

void ansiNachText(QByteArrayView bytes, char16_t* ziel) {
    const auto* quelle = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time while none lies in 0x80..0x9F (top three bits 100): those are
    // Latin-1 and only need widening.
    const __m128i null = _mm_setzero_si128();
    const __m128i oben3 = _mm_set1_epi8(char(0xE0)), muster = _mm_set1_epi8(char(0x80));
    for (; i + 16 <= n; i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(quelle + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(b, oben3), muster)))
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i), _mm_unpacklo_epi8(b, null));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i + 8), _mm_unpackhi_epi8(b, null));
    }
    // After the whole blocks, the rest as the last sixteen bytes, overlapping what is done.
    if (i < n && n >= 16 && n - i < 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(quelle + n - 16));
        if (!_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(b, oben3), muster))) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + n - 16), _mm_unpacklo_epi8(b, null));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + n - 8), _mm_unpackhi_epi8(b, null));
            return;
        }
    }
#endif
    for (; i < n; ++i) {
        const unsigned char b = quelle[i];
        ziel[i] = (b >= 0x80 && b < 0xA0) ? obereSteuerzeichen[b - 0x80] : char16_t(b);
    }
}

QChar ansiNachZeichen(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 0x80 && b < 0xA0) ? QChar(obereSteuerzeichen[b - 0x80]) : QChar(b);
}

void ansiFeldAnhaengen(QByteArray& ziel, QStringView text, qsizetype breite) {
    const qsizetype n = std::min(text.size(), breite);
    const qsizetype alt = ziel.size();
    ziel.resize(alt + breite);
    char* p = ziel.data() + alt;
    const char16_t* q = text.utf16();
    qsizetype i = 0;
    // Four characters at a time while they are plain ASCII, which is what the files mostly hold.
    for (; i + 4 <= n; i += 4) {
        std::uint64_t w;
        std::memcpy(&w, q + i, 8);
        if (w & 0xFF80FF80FF80FF80ull)
            break;
        p[i] = static_cast<char>(w);
        p[i + 1] = static_cast<char>(w >> 16);
        p[i + 2] = static_cast<char>(w >> 32);
        p[i + 3] = static_cast<char>(w >> 48);
    }
    for (; i < n; ++i)
        p[i] = zeichenNachByte(q[i]);
    std::memset(p + n, ' ', static_cast<size_t>(breite - n));
}

QByteArray textNachAnsi(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* ziel = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        ziel[i] = zeichenNachByte(text[i].unicode());
    return bytes;
}

} // namespace tabulo
