#pragma once

#include "core/files/EinstellungsSpeicher.h"

#include <QSettings>

namespace tabulo {

// The settings of one INI file chosen by the user, in the form the store keeps on Linux (one
// file per application there), on every platform. The file stands for whichever application is
// asked: it is meant for looking at a copy of another installation's VELASTAT.ini.
class IniSpeicher : public EinstellungsSpeicher {
public:
    explicit IniSpeicher(const QString& pfad);

    QString lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                  const QString& standard) const override;
    void speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                   const QString& wert) override;
    void loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) override;
    void sektionLoeschen(const QString& anwendung, const QString& sektion) override;
    Paare alleLesen(const QString& anwendung, const QString& sektion) const override;

private:
    mutable QSettings m_datei;
};

} // namespace tabulo
