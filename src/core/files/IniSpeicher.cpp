#include "core/files/IniSpeicher.h"

#include <QSettings>

namespace tabulo {

IniSpeicher::IniSpeicher(const QString& pfad)
    : m_datei(std::make_unique<QSettings>(pfad, QSettings::IniFormat)) {}

IniSpeicher::IniSpeicher(std::unique_ptr<QSettings> datei) : m_datei(std::move(datei)) {}

IniSpeicher::~IniSpeicher() = default;

// Values are stored as plain strings; a string list or other variant written by someone else
// is read back as its string form so that a hostile file cannot change what we see.
static QString alsText(const QVariant& wert) {
    if (wert.typeId() == QMetaType::QStringList)
        return wert.toStringList().join(QLatin1Char(','));
    return wert.toString();
}

QString IniSpeicher::lesen(const QString&, const QString& sektion, const QString& schluessel,
                           const QString& standard) const {
    const QString pfad = sektion + QLatin1Char('/') + schluessel;
    return m_datei->contains(pfad) ? alsText(m_datei->value(pfad)) : standard;
}

void IniSpeicher::speichern(const QString&, const QString& sektion, const QString& schluessel,
                            const QString& wert) {
    m_datei->setValue(sektion + QLatin1Char('/') + schluessel, wert);
    m_datei->sync();
}

void IniSpeicher::loeschen(const QString&, const QString& sektion, const QString& schluessel) {
    m_datei->remove(sektion + QLatin1Char('/') + schluessel);
    m_datei->sync();
}

void IniSpeicher::sektionLoeschen(const QString&, const QString& sektion) {
    if (sektion.isEmpty()) // QSettings would take that for the whole file
        return;
    m_datei->remove(sektion);
    m_datei->sync();
}

EinstellungsSpeicher::Paare IniSpeicher::alleLesen(const QString&, const QString& sektion) const {
    Paare paare;
    m_datei->beginGroup(sektion);
    for (const QString& k : m_datei->childKeys())
        paare.append({k, alsText(m_datei->value(k))});
    m_datei->endGroup();
    return paare;
}

} // namespace tabulo
