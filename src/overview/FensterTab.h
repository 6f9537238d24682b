#pragma once

#include "ui/ZiehSteuerung.h"

#include <QTabBar>
#include <QWidget>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class Fensterwahl;
class TabLeiste;

// The tab strip `FensterTab`: one tab per window, captioned with the window titles, around the
// window frames. A click selects a window; a tab dragged onto another tab moves its window
// there; while anything is dragged over the strip the tab under the pointer is selected.
class FensterTab : public QWidget, public ZiehZiel {
    Q_OBJECT

public:
    FensterTab(Arbeitsbereich& ab, Fensterwahl& wahl, ZiehSteuerung& ziehen, QWidget* parent = nullptr);

    QTabBar& leiste() const;
    int gewaehlterTab() const; // 1..8

    // Selects tab t as a click would.
    void tabWaehlen(int tab);

    // Tabs in the strip's coordinates.
    std::vector<QRectF> tabRechtecke() const;

    void ziehenUeber(const ZiehQuelle& quelle, ZiehZustand zustand, QPoint pos) override;
    void ablegen(const ZiehQuelle& quelle, QPoint pos) override;

    static constexpr int ZeilenHoehe = 21; // pixels from the strip's top to the window frames

signals:
    // The window to show has changed.
    void fensterGewechselt(int fenster);
    // A list drag entered the strip: the overview comes to the front.
    void nachVorn();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    friend class TabLeiste;
    void titelSetzen();
    void gedrueckt(QPoint pos);
    void gezogen(QPoint global);
    void losgelassen(QPoint global);

    Arbeitsbereich& m_ab;
    Fensterwahl& m_wahl;
    ZiehSteuerung& m_ziehen;
    TabLeiste* m_leiste;
};

} // namespace tabulo
