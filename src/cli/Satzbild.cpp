#include "cli/Satzbild.h"

#include "core/files/AktionDatei.h"
#include "core/files/Ansi.h"
#include "core/files/BuendelDatei.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/OrteDatei.h"
#include "core/files/StatusDatei.h"

#include <QFileInfo>
#include <array>

namespace tabulo::cli {

namespace {

struct Satzfeld {
    const char* name;
    int von;
    int breite; // 0: one byte as a number
};
struct Aufbau {
    int laenge;
    std::vector<Satzfeld> felder;
};

// The record layouts, field after field without a gap (checked below).
const Aufbau& aufbau(Tabelle art) {
    static const std::array<Aufbau, 4> alle = {
        Aufbau{StatusSatzLaenge, {{"art", 0, 0}, {"frei", 1, 0}, {"text", 2, 30}, {"kennung", 32, 8}}},
        Aufbau{FahrzeugSatzLaenge,
               {{"kennung", 0, breite::Kennung},
                {"rufname", 8, breite::Rufname},
                {"info", 18, breite::Info},
                {"stat", 38, 0},
                {"frei1", 39, 0},
                {"zeit", 40, breite::Zeit},
                {"folgetelegramm1", 48, 0},
                {"folgetelegramm2", 49, 0},
                {"datentelegramm", 50, breite::Datentelegramm},
                {"aufgenommen", 150, 0},
                {"frei2", 151, 0},
                {"bemerkung", 152, breite::Bemerkung}}},
        Aufbau{OrtSatzLaenge,
               {{"bos", 0, 1}, {"landeskennung", 1, 1}, {"ortskennung", 2, 2}, {"name", 4, 50}}},
        Aufbau{AktionSatzLaenge,
               {{"kennung", 0, 8}, {"status", 8, 1}, {"richtung", 9, 1}, {"aktion", 10, AktionTextBreite}}},
    };
    static const bool lueckenlos = [] {
        for (const Aufbau& a : alle) {
            int pos = 0;
            for (const Satzfeld& f : a.felder)
                pos = f.von == pos ? pos + std::max(f.breite, 1) : -1;
            Q_ASSERT(pos == a.laenge);
        }
        return true;
    }();
    (void)lueckenlos;
    return alle[static_cast<int>(art)];
}

const std::array<const char*, 5> Woerter = {"status", "fahrzeug", "orte", "aktion", "einstellungen"};
const std::array<const char*, 5> Dateinamen = {"Status.BIN", "Fahrzeug.BIN", "Orte.BIN", "Aktion.BIN",
                                               "Einstellungen.BIN"};

// The blanks that pad a text to its field are left out; writing pads it again, so no byte is lost.
QByteArrayView ohneFuellung(QByteArrayView text) {
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

const Feldwert* feldIn(const Satz& satz, const QString& name) {
    for (const Feldwert& f : satz)
        if (f.name == name)
            return &f;
    return nullptr;
}

// The lines of a bundle with their line ends. A line the bundle's own writer gives back is shown
// as its three fields (with its line end when that is not CR LF), any other as it stands.
void buendelLesen(const QByteArray& daten, Satzliste& liste) {
    qsizetype anfang = 0;
    while (anfang < daten.size()) {
        qsizetype ende = anfang;
        while (ende < daten.size() && daten[ende] != '\r' && daten[ende] != '\n')
            ++ende;
        qsizetype naechste = ende;
        if (naechste < daten.size())
            naechste += (daten[ende] == '\r' && ende + 1 < daten.size() && daten[ende + 1] == '\n') ? 2 : 1;
        const QByteArray zeile = daten.sliced(anfang, ende - anfang);
        const QString zeilenende = ansiNachText(daten.sliced(ende, naechste - ende));
        const auto felder = buendelZeileLesen(ansiNachText(zeile));
        Satz satz;
        if (felder && buendelZeileSchreiben(*felder) == zeile + "\r\n")
            satz = {{"sektion", felder->sektion}, {"schluessel", felder->schluessel}, {"wert", felder->wert}};
        else
            satz = {{"zeile", ansiNachText(zeile)}};
        if (zeilenende != QLatin1String("\r\n"))
            satz.push_back({"ende", zeilenende});
        liste.saetze.push_back(std::move(satz));
        anfang = naechste;
    }
}

std::optional<QByteArray> text(const Feldwert& f, int breite, QString& fehler) {
    const QByteArray bytes = textNachAnsi(f.wert);
    if (f.zahl || ansiNachText(bytes) != f.wert) {
        fehler = f.zahl ? QStringLiteral("%1 muss ein Text sein").arg(f.name)
                        : QStringLiteral("%1 enth\u00e4lt ein Zeichen, das es in Windows-1252 nicht gibt")
                              .arg(f.name);
        return std::nullopt;
    }
    if (breite > 0 && bytes.size() > breite) {
        fehler = QStringLiteral("%1 hat %2 Zeichen, h\u00f6chstens %3 passen")
                     .arg(f.name)
                     .arg(bytes.size())
                     .arg(breite);
        return std::nullopt;
    }
    return breite > 0 ? bytes + QByteArray(breite - bytes.size(), ' ') : bytes;
}

bool buendelSchreiben(const Satz& satz, QByteArray& ziel, QString& fehler) {
    const bool roh = feldIn(satz, QStringLiteral("zeile"));
    const QStringList namen = roh ? QStringList{"zeile"} : QStringList{"sektion", "schluessel", "wert"};
    QStringList werte;
    for (const QString& name : namen) {
        const Feldwert* f = feldIn(satz, name);
        if (!f) {
            fehler = QStringLiteral("das Feld %1 fehlt").arg(name);
            return false;
        }
        if (!text(*f, 0, fehler))
            return false;
        werte << f->wert;
    }
    const Feldwert* ende = feldIn(satz, QStringLiteral("ende"));
    if (ende && !text(*ende, 0, fehler))
        return false;
    if (satz.size() != size_t(namen.size() + (ende ? 1 : 0))) {
        fehler = QStringLiteral("unbekannte Felder; erwartet werden %1 und vielleicht ende")
                     .arg(namen.join(QStringLiteral(", ")));
        return false;
    }
    QByteArray zeile =
        roh ? textNachAnsi(werte[0]) : buendelZeileSchreiben({werte[0], werte[1], werte[2]}).chopped(2);
    ziel += zeile + (ende ? textNachAnsi(ende->wert) : QByteArray("\r\n"));
    return true;
}

} // namespace

std::optional<Tabelle> artAusWort(const QString& wort) {
    for (size_t i = 0; i < Woerter.size(); ++i)
        if (wort == QLatin1String(Woerter[i]))
            return static_cast<Tabelle>(i);
    return std::nullopt;
}

std::optional<Tabelle> artAusDateiname(const QString& pfad) {
    const QString name = QFileInfo(pfad).fileName();
    for (size_t i = 0; i < Dateinamen.size(); ++i)
        if (name.compare(QLatin1String(Dateinamen[i]), Qt::CaseInsensitive) == 0)
            return static_cast<Tabelle>(i);
    return std::nullopt;
}

QString artWort(Tabelle art) {
    return QString::fromLatin1(Woerter[static_cast<int>(art)]);
}

QString satzWort(Tabelle art) {
    return art == Tabelle::Status          ? QStringLiteral("Feld")
           : art == Tabelle::Einstellungen ? QStringLiteral("Zeile")
                                           : QStringLiteral("Satz");
}

Satzliste satzlisteLesen(Tabelle art, const QByteArray& daten) {
    Satzliste liste;
    liste.art = art;
    if (art == Tabelle::Einstellungen) {
        buendelLesen(daten, liste);
        return liste;
    }
    const Aufbau& a = aufbau(art);
    qsizetype pos = 0;
    for (; pos + a.laenge <= daten.size(); pos += a.laenge) {
        Satz satz;
        satz.reserve(a.felder.size());
        for (const Satzfeld& f : a.felder)
            satz.push_back(f.breite == 0
                               ? Feldwert{f.name, QString::number(quint8(daten[pos + f.von])), true}
                               : Feldwert{f.name, ansiNachText(ohneFuellung(
                                                      QByteArrayView(daten).sliced(pos + f.von, f.breite)))});
        liste.saetze.push_back(std::move(satz));
    }
    liste.rest = ansiNachText(QByteArrayView(daten).sliced(pos));
    return liste;
}

std::optional<QByteArray> satzlisteSchreiben(const Satzliste& liste, QString& fehler) {
    QByteArray daten;
    for (size_t i = 0; i < liste.saetze.size(); ++i) {
        const Satz& satz = liste.saetze[i];
        const auto scheitern = [&] {
            fehler = QStringLiteral("%1 %2: %3").arg(satzWort(liste.art)).arg(i + 1).arg(fehler);
            return std::nullopt;
        };
        if (liste.art == Tabelle::Einstellungen) {
            if (!buendelSchreiben(satz, daten, fehler))
                return scheitern();
            continue;
        }
        const Aufbau& a = aufbau(liste.art);
        for (const Satzfeld& f : a.felder) {
            const Feldwert* w = feldIn(satz, QString::fromLatin1(f.name));
            if (!w) {
                fehler = QStringLiteral("das Feld %1 fehlt").arg(QLatin1String(f.name));
                return scheitern();
            }
            if (f.breite > 0) {
                const auto bytes = text(*w, f.breite, fehler);
                if (!bytes)
                    return scheitern();
                daten += *bytes;
                continue;
            }
            bool ok = false;
            const uint wert = w->wert.toUInt(&ok);
            if (!w->zahl || !ok || wert > 255) {
                fehler = QStringLiteral("%1 muss eine Zahl von 0 bis 255 sein").arg(w->name);
                return scheitern();
            }
            daten += char(wert);
        }
        if (satz.size() != a.felder.size()) {
            fehler = QStringLiteral("der Satz hat %1 Felder statt %2").arg(satz.size()).arg(a.felder.size());
            return scheitern();
        }
    }
    QString restFehler;
    const auto rest = text({QStringLiteral("rest"), liste.rest}, 0, restFehler);
    if (!rest) {
        fehler = restFehler;
        return std::nullopt;
    }
    return daten + *rest;
}

} // namespace tabulo::cli
