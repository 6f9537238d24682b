#include "core/files/EinstellungsSpeicher.h"

#include <QSettings>
#include <map>

namespace tabulo {

namespace {
QString sektionsSchluessel(const QString& anwendung, const QString& sektion) {
    return anwendung + QLatin1Char('\n') + sektion;
}

const QString Organisation = QStringLiteral("VB and VBA Program Settings");

QSettings::Format speicherFormat() {
#ifdef Q_OS_WIN
    return QSettings::NativeFormat;
#else
    return QSettings::IniFormat;
#endif
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

EinstellungsSpeicher::Paare SpeicherImSpeicher::alleLesen(const QString& anwendung,
                                                          const QString& sektion) const {
    return m_sektionen.value(sektionsSchluessel(anwendung, sektion));
}

struct QtEinstellungsSpeicher::Daten {
    std::map<QString, std::unique_ptr<QSettings>> settings;

    QSettings& fuer(const QString& anwendung) {
        auto& eintrag = settings[anwendung];
        if (!eintrag)
            eintrag =
                std::make_unique<QSettings>(speicherFormat(), QSettings::UserScope, Organisation, anwendung);
        return *eintrag;
    }
};

QtEinstellungsSpeicher::QtEinstellungsSpeicher() : d(std::make_unique<Daten>()) {}
QtEinstellungsSpeicher::~QtEinstellungsSpeicher() = default;

// Values are stored as plain strings; a string list or other variant written by someone else
// is read back as its string form so that a hostile store cannot change what we see.
static QString alsText(const QVariant& wert) {
    if (wert.typeId() == QMetaType::QStringList)
        return wert.toStringList().join(QLatin1Char(','));
    return wert.toString();
}

QString QtEinstellungsSpeicher::lesen(const QString& anwendung, const QString& sektion,
                                      const QString& schluessel, const QString& standard) const {
    QSettings& s = d->fuer(anwendung);
    const QString pfad = sektion + QLatin1Char('/') + schluessel;
    if (!s.contains(pfad))
        return standard;
    return alsText(s.value(pfad));
}

void QtEinstellungsSpeicher::speichern(const QString& anwendung, const QString& sektion,
                                       const QString& schluessel, const QString& wert) {
    QSettings& s = d->fuer(anwendung);
    s.setValue(sektion + QLatin1Char('/') + schluessel, wert);
    s.sync();
}

void QtEinstellungsSpeicher::loeschen(const QString& anwendung, const QString& sektion,
                                      const QString& schluessel) {
    QSettings& s = d->fuer(anwendung);
    s.remove(sektion + QLatin1Char('/') + schluessel);
    s.sync();
}

EinstellungsSpeicher::Paare QtEinstellungsSpeicher::alleLesen(const QString& anwendung,
                                                              const QString& sektion) const {
    QSettings& s = d->fuer(anwendung);
    Paare paare;
    s.beginGroup(sektion);
    const QStringList schluessel = s.childKeys();
    for (const QString& k : schluessel)
        paare.append({k, alsText(s.value(k))});
    s.endGroup();
    return paare;
}

QString QtEinstellungsSpeicher::ort(const QString& anwendung) {
    QSettings s(speicherFormat(), QSettings::UserScope, Organisation, anwendung);
    return s.fileName();
}

} // namespace tabulo
