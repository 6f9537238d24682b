#include "core/vehicles/KennungsSuche.h"

namespace tabulo {

namespace {
int anzahlFenster(const QString& text, qsizetype laenge) {
    return laenge <= 0 || text.size() < laenge ? 0 : static_cast<int>(text.size() - laenge + 1);
}
} // namespace

KennungsSuche::KennungsSuche(QString text, qsizetype fensterLaenge)
    : m_text(std::move(text)), m_laenge(fensterLaenge),
      m_fenster(anzahlFenster(m_text, m_laenge), Fenster{this}, false) {
    const int n = anzahlFenster(m_text, m_laenge);
    for (int anfang = 0; anfang < n; ++anfang)
        m_fenster.hinzufuegen(anfang);
}

bool KennungsSuche::enthaelt(QStringView kennung) const {
    if (kennung.size() != m_laenge || m_laenge <= 0)
        return QStringView(m_text).contains(kennung);
    return m_fenster.erster(kennung) >= 0;
}

} // namespace tabulo
