#include "cli/Darstellung.h"
#include "cli/Kommandozeile.h"
#include "core/check/Pruefung.h"
#include "core/files/IniSpeicher.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

namespace tabulo::cli {

namespace {

struct Zaehlung {
    int fehler = 0, warnungen = 0, hinweise = 0;
};

Zaehlung zaehlen(const Befunde& befunde) {
    Zaehlung z;
    for (const Befund& b : befunde)
        ++(b.schwere == Schwere::Fehler    ? z.fehler
           : b.schwere == Schwere::Warnung ? z.warnungen
                                           : z.hinweise);
    return z;
}

QString alsText(const Befunde& befunde, const QString& ordner) {
    QString aus;
    for (const Befund& b : befunde) {
        aus += QStringLiteral("%1: %2%3: %4\n")
                   .arg(schwereText(b.schwere), tabellenDatei(b.tabelle),
                        b.stelle.isEmpty() ? QString() : QStringLiteral(", ") + b.stelle, b.text);
        if (!b.klartext.isEmpty())
            aus += QStringLiteral("    %1\n").arg(b.klartext);
    }
    return aus + QStringLiteral("%1: %2.\n").arg(QDir::toNativeSeparators(ordner), befundZaehlung(befunde));
}

QString alsJson(const Befunde& befunde, const QString& ordner) {
    QString aus = QStringLiteral("{\n  \"ordner\": %1,\n  \"befunde\": [")
                      .arg(jsonText(QDir::toNativeSeparators(ordner)));
    for (size_t i = 0; i < befunde.size(); ++i) {
        const Befund& b = befunde[i];
        aus += QStringLiteral(
                   "%1\n    {\"schwere\": %2, \"art\": %3, \"datei\": %4, \"nummer\": %5, \"stelle\": %6, "
                   "\"text\": %7, \"kennung\": %8}")
                   .arg(i == 0 ? QString() : QStringLiteral(","), jsonText(schwereText(b.schwere)),
                        jsonText(befundartName(b.art)), jsonText(tabellenDatei(b.tabelle)),
                        b.nummer < 0 ? QStringLiteral("null") : QString::number(b.nummer + 1),
                        jsonText(b.stelle), jsonText(b.text), jsonText(b.klartext));
    }
    const Zaehlung z = zaehlen(befunde);
    aus += QStringLiteral("%1],\n  \"fehler\": %2,\n  \"warnungen\": %3,\n  \"hinweise\": %4\n}\n")
               .arg(befunde.empty() ? QString() : QStringLiteral("\n  "))
               .arg(z.fehler)
               .arg(z.warnungen)
               .arg(z.hinweise);
    return aus;
}

} // namespace

int pruefenBefehl(const Aufruf& a, Ausgabe& aus) {
    const QString ordner = a.namen.value(0, QDir::currentPath());
    if (!QFileInfo(ordner).isDir())
        return melden(aus, a.befehl, QStringLiteral("den Ordner \"%1\" gibt es nicht.").arg(ordner),
                      NichtLesbar);
    std::unique_ptr<EinstellungsSpeicher> speicher;
    if (a.werte.contains(QStringLiteral("--einstellungen"))) {
        const QString datei = a.werte.value(QStringLiteral("--einstellungen"));
        if (!QFileInfo(datei).isFile())
            return melden(aus, a.befehl,
                          QStringLiteral("die Einstellungsdatei \"%1\" gibt es nicht.").arg(datei),
                          NichtLesbar);
        speicher = std::make_unique<IniSpeicher>(datei);
    } else {
        speicher = std::make_unique<SystemSpeicher>();
    }
    int gefunden = 0;
    const Pruefgut gut = pruefgutAusOrdner(ordner, *speicher, &gefunden);
    if (gefunden == 0)
        return melden(
            aus, a.befehl,
            QStringLiteral("im Ordner \"%1\" liegt keine der Dateien Status.BIN, Fahrzeug.BIN, Orte.BIN, "
                           "Aktion.BIN und Einstellungen.BIN.")
                .arg(QDir::toNativeSeparators(ordner)),
            NichtLesbar);
    const Befunde befunde = tabellenPruefen(gut);
    aus.aus +=
        a.schalter.contains(QStringLiteral("--json")) ? alsJson(befunde, ordner) : alsText(befunde, ordner);
    return befundeErgebnis(befunde);
}

} // namespace tabulo::cli
