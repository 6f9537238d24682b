#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tabulo {

class Arbeitsbereich;

// A table as it is printed: a heading, the column captions with their widths relative to each
// other, and the cells read on demand, so that 10,000 rows cost no copy.
struct Drucktabelle {
    QString titel;
    QString hinweis; // beside the heading, e.g. what a mark means
    QStringList spalten;
    std::vector<double> breiten; // the list views' column widths in twips
    int zeilen = 0;
    std::function<QString(int zeile, int spalte)> zelle;
    // Rows drawn on a shade; none when empty.
    std::function<bool(int zeile)> markiert;
};

// The vehicle list in list order (sorted as shown), without the two columns kept for the host;
// vehicles no field shows are marked with "*" in a first column of their own.
Drucktabelle fahrzeugDrucktabelle(const Arbeitsbereich& ab);

// One row per place the place file holds (a place without any BOS-Kennung writes no record and
// is left out): Landeskennung with its name, Ortskennung, name and the BOS-Kennungen.
Drucktabelle orteDrucktabelle(const Arbeitsbereich& ab);

// The action list in list order, the five columns of its window.
Drucktabelle aktionenDrucktabelle(const Arbeitsbereich& ab);

} // namespace tabulo
