#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <memory>

namespace tabulo {

// The host's per-user settings: application, section and key to string.
class EinstellungsSpeicher {
public:
    using Paare = QList<QPair<QString, QString>>;

    virtual ~EinstellungsSpeicher() = default;
    virtual QString lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                          const QString& standard) const = 0;
    virtual void speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                           const QString& wert) = 0;
    virtual void loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) = 0;
    // Removes the section with all its keys.
    virtual void sektionLoeschen(const QString& anwendung, const QString& sektion) = 0;
    virtual Paare alleLesen(const QString& anwendung, const QString& sektion) const = 0;
};

namespace anwendung {
inline const QString Velastat = QStringLiteral("VELASTAT");
inline const QString VelastatPlus = QStringLiteral("VELASTATPLUS");
// Tabulo's own choices, kept apart so the host never reads them.
inline const QString Tabulo = QStringLiteral("Tabulo");
} // namespace anwendung

namespace sektion {
inline const QString Fahrzeuguebersicht = QStringLiteral("Fahrzeug\u00fcbersicht");
inline const QString Statusfarben = QStringLiteral("Statusfarben");
inline const QString BosKennung = QStringLiteral("BOS-Kennung");
inline const QString Landeskennung = QStringLiteral("Landeskennung");
inline const QString Richtungskennung = QStringLiteral("Richtungskennung");
inline const QString Einstellungen = QStringLiteral("Einstellungen");
inline const QString Ton5 = QStringLiteral("Ton5");
} // namespace sektion

// In memory; for tests and benchmarks. Keys of a section are listed in insertion order.
class SpeicherImSpeicher : public EinstellungsSpeicher {
public:
    QString lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                  const QString& standard) const override;
    void speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                   const QString& wert) override;
    void loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) override;
    void sektionLoeschen(const QString& anwendung, const QString& sektion) override;
    Paare alleLesen(const QString& anwendung, const QString& sektion) const override;

private:
    QMap<QString, Paare> m_sektionen; // "anwendung\nsektion" -> pairs
};

// The store the host program itself reads on this platform. On Windows that is the registry,
// written through the Win32 API exactly as the host's runtime does (a value is stored as given;
// QSettings would escape a leading "@"); elsewhere an INI file per application. The two
// backings live in SystemSpeicherRegistry.cpp and SystemSpeicherIni.cpp; the build picks one.
class SystemSpeicher : public EinstellungsSpeicher {
public:
    // wurzel: where the applications live, a key below HKEY_CURRENT_USER on Windows, a folder
    // elsewhere. Empty means the host's own place ("Software\VB and VBA Program Settings", or
    // "VB and VBA Program Settings" in the user's configuration folder).
    explicit SystemSpeicher(const QString& wurzel = {});
    ~SystemSpeicher() override;

    QString lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                  const QString& standard) const override;
    void speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                   const QString& wert) override;
    void loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) override;
    void sektionLoeschen(const QString& anwendung, const QString& sektion) override;
    Paare alleLesen(const QString& anwendung, const QString& sektion) const override;

    // Where the values of an application are kept (a file path, or the registry key).
    QString ort(const QString& anwendung) const;

private:
    struct Daten;
    std::unique_ptr<Daten> d;
};

} // namespace tabulo
