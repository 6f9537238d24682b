#pragma once

#include "core/files/EinstellungsSpeicher.h"

#include <memory>

class QSettings;

namespace tabulo {

// The settings of one INI file, on every platform, in the form the system store keeps on Linux,
// where it is each application's file. The file stands for whichever application is asked: a
// file chosen by the user is a copy of another installation's VELASTAT.ini to look at.
class IniSpeicher : public EinstellungsSpeicher {
public:
    explicit IniSpeicher(const QString& pfad);
    // A file opened by its owner (the system store opens its files by application name).
    explicit IniSpeicher(std::unique_ptr<QSettings> datei);
    ~IniSpeicher() override;

    QString lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                  const QString& standard) const override;
    void speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                   const QString& wert) override;
    void loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) override;
    void sektionLoeschen(const QString& anwendung, const QString& sektion) override;
    Paare alleLesen(const QString& anwendung, const QString& sektion) const override;

private:
    std::unique_ptr<QSettings> m_datei;
};

} // namespace tabulo
