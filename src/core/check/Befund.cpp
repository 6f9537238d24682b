#include "core/check/Befund.h"

#include "core/overview/Feld.h"

#include <algorithm>
#include <iterator>

namespace tabulo {

QString schwereText(Schwere s) {
    switch (s) {
    case Schwere::Fehler:
        return QStringLiteral("Fehler");
    case Schwere::Warnung:
        return QStringLiteral("Warnung");
    case Schwere::Hinweis:
        break;
    }
    return QStringLiteral("Hinweis");
}

QString befundartName(Befundart art) {
    static const char* const namen[] = {
        "datei-ungueltig",       "fremde-bytes",      "kennung-ungueltig",
        "kennung-klein",         "kennung-doppelt",   "kennung-doppelt-verschieden",
        "status-ungueltig",      "zeit-ungueltig",    "feld-ohne-fahrzeug",
        "fahrzeug-mehrfach",     "nicht-aufgenommen", "ort-ohne-bos",
        "ort-kennung-ungueltig", "ort-zwei-namen",    "aktion-ohne-fahrzeug",
        "aktionen-zu-viele",     "aktion-leer",       "programm-fehlt"};
    static_assert(std::size(namen) == static_cast<size_t>(Befundart::ProgrammFehlt) + 1);
    return QString::fromLatin1(namen[static_cast<int>(art)]);
}

QString tabellenDatei(Tabelle t) {
    switch (t) {
    case Tabelle::Status:
        return QStringLiteral("Status.BIN");
    case Tabelle::Fahrzeuge:
        return QStringLiteral("Fahrzeug.BIN");
    case Tabelle::Orte:
        return QStringLiteral("Orte.BIN");
    case Tabelle::Aktionen:
        return QStringLiteral("Aktion.BIN");
    case Tabelle::Einstellungen:
        break;
    }
    return QStringLiteral("Einstellungen.BIN");
}

QString stelleText(Tabelle t, int nummer, bool ausDateien) {
    if (nummer < 0)
        return {};
    if (t == Tabelle::Status)
        return QStringLiteral("Feld %1 (Fenster %2)").arg(nummer + 1).arg(fensterVon(nummer));
    if (t == Tabelle::Einstellungen)
        return QStringLiteral("Zeile %1").arg(nummer + 1);
    if (ausDateien)
        return QStringLiteral("Satz %1").arg(nummer + 1);
    return (t == Tabelle::Orte ? QStringLiteral("Eintrag %1") : QStringLiteral("Zeile %1")).arg(nummer + 1);
}

void befundeOrdnen(Befunde& befunde) {
    std::stable_sort(befunde.begin(), befunde.end(), [](const Befund& a, const Befund& b) {
        if (a.schwere != b.schwere)
            return a.schwere < b.schwere;
        if (a.tabelle != b.tabelle)
            return a.tabelle < b.tabelle;
        return a.nummer < b.nummer;
    });
}

int befundeErgebnis(const Befunde& befunde) {
    int ergebnis = 0;
    for (const Befund& b : befunde)
        ergebnis = std::max(ergebnis, b.schwere == Schwere::Fehler    ? 2
                                      : b.schwere == Schwere::Warnung ? 1
                                                                      : 0);
    return ergebnis;
}

QString befundZaehlung(const Befunde& befunde) {
    int n[3] = {0, 0, 0};
    for (const Befund& b : befunde)
        ++n[static_cast<int>(b.schwere)];
    return QStringLiteral("%1 Fehler, %2 %3, %4 %5")
        .arg(n[0])
        .arg(n[1])
        .arg(n[1] == 1 ? QStringLiteral("Warnung") : QStringLiteral("Warnungen"))
        .arg(n[2])
        .arg(n[2] == 1 ? QStringLiteral("Hinweis") : QStringLiteral("Hinweise"));
}

} // namespace tabulo
