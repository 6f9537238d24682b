#include "cli/Kommandozeile.h"

#include <array>

namespace tabulo::cli {

namespace {

struct Befehl {
    const char* name;
    int (*ausfuehren)(const Aufruf&, Ausgabe&);
    int mindestens, hoechstens; // how many names
    QStringList schalter;
    QStringList werte; // options that take a value
    const char* hilfe;
};

const char* const Uebersicht = R"(Aufruf: tabulo-cli BEFEHL [ARGUMENTE]

Prüft, zeigt, vergleicht und schreibt die Dateien von Velastat, ohne Fenster.

Befehle:
  pruefen [ORDNER]            prüft die Tabellen eines Ordners
  zeigen DATEI                zeigt jeden Satz einer Datei als Text, CSV oder JSON
  vergleichen A B             nennt die Sätze, in denen zwei Dateien sich unterscheiden
  schreiben EINGABE AUSGABE   schreibt eine Datei aus dem JSON von "zeigen --json"

"tabulo-cli BEFEHL --help" beschreibt einen Befehl.
)";

const std::array<Befehl, 4> Befehle = {{
    {"pruefen",
     pruefenBefehl,
     0,
     1,
     {"--json"},
     {"--einstellungen"},
     R"(Aufruf: tabulo-cli pruefen [ORDNER] [--json] [--einstellungen DATEI]

Prüft Status.BIN, Fahrzeug.BIN, Orte.BIN, Aktion.BIN und Einstellungen.BIN im ORDNER
(ohne ORDNER im aktuellen Ordner; Groß- und Kleinschreibung der Namen zählt nicht) und nennt
jeden Befund mit Schwere, Datei, Stelle und Text. Kennungen werden mit den Namen der BOS- und
Landeskennungen aus den Einstellungen von Velastat und den Ortsnamen aus Orte.BIN entschlüsselt.

  --json                 die Befunde als JSON
  --einstellungen DATEI  die Einstellungen aus dieser INI-Datei statt aus denen von Velastat

Rückgabewert: 0 ohne Fehler und Warnungen (Hinweise zählen nicht), 1 bei Warnungen,
2 bei Fehlern, 64 bei falschem Aufruf, 66 wenn der Ordner keine der Dateien enthält.
)"},
    {"zeigen",
     zeigenBefehl,
     1,
     1,
     {"--csv", "--json"},
     {"--art"},
     R"(Aufruf: tabulo-cli zeigen DATEI [--csv | --json] [--art ART]

Zeigt jeden Satz einer Datei mit allen Feldern, auch den Bytes, die Velastat nicht liest; Text
als UTF-8, ohne die Leerzeichen, die ihn auf die Breite seines Feldes auffüllen. Die Art der
Datei folgt aus ihrem Namen (Status.BIN, Fahrzeug.BIN, Orte.BIN, Aktion.BIN,
Einstellungen.BIN) oder aus --art.

  --art ART   status, fahrzeug, orte, aktion oder einstellungen
  --csv       eine Zeile je Satz, die Felder durch Semikolons getrennt
  --json      JSON, aus dem "tabulo-cli schreiben" dieselbe Datei Byte für Byte schreibt

Rückgabewert: 0, 64 bei falschem Aufruf, 66 wenn die Datei nicht gelesen werden kann.
)"},
    {"vergleichen",
     vergleichenBefehl,
     2,
     2,
     {},
     {"--art"},
     R"(Aufruf: tabulo-cli vergleichen A B [--art ART]

Nennt die Sätze, in denen sich die Dateien A und B gleicher Art unterscheiden, Feld für Feld,
und die Sätze, die nur eine der beiden hat. Die Art folgt aus dem Namen von A oder aus --art.

  --art ART   status, fahrzeug, orte, aktion oder einstellungen

Rückgabewert: 0 wenn die Dateien gleich sind, 1 wenn sie sich unterscheiden, 64 bei falschem
Aufruf, 66 wenn eine Datei nicht gelesen werden kann.
)"},
    {"schreiben",
     schreibenBefehl,
     2,
     2,
     {},
     {"--art"},
     R"(Aufruf: tabulo-cli schreiben [--art ART] EINGABE.json AUSGABE

Schreibt die Datei AUSGABE aus dem JSON, das "tabulo-cli zeigen --json" ausgibt. Texte, die
kürzer sind als ihr Feld, werden mit Leerzeichen aufgefüllt; längere und Zeichen, die es in
Windows-1252 nicht gibt, weist der Befehl ab. Eine vorhandene AUSGABE wird erst ersetzt, wenn
die neue Datei vollständig geschrieben ist.

  --art ART   status, fahrzeug, orte, aktion oder einstellungen (sonst die Art im JSON,
              sonst die aus dem Namen von AUSGABE)

Rückgabewert: 0, 64 bei falschem Aufruf, 65 wenn das JSON nicht passt, 66 wenn EINGABE nicht
gelesen werden kann, 73 wenn AUSGABE nicht geschrieben werden kann.
)"},
}};

bool istHilfe(const QString& a) {
    return a == QLatin1String("--help") || a == QLatin1String("-h");
}

} // namespace

