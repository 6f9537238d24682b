// The store in the registry, on Windows: the same keys and value types the host's runtime uses,
// so that what we save is what the host reads.
#include "core/files/EinstellungsSpeicher.h"

#include <string>
#include <windows.h>

namespace tabulo {

namespace {
const QString HostWurzel = QStringLiteral("Software\\VB and VBA Program Settings");

const wchar_t* w(const QString& s) {
    return reinterpret_cast<const wchar_t*>(s.utf16());
}

// Closes the key when it goes out of scope.
class Schluessel {
public:
    Schluessel() = default;
    ~Schluessel() {
        if (m_hkey)
            RegCloseKey(m_hkey);
    }
    Schluessel(const Schluessel&) = delete;
    Schluessel& operator=(const Schluessel&) = delete;

    bool oeffnen(const QString& pfad, REGSAM rechte) {
        return RegOpenKeyExW(HKEY_CURRENT_USER, w(pfad), 0, rechte, &m_hkey) == ERROR_SUCCESS;
    }
    bool anlegen(const QString& pfad) {
        return RegCreateKeyExW(HKEY_CURRENT_USER, w(pfad), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                               nullptr, &m_hkey, nullptr) == ERROR_SUCCESS;
    }
    HKEY hkey() const { return m_hkey; }

private:
    HKEY m_hkey = nullptr;
};

// A REG_SZ value's bytes as text: up to its first NUL, as a C string reader sees it; an odd
// trailing byte is no character.
QString alsText(const wchar_t* daten, DWORD bytes) {
    const qsizetype zeichen = bytes / sizeof(wchar_t);
    qsizetype laenge = 0;
    while (laenge < zeichen && daten[laenge] != L'\0')
        ++laenge;
    return QString::fromWCharArray(daten, laenge);
}
} // namespace

struct SystemSpeicher::Daten {
    QString wurzel;

    QString pfad(const QString& anwendung, const QString& sektion) const {
        return wurzel + QLatin1Char('\\') + anwendung + QLatin1Char('\\') + sektion;
    }
};

SystemSpeicher::SystemSpeicher(const QString& wurzel) : d(std::make_unique<Daten>()) {
    d->wurzel = wurzel.isEmpty() ? HostWurzel : wurzel;
}

SystemSpeicher::~SystemSpeicher() = default;

QString SystemSpeicher::lesen(const QString& anwendung, const QString& sektion, const QString& schluessel,
                              const QString& standard) const {
    Schluessel k;
    if (!k.oeffnen(d->pfad(anwendung, sektion), KEY_QUERY_VALUE))
        return standard;
    // The value may change between asking its size and reading it: ask again then.
    for (;;) {
        DWORD typ = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(k.hkey(), w(schluessel), nullptr, &typ, nullptr, &bytes) != ERROR_SUCCESS ||
            typ != REG_SZ)
            return standard;
        std::wstring puffer(bytes / sizeof(wchar_t) + 1, L'\0');
        const LONG e = RegQueryValueExW(k.hkey(), w(schluessel), nullptr, &typ,
                                        reinterpret_cast<BYTE*>(puffer.data()), &bytes);
        if (e == ERROR_MORE_DATA)
            continue;
        if (e != ERROR_SUCCESS || typ != REG_SZ)
            return standard;
        return alsText(puffer.data(), bytes);
    }
}

void SystemSpeicher::speichern(const QString& anwendung, const QString& sektion, const QString& schluessel,
                               const QString& wert) {
    Schluessel k;
    if (!k.anlegen(d->pfad(anwendung, sektion)))
        return;
    const DWORD bytes = static_cast<DWORD>((wert.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(k.hkey(), w(schluessel), 0, REG_SZ, reinterpret_cast<const BYTE*>(w(wert)), bytes);
}

void SystemSpeicher::loeschen(const QString& anwendung, const QString& sektion, const QString& schluessel) {
    Schluessel k;
    if (k.oeffnen(d->pfad(anwendung, sektion), KEY_SET_VALUE))
        RegDeleteValueW(k.hkey(), w(schluessel));
}

void SystemSpeicher::sektionLoeschen(const QString& anwendung, const QString& sektion) {
    if (sektion.isEmpty()) // that path is the whole application
        return;
    RegDeleteTreeW(HKEY_CURRENT_USER, w(d->pfad(anwendung, sektion)));
}

EinstellungsSpeicher::Paare SystemSpeicher::alleLesen(const QString& anwendung,
                                                      const QString& sektion) const {
    Paare paare;
    Schluessel k;
    if (!k.oeffnen(d->pfad(anwendung, sektion), KEY_QUERY_VALUE))
        return paare;
    DWORD maxName = 0;
    DWORD maxDaten = 0;
    if (RegQueryInfoKeyW(k.hkey(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                         &maxDaten, nullptr, nullptr) != ERROR_SUCCESS)
        return paare;
    std::wstring name(maxName + 1, L'\0');
    std::wstring daten(maxDaten / sizeof(wchar_t) + 1, L'\0');
    for (DWORD i = 0;;) {
        DWORD nameLaenge = static_cast<DWORD>(name.size());
        DWORD bytes = static_cast<DWORD>(daten.size() * sizeof(wchar_t));
        DWORD typ = 0;
        const LONG e = RegEnumValueW(k.hkey(), i, name.data(), &nameLaenge, nullptr, &typ,
                                     reinterpret_cast<BYTE*>(daten.data()), &bytes);
        if (e == ERROR_MORE_DATA) { // grew while we read: make room and read it again
            name.resize(name.size() * 2);
            daten.resize(daten.size() * 2 + 64);
            continue;
        }
        if (e != ERROR_SUCCESS)
            break;
        if (typ == REG_SZ)
            paare.append({QString::fromWCharArray(name.data(), nameLaenge), alsText(daten.data(), bytes)});
        ++i;
    }
    return paare;
}

QString SystemSpeicher::ort(const QString& anwendung) const {
    return QStringLiteral("HKEY_CURRENT_USER\\") + d->wurzel + QLatin1Char('\\') + anwendung;
}

} // namespace tabulo
