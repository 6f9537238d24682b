#include "core/print/Druckauswahl.h"

#include "core/files/EinstellungsSpeicher.h"

#include <algorithm>

namespace tabulo {

namespace {
// The program's own preferences, apart from the host's applications.
const QString& Anwendung = anwendung::Tabulo;
const QString Sektion = QStringLiteral("Drucken");
const QString SchluesselFenster = QStringLiteral("Fenster");
const QString SchluesselFahrzeuge = QStringLiteral("Fahrzeugliste");
const QString SchluesselOrte = QStringLiteral("Ortskennungen");
const QString SchluesselAktionen = QStringLiteral("Aktionen");

bool schalter(const EinstellungsSpeicher& s, const QString& schluessel) {
    return s.lesen(Anwendung, Sektion, schluessel, {}) == QLatin1String("1");
}
} // namespace

bool Druckauswahl::leer() const {
    return std::none_of(fenster.begin(), fenster.end(), [](bool b) { return b; }) && !fahrzeuge && !orte &&
           !aktionen;
}

// The windows are kept as their digits, "1357" for every other one; "-" for none.
Druckauswahl druckauswahlLesen(const EinstellungsSpeicher& s) {
    Druckauswahl a;
    const QString ziffern = s.lesen(Anwendung, Sektion, SchluesselFenster, {});
    const bool gueltig = ziffern == QLatin1String("-") ||
                         (!ziffern.isEmpty() && std::all_of(ziffern.begin(), ziffern.end(), [](QChar c) {
                             return c >= QLatin1Char('1') && c <= QLatin1Char('8');
                         }));
    if (gueltig) {
        a.fenster.fill(false);
        for (const QChar c : ziffern)
            if (c != QLatin1Char('-'))
                a.fenster[c.digitValue() - 1] = true;
    }
    a.fahrzeuge = schalter(s, SchluesselFahrzeuge);
    a.orte = schalter(s, SchluesselOrte);
    a.aktionen = schalter(s, SchluesselAktionen);
    return a;
}

void druckauswahlSpeichern(EinstellungsSpeicher& s, const Druckauswahl& a) {
    QString ziffern;
    for (int w = 1; w <= AnzahlFenster; ++w)
        if (a.fenster[w - 1])
            ziffern += QString::number(w);
    const auto text = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    s.speichern(Anwendung, Sektion, SchluesselFenster, ziffern.isEmpty() ? QStringLiteral("-") : ziffern);
    s.speichern(Anwendung, Sektion, SchluesselFahrzeuge, text(a.fahrzeuge));
    s.speichern(Anwendung, Sektion, SchluesselOrte, text(a.orte));
    s.speichern(Anwendung, Sektion, SchluesselAktionen, text(a.aktionen));
}

} // namespace tabulo
