// The store as an INI file per application, for every platform but Windows.
#include "core/files/EinstellungsSpeicher.h"
#include "core/files/IniSpeicher.h"

#include <QDir>
#include <QSettings>
#include <map>

namespace tabulo {

namespace {
const QString Organisation = QStringLiteral("VB and VBA Program Settings");
} // namespace

struct SystemSpeicher::Daten {
    QString wurzel;
    std::map<QString, std::unique_ptr<IniSpeicher>> dateien;

    std::unique_ptr<QSettings> oeffnen(const QString& anwendung) const {
        if (wurzel.isEmpty())
            return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, Organisation,
                                               anwendung);
        return std::make_unique<QSettings>(QDir(wurzel).filePath(anwendung + QStringLiteral(".ini")),
                                           QSettings::IniFormat);
    }

    IniSpeicher& fuer(const QString& anwendung) {
        auto& eintrag = dateien[anwendung];
        if (!eintrag)
            eintrag = std::make_unique<IniSpeicher>(oeffnen(anwendung));
        return *eintrag;
    }
};

SystemSpeicher::SystemSpeicher(const QString& wurzel) : d(std::make_unique<Daten>()) {
    d->wurzel = wurzel;
}

SystemSpeicher::~SystemSpeicher() = default;

QString SystemSpeicher::lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                              const QString& standard) const {
    return d->fuer(anwendung).lesen(anwendung, sektion, schluessel, standard);
}

void SystemSpeicher::speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                               const QString& wert) {
    d->fuer(anwendung).speichern(anwendung, sektion, schluessel, wert);
}

void SystemSpeicher::loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) {
    d->fuer(anwendung).loeschen(anwendung, sektion, schluessel);
}

void SystemSpeicher::sektionLoeschen(const QString& anwendung, const QString& sektion) {
    d->fuer(anwendung).sektionLoeschen(anwendung, sektion);
}

EinstellungsSpeicher::Paare SystemSpeicher::alleLesen(const QString& anwendung,
                                                      const QString& sektion) const {
    return d->fuer(anwendung).alleLesen(anwendung, sektion);
}

QString SystemSpeicher::ort(const QString& anwendung) const {
    return d->oeffnen(anwendung)->fileName();
}

} // namespace tabulo
