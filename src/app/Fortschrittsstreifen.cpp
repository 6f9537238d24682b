#include "app/Fortschrittsstreifen.h"

#include "app/Farben.h"

#include <QPainter>

namespace tabulo {

namespace {
constexpr qint64 BildDauerMs = 16;
}

Fortschrittsstreifen::Fortschrittsstreifen(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setAutoFillBackground(true);
    hide();
}

void Fortschrittsstreifen::zeigen() {
    m_bereiche.clear();
    m_gefuellt = 0;
    show();
    repaint();
    m_letztesZeichnen.start();
}

void Fortschrittsstreifen::bereich(double anteilVon, double anteilBis, std::optional<Farbe> farbe) {
    // Neighbouring slices of one colour are merged, so a pass over 100,000 elements keeps a
    // handful of rectangles.
    if (!m_bereiche.isEmpty() && m_bereiche.back().farbe == farbe && m_bereiche.back().bis >= anteilVon &&
        m_bereiche.back().von <= anteilVon)
        m_bereiche.back().bis = std::max(m_bereiche.back().bis, anteilBis);
    else
        m_bereiche.append({anteilVon, anteilBis, farbe});
    m_gefuellt = std::max(m_gefuellt, anteilBis);
    if (isVisible() && (!m_letztesZeichnen.isValid() || m_letztesZeichnen.elapsed() >= BildDauerMs)) {
        repaint();
        m_letztesZeichnen.restart();
    }
}

void Fortschrittsstreifen::verbergen() { hide(); }

void Fortschrittsstreifen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    for (const Bereich& b : m_bereiche) {
        const QColor farbe = b.farbe ? qtFarbe(*b.farbe) : palette().color(QPalette::WindowText);
        const int x1 = static_cast<int>(b.von * w);
        const int x2 = std::min(w, static_cast<int>(b.bis * w + 0.999));
        if (x2 > x1)
            p.fillRect(QRect(x1, 1, x2 - x1, h - 1), farbe);
    }
}

} // namespace tabulo
