// The store as an INI file per application, for every platform but Windows.
#include "core/files/EinstellungsSpeicher.h"

#include <QDir>
#include <QSettings>
#include <map>

namespace tabulo {

namespace {
const QString Organisation = QStringLiteral("VB and VBA Program Settings");

// Values are stored as plain strings; a string list or other variant written by someone else
// is read back as its string form so that a hostile file cannot change what we see.
QString alsText(const QVariant& wert) {
    if (wert.typeId() == QMetaType::QStringList)
        return wert.toStringList().join(QLatin1Char(','));
    return wert.toString();
}
} // namespace

struct SystemSpeicher::Daten {
    QString wurzel;
    std::map<QString, std::unique_ptr<QSettings>> settings;

    std::unique_ptr<QSettings> oeffnen(const QString& anwendung) const {
        if (wurzel.isEmpty())
            return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, Organisation,
                                               anwendung);
        return std::make_unique<QSettings>(QDir(wurzel).filePath(anwendung + QStringLiteral(".ini")),
                                           QSettings::IniFormat);
    }

    QSettings& fuer(const QString& anwendung) {
        auto& eintrag = settings[anwendung];
        if (!eintrag)
            eintrag = oeffnen(anwendung);
        return *eintrag;
    }
};

SystemSpeicher::SystemSpeicher(const QString& wurzel) : d(std::make_unique<Daten>()) {
    d->wurzel = wurzel;
}

SystemSpeicher::~SystemSpeicher() = default;

QString SystemSpeicher::lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                              const QString& standard) const {
    QSettings& s = d->fuer(anwendung);
    const QString pfad = sektion + QLatin1Char('/') + schluessel;
    if (!s.contains(pfad))
        return standard;
    return alsText(s.value(pfad));
}

void SystemSpeicher::speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                               const QString& wert) {
    QSettings& s = d->fuer(anwendung);
    s.setValue(sektion + QLatin1Char('/') + schluessel, wert);
    s.sync();
}

void SystemSpeicher::loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) {
    QSettings& s = d->fuer(anwendung);
    s.remove(sektion + QLatin1Char('/') + schluessel);
    s.sync();
}

void SystemSpeicher::sektionLoeschen(const QString& anwendung, const QString& sektion) {
    if (sektion.isEmpty()) // QSettings would take that for the whole file
        return;
    QSettings& s = d->fuer(anwendung);
    s.remove(sektion);
    s.sync();
}

EinstellungsSpeicher::Paare SystemSpeicher::alleLesen(const QString& anwendung,
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

QString SystemSpeicher::ort(const QString& anwendung) const {
    return d->oeffnen(anwendung)->fileName();
}

} // namespace tabulo
