#pragma once

#include <QString>
#include <algorithm>

namespace tabulo {

// Many short texts made together and mostly freed together (the command texts of a loaded
// action list) in shared blocks instead of one allocation each: 100,000 texts cost a few hundred
// allocations and a third less memory. Each text is an ordinary QString holding a reference to
// its block, so the block goes with its last text, and a text changed later detaches as any
// shared QString does. A zero follows each text, as QString::utf16() promises.
class Textblock {
public:
    explicit Textblock(qsizetype blockZeichen = 16384) : m_blockZeichen(blockZeichen) {}

    // A text of n characters (n > 0) that fuellen(char16_t* ziel) writes.
    template <typename Fuellen> QString anlegen(qsizetype n, Fuellen fuellen) {
        if (m_belegt + n + 1 > m_block.constAllocatedCapacity())
            neuerBlock(std::max(n + 1, m_blockZeichen));
        char16_t* ziel = m_block.data() + m_belegt;
        fuellen(ziel);
        ziel[n] = u'\0';
        m_belegt += n + 1;
        m_block.d_ptr()->ref();
        return QString(QString::DataPointer(m_block.d_ptr(), ziel, n));
    }

private:
    void neuerBlock(qsizetype zeichen) {
        auto [kopf, daten] = QTypedArrayData<char16_t>::allocate(zeichen);
        m_block = QString::DataPointer(kopf, daten, 0);
        m_belegt = 0;
    }

    qsizetype m_blockZeichen;
    QString::DataPointer m_block; // holds one reference of its own while texts are added
    qsizetype m_belegt = 0;
};

} // namespace tabulo
