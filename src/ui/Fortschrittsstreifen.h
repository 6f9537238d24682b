#pragma once

#include "core/common/Fortschritt.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace tabulo {

// The progress strip `StatusBar` of a window: filled slices from left to right. It repaints at
// most once per frame while a pass runs, and only when the fill has grown by a pixel column, so
// the strip does not slow the work it reports on.
class Fortschrittsstreifen : public QWidget, public Fortschritt {
    Q_OBJECT

public:
    explicit Fortschrittsstreifen(QWidget* parent = nullptr);

    void zeigen() override;
    void bereich(double anteilVon, double anteilBis, std::optional<Farbe> farbe) override;
    void verbergen() override;

    // Slices kept since the strip was last shown (neighbours of one colour are merged).
    int anzahlBereiche() const { return static_cast<int>(m_bereiche.size()); }
    double gefuellt() const { return m_gefuellt; }

    // Milliseconds of a steady clock; tests put in their own.
    std::function<qint64()> uhr;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Bereich {
        double von, bis;
        std::optional<Farbe> farbe;
    };
    std::vector<Bereich> m_bereiche; // not a QList: appending needs no detach check
    double m_gefuellt = 0;
    qint64 m_letztesZeichnen = 0;
    int m_letzteSpalte = -1;
    QElapsedTimer m_zeit;
};

} // namespace tabulo
