#include "core/vehicles/FahrzeugSortierung.h"

#include "core/common/Arbeitsbereich.h"
#include "core/undo/Aufzeichnung.h"

#include <algorithm>
#include <numeric>

namespace tabulo {

Sortierung nachSpaltenKlick(Sortierung alt, int spalte) {
    Sortierung neu = alt;
    if (alt.aktiv && alt.spalte == spalte)
        neu.absteigend = !alt.absteigend;
    neu.aktiv = true;
    neu.spalte = spalte;
    return neu;
}

int spaltenVergleich(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

std::vector<int> sortierFolge(const std::vector<Fahrzeug>& liste, const std::vector<int>& zeilen,
                              const Sortierung& s) {
    std::vector<int> folge = zeilen;
    const int spalte = std::clamp(s.spalte, 0, Fahrzeug::AnzahlSpalten - 1);
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        const int v = spaltenVergleich(liste[a].spalte(spalte), liste[b].spalte(spalte));
        return s.absteigend ? v > 0 : v < 0;
    });
    return folge;
}

std::vector<int> sortierFolge(const std::vector<Fahrzeug>& liste, const Sortierung& s) {
    std::vector<int> zeilen(liste.size());
    std::iota(zeilen.begin(), zeilen.end(), 0);
    return sortierFolge(liste, zeilen, s);
}

void nachFolgeOrdnen(std::vector<Fahrzeug>& liste, const std::vector<int>& folge) {
    std::vector<Fahrzeug> neu;
    neu.reserve(folge.size());
    for (int alt : folge)
        neu.push_back(std::move(liste[alt]));
    liste = std::move(neu);
}

void sortiertHalten(Arbeitsbereich& ab) {
    if (ab.sortierung.aktiv)
        listeUmordnen(ab, ab.fahrzeuge, sortierFolge(ab.fahrzeuge, ab.sortierung));
}

} // namespace tabulo
