#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <algorithm>

namespace tabulo::fuzz {

// Takes a fuzz input apart for harnesses that need more than one buffer: a few choice bytes
// up front, then pieces separated by a marker byte. Whatever is missing reads as zero/empty,
// so every input is usable.
class Eingabe {
public:
    explicit Eingabe(QByteArrayView daten) : m_daten(daten) {}

    quint8 byte() {
        if (m_pos >= m_daten.size())
            return 0;
        return static_cast<quint8>(m_daten[m_pos++]);
    }

    // The bytes up to the next marker (or the end); the marker is consumed.
    QByteArrayView stueck(char marker = '\n') {
        if (m_pos >= m_daten.size())
            return {};
        const QByteArrayView rest = m_daten.sliced(m_pos);
        const qsizetype ende = rest.indexOf(marker);
        if (ende < 0) {
            m_pos = m_daten.size();
            return rest;
        }
        m_pos += ende + 1;
        return rest.first(ende);
    }

    QByteArrayView rest() {
        const QByteArrayView r = m_daten.sliced(std::min(m_pos, m_daten.size()));
        m_pos = m_daten.size();
        return r;
    }

private:
    QByteArrayView m_daten;
    qsizetype m_pos = 0;
};

} // namespace tabulo::fuzz
