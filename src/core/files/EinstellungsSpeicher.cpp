#include "core/files/EinstellungsSpeicher.h"

namespace tabulo {

namespace {
QString sektionsSchluessel(const QString& anwendung, const QString& sektion) {
    return anwendung + QLatin1Char('\n') + sektion;
}
} // namespace

QString SpeicherImSpeicher::lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                                  const QString& standard) const {
    const auto it = m_sektionen.constFind(sektionsSchluessel(anwendung, sektion));
    if (it == m_sektionen.cend())
        return standard;
    for (const auto& paar : *it)
        if (paar.first == schluessel)
            return paar.second;
    return standard;
}

void SpeicherImSpeicher::speichern(const QString& anwendung, const QString& sektion,
                                   const QString& schluessel, const QString& wert) {
    auto& paare = m_sektionen[sektionsSchluessel(anwendung, sektion)];
    for (auto& paar : paare)
        if (paar.first == schluessel) {
            paar.second = wert;
            return;
        }
    paare.append({schluessel, wert});
}

void SpeicherImSpeicher::loeschen(const QString& anwendung, const QString& sektion,
                                  const QString& schluessel) {
    auto it = m_sektionen.find(sektionsSchluessel(anwendung, sektion));
    if (it == m_sektionen.end())
        return;
    it->removeIf([&](const auto& paar) { return paar.first == schluessel; });
}

void SpeicherImSpeicher::sektionLoeschen(const QString& anwendung, const QString& sektion) {
    m_sektionen.remove(sektionsSchluessel(anwendung, sektion));
}

EinstellungsSpeicher::Paare SpeicherImSpeicher::alleLesen(const QString& anwendung,
                                                          const QString& sektion) const {
    return m_sektionen.value(sektionsSchluessel(anwendung, sektion));
}

} // namespace tabulo
