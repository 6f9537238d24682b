#pragma once

#include "model/Fortschritt.h"

#include <QElapsedTimer>
#include <QList>
#include <QWidget>

namespace tabulo {

// The progress strip `StatusBar` of a window: filled slices from left to right. It repaints at
// most once per frame while a pass runs, so the strip does not slow the work it reports on.
class Fortschrittsstreifen : public QWidget, public Fortschritt {
    Q_OBJECT

public:
    explicit Fortschrittsstreifen(QWidget* parent = nullptr);

    void zeigen() override;
    void bereich(double anteilVon, double anteilBis, std::optional<Farbe> farbe) override;
    void verbergen() override;

    // Slices drawn since the strip was last shown (for tests).
    int anzahlBereiche() const { return m_bereiche.size(); }
    double gefuellt() const { return m_gefuellt; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Bereich {
        double von, bis;
        std::optional<Farbe> farbe;
    };
    QList<Bereich> m_bereiche;
    double m_gefuellt = 0;
    QElapsedTimer m_letztesZeichnen;
};

} // namespace tabulo
