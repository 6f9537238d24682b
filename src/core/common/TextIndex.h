#pragma once

#include <QStringView>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tabulo {

// Hash of a short text (an identifier and the like): a few multiplications over its bytes.
inline std::uint64_t kurzHash(QStringView text) {
    const char* p = reinterpret_cast<const char*>(text.utf16());
    std::size_t n = static_cast<std::size_t>(text.size()) * 2;
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    while (n >= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
        p += 8;
        n -= 8;
    }
    if (n > 0) {
        std::uint64_t w = 0;
        std::memcpy(&w, p, n);
        h = (h ^ w) * 0x94D049BB133111EBull;
        h ^= h >> 29;
    }
    return h ^ (h >> 32);
}

// Entries numbered 0..n-1, found by a text key that the caller keeps (`schluessel(e)` gives the
// key of entry e). Entries with equal keys are chained in the order they were added, so a lookup
// gives the first of them and `naechster` walks the rest: "the first vehicle with this
// identifier" and "every row with this identifier" without a string copied or an allocation per
// entry.
template <typename Schluessel> class TextIndex {
public:
    // Without chains only the first entry of each key is kept (a set of keys).
    TextIndex(int anzahl, Schluessel schluessel, bool mitKetten = true)
        : m_schluessel(std::move(schluessel)), m_ketten(mitKetten) {
        std::size_t plaetze = 16;
        while (plaetze < static_cast<std::size_t>(anzahl) * 2)
            plaetze *= 2;
        m_maske = plaetze - 1;
        m_plaetze.assign(plaetze, Platz{});
        if (m_ketten) {
            m_naechster.assign(static_cast<std::size_t>(anzahl), -1);
            m_letzter.assign(static_cast<std::size_t>(anzahl), -1);
        }
    }

    // Adds entry e; returns the first entry with the same key (e itself when it is the first).
    int hinzufuegen(int e) {
        const QStringView k = m_schluessel(e);
        const std::uint64_t h = kurzHash(k);
        for (std::size_t i = h & m_maske;; i = (i + 1) & m_maske) {
            Platz& p = m_plaetze[i];
            if (p.eintrag < 0) {
                p = {static_cast<std::uint32_t>(h), e};
                if (m_ketten)
                    m_letzter[e] = e;
                return e;
            }
            if (p.hash == static_cast<std::uint32_t>(h) && m_schluessel(p.eintrag) == k) {
                if (m_ketten) {
                    m_naechster[m_letzter[p.eintrag]] = e;
                    m_letzter[p.eintrag] = e;
                }
                return p.eintrag;
            }
        }
    }

    // The first entry whose key equals k, -1 for none.
    int erster(QStringView k) const {
        const std::uint64_t h = kurzHash(k);
        for (std::size_t i = h & m_maske;; i = (i + 1) & m_maske) {
            const Platz& p = m_plaetze[i];
            if (p.eintrag < 0)
                return -1;
            if (p.hash == static_cast<std::uint32_t>(h) && m_schluessel(p.eintrag) == k)
                return p.eintrag;
        }
    }

    // The next entry with the same key as e, -1 after the last (with chains only).
    int naechster(int e) const { return m_naechster[e]; }

private:
    struct Platz {
        std::uint32_t hash = 0;
        int eintrag = -1;
    };
    Schluessel m_schluessel;
    bool m_ketten;
    std::size_t m_maske = 0;
    std::vector<Platz> m_plaetze;
    std::vector<int> m_naechster;
    std::vector<int> m_letzter;
};

template <typename Schluessel> TextIndex(int, Schluessel) -> TextIndex<Schluessel>;

} // namespace tabulo
