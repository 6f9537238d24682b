#include "core/check/Pruefregeln.h"
#include "core/check/Pruefung.h"
#include "core/common/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace tabulo {

namespace {

bool grossHex(QChar c) {
    return hexZiffer(c) >= 0 && !c.isLower();
}

// The program a command line starts, as the system looks for it: a quoted path, or the words up
// to each blank in turn, so that an unquoted "C:\Program Files\a.exe" is found too. Only
// absolute paths are asked for: a bare name depends on the search path of the machine that runs
// the action, and a path of another system (a drive letter here) cannot be seen from here.
struct Programm {
    QString anzeige;        // what the finding names
    QStringList kandidaten; // any of them existing is enough
};

Programm programmAus(const QString& befehl) {
    Programm p;
    const bool zitiert = befehl.startsWith(QLatin1Char('"'));
    const qsizetype ende = befehl.indexOf(QLatin1Char(zitiert ? '"' : ' '), zitiert ? 1 : 0);
    p.anzeige = zitiert ? befehl.mid(1, ende < 0 ? -1 : ende - 1) : befehl.left(ende);
    if (!QDir::isAbsolutePath(p.anzeige))
        return p;
    p.kandidaten << p.anzeige;
    if (!zitiert) {
        for (qsizetype i = befehl.indexOf(QLatin1Char(' '), ende + 1); ende >= 0 && i >= 0;
             i = befehl.indexOf(QLatin1Char(' '), i + 1))
            p.kandidaten << befehl.left(i);
        if (ende >= 0)
            p.kandidaten << befehl;
    }
    return p;
}

// Each path is asked once, however many actions start it: the shortest candidate, the program
// itself, is asked first and mostly decides.
bool programmDa(const Programm& p, QHash<QString, bool>& gefragt) {
    for (const QString& k : p.kandidaten) {
        auto da = gefragt.constFind(k);
        if (da == gefragt.cend())
            da = gefragt.insert(k, QFileInfo(k).isFile() || QFileInfo(k + QStringLiteral(".exe")).isFile());
        if (*da)
            return true;
    }
    return false;
}

} // namespace

void ortePruefen(Pruefkontext& k) {
    if (!k.gut.orte)
        return;
    const auto& orte = *k.gut.orte;
    QHash<QString, int> erster; // BOS digit and LOO -> the first entry naming it
    for (int e = 0; e < static_cast<int>(orte.size()); ++e) {
        const Pruefgut::Ort& o = orte[e];
        const auto melden = [&](Schwere s, Befundart art, const QString& text) {
            k.melden(s, Tabelle::Orte, o.nummer, art, text);
        };
        if (o.maske == 0) {
            if (o.bos.isEmpty())
                melden(Schwere::Warnung, Befundart::OrtOhneBos,
                       QStringLiteral("Ort %1 gilt f\u00fcr keine BOS-Kennung; er wird nicht gespeichert.")
                           .arg(o.loo));
            else
                melden(Schwere::Fehler, Befundart::OrtOhneBos,
                       QStringLiteral("Ort %1 hat keine BOS-Kennung: %2 ist keine Hexadezimalziffer und gilt "
                                      "als BOS 0.")
                           .arg(o.loo, inAnfuehrung(o.bos)));
        }
        if (o.loo.size() != 3 || !grossHex(o.loo[0]) || !grossHex(o.loo[1]) || !grossHex(o.loo[2])) {
            melden(Schwere::Fehler, Befundart::OrtKennungUngueltig,
                   QStringLiteral("Landes- und Ortskennung %1 sind keine drei Hexadezimalziffern in "
                                  "Gro\u00dfbuchstaben; kein Fahrzeug findet diesen Ort.")
                       .arg(inAnfuehrung(o.loo)));
            continue;
        }
        for (int d = 0; d < 16; ++d) {
            if (!(o.maske & (1u << d)))
                continue;
            const QString schluessel = hexZeichen(d) + o.loo;
            const auto es = erster.constFind(schluessel);
            if (es == erster.cend()) {
                erster.insert(schluessel, e);
            } else if (orte[*es].name != o.name) {
                melden(Schwere::Warnung, Befundart::OrtZweiNamen,
                       QStringLiteral("Ort %1 f\u00fcr BOS %2 heißt in %3 schon %4, hier %5.")
                           .arg(o.loo, hexZeichen(d), k.stelle(Tabelle::Orte, orte[*es].nummer),
                                inAnfuehrung(orte[*es].name), inAnfuehrung(o.name)));
                break;
            }
        }
    }
}

void aktionenPruefen(Pruefkontext& k) {
    if (!k.gut.aktionen)
        return;
    const auto& aktionen = *k.gut.aktionen;
    const int n = static_cast<int>(aktionen.size());
    if (n > AktionenHoechstzahl)
        k.melden(Schwere::Fehler, Tabelle::Aktionen, AktionenHoechstzahl, Befundart::AktionenZuViele,
                 QStringLiteral("Die Liste hat %1 Aktionen; Velastat liest nur die ersten %2.")
                     .arg(n)
                     .arg(AktionenHoechstzahl));
    QHash<QString, bool> gefragt;
    for (int i = 0; i < n; ++i) {
        const Aktion& a = aktionen[i];
        const auto melden = [&](Schwere s, Befundart art, const QString& text) {
            k.melden(s, Tabelle::Aktionen, i, art, text, a.kennung);
        };
        if (k.fahrzeugZeile(a.kennung) < 0)
            melden(Schwere::Warnung, Befundart::AktionOhneFahrzeug,
                   QStringLiteral("Aktion f\u00fcr Kennung %1, die in der Fahrzeugliste fehlt.")
                       .arg(inAnfuehrung(a.kennung)));
        if (a.status.size() != 1 || !a.status[0].isDigit() || a.status[0].unicode() > '9')
            melden(Schwere::Warnung, Befundart::StatusUngueltig,
                   QStringLiteral("Status %1 liegt nicht zwischen 0 und 9.").arg(inAnfuehrung(a.status)));
        if (a.richtungNr != 0 && a.richtungNr != 1)
            melden(Schwere::Hinweis, Befundart::FremdeBytes,
                   QStringLiteral("Richtung %1; Velastat schreibt nur 0 und 1.").arg(a.richtungNr));
        const QString befehl = ohneRandLeerzeichen(a.aktion);
        if (befehl.isEmpty()) {
            melden(Schwere::Warnung, Befundart::AktionLeer, QStringLiteral("Die Befehlszeile ist leer."));
            continue;
        }
        const Programm p = programmAus(befehl);
        if (p.kandidaten.isEmpty())
            continue;
        if (!programmDa(p, gefragt))
            melden(Schwere::Warnung, Befundart::ProgrammFehlt,
                   QStringLiteral("Das Programm %1 gibt es auf diesem Rechner nicht.")
                       .arg(inAnfuehrung(p.anzeige)));
    }
}

} // namespace tabulo
