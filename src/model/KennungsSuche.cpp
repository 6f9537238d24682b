#include "model/KennungsSuche.h"

namespace tabulo {

KennungsSuche::KennungsSuche(QString text, qsizetype fensterLaenge)
    : m_text(std::move(text)), m_laenge(fensterLaenge) {
    // The views point into m_text, which is never changed afterwards.
    const QStringView alles(m_text);
    if (m_laenge <= 0 || alles.size() < m_laenge)
        return;
    m_fenster.reserve(static_cast<size_t>(alles.size() - m_laenge + 1));
    for (qsizetype i = 0; i + m_laenge <= alles.size(); ++i)
        m_fenster.insert(alles.sliced(i, m_laenge));
}

bool KennungsSuche::enthaelt(QStringView kennung) const {
    if (kennung.size() != m_laenge || m_laenge <= 0)
        return QStringView(m_text).contains(kennung);
    return m_fenster.contains(kennung);
}

} // namespace tabulo
