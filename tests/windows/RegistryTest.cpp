// The store against the real registry: what the host reads is exactly what we wrote, as REG_SZ,
// checked through the Win32 API and through reg.exe, independent of the store's own reading.
#include "core/files/EinstellungsSpeicher.h"
#include "support/Speicherwurzel.h"

#include <QProcess>
#include <QSet>
#include <QUuid>
#include <gtest/gtest.h>
#include <windows.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

const wchar_t* w(const QString& s) {
    return reinterpret_cast<const wchar_t*>(s.utf16());
}

struct Roh {
    DWORD typ = REG_NONE;
    QByteArray bytes;
};

// The value's type and bytes as the registry holds them.
Roh rohLesen(const QString& schluessel, const QString& name) {
    Roh roh;
    HKEY k = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, w(schluessel), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS)
        return roh;
    DWORD bytes = 0;
    if (RegQueryValueExW(k, w(name), nullptr, &roh.typ, nullptr, &bytes) == ERROR_SUCCESS) {
        roh.bytes.resize(bytes);
        RegQueryValueExW(k, w(name), nullptr, &roh.typ, reinterpret_cast<BYTE*>(roh.bytes.data()), &bytes);
    }
    RegCloseKey(k);
    return roh;
}

void rohSchreiben(const QString& schluessel, const QString& name, DWORD typ, const QByteArray& bytes) {
    HKEY k = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, w(schluessel), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr),
        ERROR_SUCCESS);
    RegSetValueExW(k, w(name), 0, typ, reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size());
    RegCloseKey(k);
}

QByteArray utf16(const QString& s, bool mitNull = true) {
    return QByteArray(reinterpret_cast<const char*>(s.utf16()), (s.size() + (mitNull ? 1 : 0)) * 2);
}

// The (name, type, text) lines reg.exe prints for a key, in its order.
QList<QStringList> regQuery(const QString& schluessel) {
    QProcess reg;
    reg.start(QStringLiteral("reg"), {QStringLiteral("query"), QStringLiteral("HKCU\\") + schluessel});
    EXPECT_TRUE(reg.waitForFinished(60000));
    QList<QStringList> zeilen;
    const QString aus = QString::fromLocal8Bit(reg.readAllStandardOutput());
    for (QString zeile : aus.split(QLatin1Char('\n'))) {
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
        // "    <name>    REG_SZ    <text>"; the text may be empty.
        if (!zeile.startsWith(QStringLiteral("    ")))
            continue;
        const QStringList teile = zeile.mid(4).split(QStringLiteral("    "));
        if (teile.size() >= 2)
            zeilen.append({teile[0], teile[1], teile.mid(2).join(QStringLiteral("    "))});
    }
    return zeilen;
}

// An application of its own below the host's key, removed afterwards.
struct HostAnwendung {
    QString name = QStringLiteral("Tabulo-Test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString schluessel = QStringLiteral("Software\\VB and VBA Program Settings\\") + name;
    ~HostAnwendung() { RegDeleteTreeW(HKEY_CURRENT_USER, w(schluessel)); }
};

} // namespace

TEST(Registry, WerteStehenUnveraendertAlsRegSzUnterDemSchluesselDesHosts) {
    const HostAnwendung app;
    struct Fall {
        const char* fehler;
        QString schluessel;
        QString wert;
        bool perReg; // printable in reg.exe's code page
    };
    const Fall faelle[] = {
        {"a leading @ is escaped", "1", "@Leitstelle", true},
        {"a colour number is stored as a number type", "2", "16777215", true},
        {"an empty string is not stored", "3", "", true},
        {"blanks at the ends are cut", "4", "  Wache 1  ", true},
        {"umlauts are mangled", "5", QStringLiteral("Fahrzeug\u00fcbersicht \u00c4\u00df \u20ac"), false},
    };
    SystemSpeicher s;
    for (const Fall& f : faelle)
        s.speichern(app.name, sektion::Fahrzeuguebersicht, f.schluessel, f.wert);

    const QString sektionsSchluessel = app.schluessel + QLatin1Char('\\') + sektion::Fahrzeuguebersicht;
    const QList<QStringList> reg = regQuery(sektionsSchluessel);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fehler);
        const Roh roh = rohLesen(sektionsSchluessel, f.schluessel);
        EXPECT_EQ(roh.typ, DWORD(REG_SZ));
        EXPECT_EQ(roh.bytes, utf16(f.wert));
        EXPECT_EQ(s.lesen(app.name, sektion::Fahrzeuguebersicht, f.schluessel, "std"), f.wert);
        if (f.perReg) {
            EXPECT_TRUE(reg.contains(QStringList{f.schluessel, "REG_SZ", f.wert}));
        }
    }
    EXPECT_EQ(s.ort(app.name), QStringLiteral("HKEY_CURRENT_USER\\") + app.schluessel);
}

TEST(Registry, FremdeTypenGebenDenStandardUndAlleLesenFolgtDerRegistry) {
    const Speicherwurzel wurzel;
    const QString sektionsSchluessel = wurzel.pfad() + QStringLiteral("\\VELASTAT\\Einstellungen");
    struct Fall {
        const char* fehler;
        QString name;
        DWORD typ;
        QByteArray bytes;
        QString erwartet; // "std" for the default
    };
    const Fall faelle[] = {
        {"a DWORD is read as text", "Zahl", REG_DWORD, QByteArray("\x0e\0\0\0", 4), "std"},
        {"an expandable string is taken for a plain one", "Pfad", REG_EXPAND_SZ, utf16("%TEMP%"), "std"},
        {"binary bytes are read as text", "Bytes", REG_BINARY, QByteArray("ab"), "std"},
        {"a string without its NUL loses its last character", "OhneNull", REG_SZ, utf16("38", false), "38"},
        {"text after an inner NUL is shown", "MitNull", REG_SZ, utf16(QStringLiteral("14\u0000xy")), "14"},
        {"an odd last byte becomes a character", "Ungerade", REG_SZ, utf16("7", false) + 'x', "7"},
    };
    for (const Fall& f : faelle)
        rohSchreiben(sektionsSchluessel, f.name, f.typ, f.bytes);

    SystemSpeicher s(wurzel.pfad());
    QStringList reinText;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fehler);
        EXPECT_EQ(s.lesen("VELASTAT", "Einstellungen", f.name, "std"), f.erwartet);
        if (f.typ == REG_SZ)
            reinText.append(f.name);
    }
    // Only the strings, in the order reg.exe lists the key.
    QStringList regOrdnung;
    for (const QStringList& zeile : regQuery(sektionsSchluessel))
        if (zeile[1] == "REG_SZ")
            regOrdnung.append(zeile[0]);
    QStringList gelesen;
    for (const auto& paar : s.alleLesen("VELASTAT", "Einstellungen"))
        gelesen.append(paar.first);
    EXPECT_EQ(gelesen, regOrdnung);
    EXPECT_EQ(QSet<QString>(gelesen.begin(), gelesen.end()), QSet<QString>(reinText.begin(), reinText.end()));

    // Delete takes the value, a whole section takes the key.
    s.loeschen("VELASTAT", "Einstellungen", "OhneNull");
    EXPECT_EQ(rohLesen(sektionsSchluessel, "OhneNull").typ, DWORD(REG_NONE));
    s.sektionLoeschen("VELASTAT", "Einstellungen");
    HKEY k = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, w(sektionsSchluessel), 0, KEY_READ, &k), ERROR_SUCCESS);
}