int melden(Ausgabe& aus, const QString& befehl, const QString& text, int code) {
    aus.fehler += QStringLiteral("tabulo-cli%1: %2\n")
                      .arg(befehl.isEmpty() ? QString() : QLatin1Char(' ') + befehl, text);
    return code;
}

int ausfuehren(const QStringList& argumente, Ausgabe& aus) {
    if (argumente.isEmpty())
        return melden(aus, {}, QStringLiteral("kein Befehl; \"tabulo-cli --help\" nennt die Befehle."),
                      Aufruffehler);
    if (istHilfe(argumente.front())) {
        aus.aus += QString::fromUtf8(Uebersicht);
        return 0;
    }
    const Befehl* befehl = nullptr;
    for (const Befehl& b : Befehle)
        if (argumente.front() == QLatin1String(b.name))
            befehl = &b;
    if (!befehl)
        return melden(aus, {},
                      QStringLiteral("unbekannter Befehl \"%1\"; \"tabulo-cli --help\" nennt die Befehle.")
                          .arg(argumente.front()),
                      Aufruffehler);
    Aufruf a;
    a.befehl = QString::fromLatin1(befehl->name);
    const auto falsch = [&](const QString& text) {
        return melden(aus, a.befehl,
                      text +
                          QStringLiteral("; \"tabulo-cli %1 --help\" beschreibt den Aufruf.").arg(a.befehl),
                      Aufruffehler);
    };
    bool nurNamen = false; // after "--" everything is a name, even "-x"
    for (int i = 1; i < argumente.size(); ++i) {
        const QString& arg = argumente[i];
        if (!nurNamen && istHilfe(arg)) {
            aus.aus += QString::fromUtf8(befehl->hilfe);
            return 0;
        }
        if (!nurNamen && arg == QLatin1String("--")) {
            nurNamen = true;
        } else if (nurNamen || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            a.namen << arg;
        } else if (befehl->schalter.contains(arg)) {
            a.schalter.insert(arg);
        } else if (befehl->werte.contains(arg)) {
            if (i + 1 >= argumente.size())
                return falsch(QStringLiteral("%1 braucht einen Wert").arg(arg));
            a.werte.insert(arg, argumente[++i]);
        } else {
            return falsch(QStringLiteral("unbekannte Option \"%1\"").arg(arg));
        }
    }
    if (a.namen.size() < befehl->mindestens || a.namen.size() > befehl->hoechstens)
        return falsch(a.namen.size() < befehl->mindestens ? QStringLiteral("zu wenige Angaben")
                                                          : QStringLiteral("zu viele Angaben"));
    if (a.schalter.contains(QStringLiteral("--csv")) && a.schalter.contains(QStringLiteral("--json")))
        return falsch(QStringLiteral("--csv und --json schlie\u00dfen sich aus"));
    return befehl->ausfuehren(a, aus);
}

} // namespace tabulo::cli
