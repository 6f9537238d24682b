#pragma once

#include <QRectF>
#include <vector>

namespace tabulo {

class Arbeitsbereich;

// Moves window a (its 52 fields and its title) to position b; the windows between move one
// place towards a. Nothing happens for a = b or numbers outside 1..8. Returns whether it moved.
bool FensterVerschieben(Arbeitsbereich& ab, int a, int b);

// The tab (1-based) at a point in the tab strip's coordinates, 0 if none. A tab matches from its
// left to its right edge at any height down to its bottom edge; the last match wins.
int TabAnPosition(const std::vector<QRectF>& tabs, double x, double y);

// Which window the main window shows and the state of a tab drag. The tab strip reports its
// events here; the answers say which tab to select and whether the shown window changed.
class Fensterwahl {
public:
    int aktuellesFenster() const { return m_aktuell; }
    int ziehFenster() const { return m_ziehFenster; }

    // A tab was selected, by a click or by the program. True when another window is to be shown.
    bool tabGewaehlt(int tab);

    // Left button pressed on the strip over tab `tab` (0: beside all tabs): a tab drag begins.
    // One begun beside all tabs moves no window.
    void tabGedrueckt(Arbeitsbereich& ab, int tab);

    // Something is dragged over the strip (entering or moving) with the pointer over tab `tab`.
    // Returns the tab to select, 0 for none. A drag from the second vehicle list selects nothing
    // by itself.
    int ziehenUeber(const Arbeitsbereich& ab, int tab) const;

    // A drop on the strip while tab `gewaehlt` is selected. Moves the dragged window there when
    // a tab drag is running. True when the shown window changed.
    bool abgelegt(Arbeitsbereich& ab, int gewaehlt);

    // A tab drag ended, wherever it was dropped.
    void tabZiehenBeendet(Arbeitsbereich& ab);

private:
    int m_aktuell = 1;
    int m_ziehFenster = 0;
    bool m_tabGezogen = false; // from the press on the strip to the end of that drag
};

} // namespace tabulo
