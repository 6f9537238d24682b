#include "cli/Darstellung.h"
#include "cli/Kommandozeile.h"
#include "core/files/DateiLesen.h"
#include "core/files/DateiSchreiber.h"

#include <QDir>
#include <algorithm>
#include <vector>

namespace tabulo::cli {

namespace {

// The kind from --art, else from the names of the files in turn.
std::optional<Tabelle> artBestimmen(const Aufruf& a, Ausgabe& aus, int& code) {
    code = 0;
    if (a.werte.contains(QStringLiteral("--art"))) {
        const auto art = artAusWort(a.werte.value(QStringLiteral("--art")));
        if (!art)
            code = melden(
                aus, a.befehl,
                QStringLiteral("unbekannte Art \"%1\"; bekannt sind status, fahrzeug, orte, aktion und "
                               "einstellungen.")
                    .arg(a.werte.value(QStringLiteral("--art"))),
                Aufruffehler);
        return art;
    }
    for (const QString& name : a.namen)
        if (const auto art = artAusDateiname(name))
            return art;
    return std::nullopt;
}

std::optional<QByteArray> lesen(const Aufruf& a, const QString& pfad, Ausgabe& aus, int& code) {
    LeseErgebnis gelesen = dateiLesen(pfad);
    if (!gelesen.daten)
        code = melden(aus, a.befehl,
                      QStringLiteral("\"%1\" kann nicht gelesen werden: %2")
                          .arg(QDir::toNativeSeparators(pfad), gelesen.fehler),
                      NichtLesbar);
    return std::move(gelesen.daten);
}

const QString OhneArt = QStringLiteral("die Art der Datei folgt nicht aus ihrem Namen; bitte --art "
                                       "status|fahrzeug|orte|aktion|einstellungen angeben.");

// The kind of the files and the records of the first `anzahl` named files, read in turn; on the
// first failure it says why, sets `code` and gives nothing.
struct Gelesen {
    Tabelle art;
    std::vector<Satzliste> listen;
};
std::optional<Gelesen> satzlistenLesen(const Aufruf& a, int anzahl, Ausgabe& aus, int& code) {
    const auto art = artBestimmen(a, aus, code);
    if (code)
        return std::nullopt;
    if (!art) {
        code = melden(aus, a.befehl, OhneArt, Aufruffehler);
        return std::nullopt;
    }
    Gelesen gelesen{*art, {}};
    for (int i = 0; i < anzahl; ++i) {
        const auto daten = lesen(a, a.namen[i], aus, code);
        if (!daten)
            return std::nullopt;
        gelesen.listen.push_back(satzlisteLesen(*art, *daten));
    }
    return gelesen;
}

QString wertZeigen(const Feldwert* f) {
    return f->zahl ? f->wert : jsonText(f->wert);
}

} // namespace

int zeigenBefehl(const Aufruf& a, Ausgabe& aus) {
    int code = 0;
    const auto gelesen = satzlistenLesen(a, 1, aus, code);
    if (!gelesen)
        return code;
    const Satzliste& liste = gelesen->listen[0];
    if (a.schalter.contains(QStringLiteral("--json")))
        aus.aus += alsJson(liste);
    else if (a.schalter.contains(QStringLiteral("--csv")))
        aus.aus += alsCsv(liste);
    else
        aus.aus += alsText(liste);
    return 0;
}

int vergleichenBefehl(const Aufruf& a, Ausgabe& aus) {
    int code = 0;
    const auto gelesen = satzlistenLesen(a, 2, aus, code);
    if (!gelesen)
        return code;
    const Satzliste &links = gelesen->listen[0], &rechts = gelesen->listen[1];
    const QString wort = satzWort(gelesen->art);
    int verschieden = 0;
    const size_t n = std::max(links.saetze.size(), rechts.saetze.size());
    for (size_t i = 0; i < n; ++i) {
        if (i >= links.saetze.size() || i >= rechts.saetze.size()) {
            aus.aus += QStringLiteral("%1 %2: nur in %3\n")
                           .arg(wort)
                           .arg(i + 1)
                           .arg(i >= links.saetze.size() ? "B" : "A");
            ++verschieden;
            continue;
        }
        const Satz& l = links.saetze[i];
        const Satz& r = rechts.saetze[i];
        if (l == r)
            continue;
        ++verschieden;
        // Bundle lines may hold other fields on each side; every name of either is compared.
        QStringList namen;
        for (const Satz* s : {&l, &r})
            for (const Feldwert& f : *s)
                if (!namen.contains(f.name))
                    namen << f.name;
        for (const QString& name : namen) {
            const auto finden = [&](const Satz& s) -> const Feldwert* {
                const auto it =
                    std::find_if(s.begin(), s.end(), [&](const Feldwert& f) { return f.name == name; });
                return it == s.end() ? nullptr : &*it;
            };
            const Feldwert* fl = finden(l);
            const Feldwert* fr = finden(r);
            if (fl && fr && *fl == *fr)
                continue;
            aus.aus += QStringLiteral("%1 %2, %3: %4 -> %5\n")
                           .arg(wort)
                           .arg(i + 1)
                           .arg(name, fl ? wertZeigen(fl) : QStringLiteral("(fehlt)"),
                                fr ? wertZeigen(fr) : QStringLiteral("(fehlt)"));
        }
    }
    if (links.rest != rechts.rest) {
        aus.aus += QStringLiteral("Rest: %1 -> %2\n").arg(jsonText(links.rest), jsonText(rechts.rest));
        ++verschieden;
    }
    if (verschieden == 0) {
        aus.aus += QStringLiteral("Die Dateien sind gleich.\n");
        return 0;
    }
    aus.aus += QStringLiteral("%1 %2 verschieden.\n")
                   .arg(verschieden)
                   .arg(verschieden == 1 ? QStringLiteral("Stelle") : QStringLiteral("Stellen"));
    return 1;
}

int schreibenBefehl(const Aufruf& a, Ausgabe& aus) {
    int code = 0;
    std::optional<Tabelle> art;
    if (a.werte.contains(QStringLiteral("--art"))) {
        art = artBestimmen(a, aus, code);
        if (code)
            return code;
    }
    const auto json = lesen(a, a.namen[0], aus, code);
    if (!json)
        return code;
    QString fehler;
    const auto liste = ausJson(*json, art, artAusDateiname(a.namen[1]), fehler);
    const auto daten = liste ? satzlisteSchreiben(*liste, fehler) : std::nullopt;
    if (!daten)
        return melden(aus, a.befehl,
                      QStringLiteral("%1: %2.").arg(QDir::toNativeSeparators(a.namen[0]), fehler),
                      Datenfehler);
    const SchreibErgebnis ergebnis = DateiSchreiber().schreiben(a.namen[1], *daten);
    if (!ergebnis)
        return melden(aus, a.befehl,
                      QStringLiteral("\"%1\" kann nicht geschrieben werden: %2")
                          .arg(QDir::toNativeSeparators(a.namen[1]), ergebnis.fehler),
                      NichtSchreibbar);
    return 0;
}

} // namespace tabulo::cli
