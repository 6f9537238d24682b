#include "core/overview/Fensterwahl.h"

#include "core/common/Arbeitsbereich.h"
#include "core/overview/FeldInhalt.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/Fahrzeugliste.h"

namespace tabulo {

bool FensterVerschieben(Arbeitsbereich& ab, int a, int b) {
    if (a == b || a < 1 || b < 1 || a > AnzahlFenster || b > AnzahlFenster)
        return false;
    Aufzeichnung aufzeichnung(ab, QStringLiteral("Fenster %1 verschoben").arg(a));
    const int schritt = a < b ? 1 : -1;
    for (int k = 0; k < FelderProFenster; ++k) {
        const Feld behalten = ab.felder[erstesFeld(a) + k];
        for (int j = a; j != b; j += schritt)
            feldUebernehmen(ab, ab.felder[erstesFeld(j) + k], ab.felder[erstesFeld(j + schritt) + k]);
        feldUebernehmen(ab, ab.felder[erstesFeld(b) + k], behalten);
    }
    const QString titel = ab.fensterTitel[a - 1];
    for (int j = a; j != b; j += schritt)
        ab.fensterTitel[j - 1] = ab.fensterTitel[j + schritt - 1];
    ab.fensterTitel[b - 1] = titel;

    ab.markieren(DokStatusuebersicht);
    ab.felderGeaendert();
    ab.titelGeaendert();
    FahrzeuglisteAktualisieren(ab);
    return true;
}

int TabAnPosition(const std::vector<QRectF>& tabs, double x, double y) {
    int gefunden = 0;
    for (int t = 0; t < static_cast<int>(tabs.size()); ++t) {
        const QRectF& r = tabs[t];
        if (r.left() <= x && x <= r.left() + r.width() && y <= r.top() + r.height())
            gefunden = t + 1;
    }
    return gefunden;
}

bool Fensterwahl::tabGewaehlt(int tab) {
    // A drag that began beside the tabs keeps no window, whatever tab it passes over.
    if (m_ziehFenster == 0 && !m_tabGezogen)
        m_ziehFenster = tab;
    if (tab == m_aktuell || tab < 1 || tab > AnzahlFenster)
        return false;
    m_aktuell = tab;
    return true;
}

void Fensterwahl::tabGedrueckt(Arbeitsbereich& ab, int tab) {
    // The tab under the pointer is the one being dragged, also for the very first drag.
    m_ziehFenster = tab;
    m_tabGezogen = true;
    ab.tabZiehen = 1;
    ab.feldZiehen = 0;
    ab.listenZiehen = 0;
}

int Fensterwahl::ziehenUeber(const Arbeitsbereich& ab, int tab) const {
    if (ab.feldZiehen == 1 || ab.tabZiehen == 1 || ab.listenZiehen == 1)
        return tab;
    return 0;
}

bool Fensterwahl::abgelegt(Arbeitsbereich& ab, int gewaehlt) {
    if (ab.tabZiehen != 1)
        return false;
    if (gewaehlt != m_ziehFenster)
        FensterVerschieben(ab, m_ziehFenster, gewaehlt);
    m_tabGezogen = false;
    ab.tabZiehen = 0;
    ab.feldZiehen = 0;
    if (gewaehlt == m_aktuell || gewaehlt < 1 || gewaehlt > AnzahlFenster)
        return false;
    m_aktuell = gewaehlt;
    return true;
}

void Fensterwahl::tabZiehenBeendet(Arbeitsbereich& ab) {
    m_tabGezogen = false;
    ab.tabZiehen = 0;
}

} // namespace tabulo
