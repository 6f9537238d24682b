#include "support/SkriptRueckfrage.h"

namespace tabulo::test {

Antwort SkriptRueckfrage::frage(const QString& titel, const QString& text, Knoepfe knoepfe, Symbol symbol) {
    fragen.append({titel, text, knoepfe, symbol});
    if (!antworten.empty()) {
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    switch (knoepfe) {
    case Knoepfe::Ok:
        return Antwort::Ok;
    case Knoepfe::JaNein:
        return Antwort::Nein;
    default:
        return Antwort::Abbrechen;
    }
}

std::optional<QString> SkriptRueckfrage::dateiWaehlen(const DateiDialog& dialog) {
    dateiDialoge.append(dialog);
    if (dateien.empty())
        return std::nullopt;
    auto d = dateien.front();
    dateien.pop_front();
    if (d && nachDateiwahl)
        nachDateiwahl(*d);
    return d;
}

std::optional<Farbe> SkriptRueckfrage::farbeWaehlen(Farbe) {
    if (farben.empty())
        return std::nullopt;
    auto f = farben.front();
    farben.pop_front();
    return f;
}

} // namespace tabulo::test
