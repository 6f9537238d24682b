#pragma once

#include "core/common/Rueckfrage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace tabulo::test {

// Answers dialogs from a script and records what was asked. An unscripted question is
// answered with the "no" choice of its buttons (Nein, Abbrechen or Ok), an unscripted file or
// colour dialog is cancelled.
class SkriptRueckfrage : public Rueckfrage {
public:
    struct Frage {
        QString titel;
        QString text;
        Knoepfe knoepfe;
        Symbol symbol;
    };

    std::deque<Antwort> antworten;
    std::deque<std::optional<QString>> dateien;
    std::deque<std::optional<Farbe>> farben;
    // Runs with each path handed out, before the program sees it: lets the file change under it.
    std::function<void(const QString&)> nachDateiwahl;

    QList<Frage> fragen;
    QList<DateiDialog> dateiDialoge;

    Antwort frage(const QString& titel, const QString& text, Knoepfe knoepfe, Symbol symbol) override;
    std::optional<QString> dateiWaehlen(const DateiDialog& dialog) override;
    std::optional<Farbe> farbeWaehlen(Farbe start) override;
};

} // namespace tabulo::test
