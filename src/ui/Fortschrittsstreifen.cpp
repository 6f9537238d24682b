#include "ui/Fortschrittsstreifen.h"

#include "ui/Farben.h"

#include <QPainter>

namespace tabulo {

namespace {
constexpr qint64 BildDauerMs = 16;
}

Fortschrittsstreifen::Fortschrittsstreifen(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setAutoFillBackground(true);
    m_zeit.start();
    uhr = [this] { return m_zeit.elapsed(); };
    hide();
}

void Fortschrittsstreifen::zeigen() {
    m_bereiche.clear();
    m_gefuellt = 0;
    m_letzteSpalte = -1;
    show();
    repaint();
    m_letztesZeichnen = uhr();
}

void Fortschrittsstreifen::bereich(double anteilVon, double anteilBis, std::optional<Farbe> farbe) {
    // Neighbouring slices of one colour are merged, so a pass over 100,000 elements keeps a
    // handful of rectangles. Lines closer than a pixel column merge too: they fill the columns
    // between them either way.
    const int breite = width();
    Bereich* letzter = m_bereiche.empty() ? nullptr : &m_bereiche.back();
    const auto nahGenug = [breite](double luecke) {
        return breite > 0 ? luecke * breite <= 1.0 : luecke <= 0;
    };
    if (letzter && letzter->farbe == farbe && letzter->von <= anteilVon && nahGenug(anteilVon - letzter->bis))
        letzter->bis = std::max(letzter->bis, anteilBis);
    else
        m_bereiche.push_back({anteilVon, anteilBis, farbe});
    m_gefuellt = std::max(m_gefuellt, anteilBis);
    if (!isVisible())
        return;
    // The clock is asked only when the strip would look different.
    const int bisSpalte = static_cast<int>(anteilBis * breite);
    if (bisSpalte == m_letzteSpalte)
        return;
    m_letzteSpalte = bisSpalte;
    const qint64 jetzt = uhr();
    if (jetzt - m_letztesZeichnen >= BildDauerMs) {
        repaint();
        m_letztesZeichnen = jetzt;
    }
}

void Fortschrittsstreifen::verbergen() {
    hide();
}

void Fortschrittsstreifen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    for (const Bereich& b : m_bereiche) {
        const QColor farbe = b.farbe ? qtFarbe(*b.farbe) : palette().color(QPalette::WindowText);
        const int x1 = static_cast<int>(b.von * w);
        // A line (a slice without width) is one pixel column wide.
        const int x2 = std::min(w, std::max(x1 + 1, static_cast<int>(b.bis * w + 0.999)));
        if (x2 > x1)
            p.fillRect(QRect(x1, 1, x2 - x1, h - 1), farbe);
    }
}

} // namespace tabulo
