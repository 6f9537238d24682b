#pragma once

#include "core/common/Rueckfrage.h"

class QWidget;

namespace tabulo {

// Real message boxes, file and colour dialogs.
class QtRueckfrage : public Rueckfrage {
public:
    explicit QtRueckfrage(QWidget* eltern = nullptr) : m_eltern(eltern) {}
    void setzeEltern(QWidget* eltern) { m_eltern = eltern; }

    Antwort frage(const QString& titel, const QString& text, Knoepfe knoepfe, Symbol symbol) override;
    std::optional<QString> dateiWaehlen(const DateiDialog& dialog) override;
    std::optional<Farbe> farbeWaehlen(Farbe start) override;

private:
    QWidget* m_eltern;
};

} // namespace tabulo
