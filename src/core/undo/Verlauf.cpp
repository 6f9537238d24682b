#include "core/undo/Verlauf.h"

#include "core/undo/Schritt.h"

#include <algorithm>

namespace tabulo {

namespace {
template <typename F> void jedesDokument(quint16 dokumente, F f) {
    for (int bit = 0; bit < 5; ++bit)
        if (dokumente & (1u << bit))
            f(bit);
}
} // namespace

Verlauf::Verlauf(QObject* parent) : QObject(parent) {}

Verlauf::~Verlauf() = default;

QString Verlauf::rueckgaengigName() const {
    return m_position > 0 ? m_eintraege[m_position - 1].name : QString();
}

QString Verlauf::wiederholenName() const {
    return m_position < anzahl() ? m_eintraege[m_position].name : QString();
}

void Verlauf::leeren() {
    m_eintraege.clear();
    m_position = 0;
    m_gespeichert.fill(0);
    emit veraendert();
}

void Verlauf::markiert(quint16 dokumente) {
    if (m_aufnahme) {
        m_aufnahme->markiert |= dokumente;
        return;
    }
    jedesDokument(dokumente, [&](int bit) { m_gespeichert[bit] = -1; });
}

void Verlauf::freigegeben(quint16 dokumente) {
    if (m_aufnahme) {
        m_aufnahme->freigegeben |= dokumente;
        return;
    }
    jedesDokument(dokumente, [&](int bit) { m_gespeichert[bit] = m_position; });
}

bool Verlauf::gespeichert(quint16 dokument) const {
    int bit = 0;
    while (bit < 5 && dokument != (1u << bit))
        ++bit;
    if (bit == 5 || m_gespeichert[bit] < 0)
        return false;
    const auto [von, bis] = std::minmax(m_position, m_gespeichert[bit]);
    for (int k = von; k < bis; ++k)
        if (m_eintraege[k].dokumente & dokument)
            return false;
    return true;
}

void Verlauf::listeOhneSchritt(Liste liste) {
    if (std::none_of(m_eintraege.begin(), m_eintraege.end(),
                     [liste](const Eintrag& e) { return e.listen & liste; }))
        return;
    for (int& g : m_gespeichert)
        g = g == m_position ? 0 : -1;
    m_eintraege.clear();
    m_position = 0;
    emit veraendert();
}

void Verlauf::hinzufuegen(std::unique_ptr<Schritt> schritt, const QString& name, quint16 dokumente,
                          quint16 freigegeben, quint8 listen) {
    m_eintraege.erase(m_eintraege.begin() + m_position, m_eintraege.end());
    for (int& g : m_gespeichert)
        if (g > m_position)
            g = -1;
    m_eintraege.push_back({std::move(schritt), name, dokumente, listen});
    ++m_position;
    jedesDokument(freigegeben, [&](int bit) { m_gespeichert[bit] = m_position; });
    if (anzahl() > Grenze) {
        m_eintraege.erase(m_eintraege.begin());
        --m_position;
        for (int& g : m_gespeichert)
            g = g > 0 ? g - 1 : -1;
    }
    emit veraendert();
}

Verlauf::Zug Verlauf::zurueck() {
    if (!kannRueckgaengig())
        return {};
    const Eintrag& e = m_eintraege[--m_position];
    emit veraendert();
    return {e.schritt.get(), e.dokumente};
}

Verlauf::Zug Verlauf::vor() {
    if (!kannWiederholen())
        return {};
    const Eintrag& e = m_eintraege[m_position++];
    emit veraendert();
    return {e.schritt.get(), e.dokumente};
}

} // namespace tabulo
