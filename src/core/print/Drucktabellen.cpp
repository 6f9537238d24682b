#include "core/print/Drucktabellen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/vehicles/FahrzeugModelle.h"

#include <memory>

namespace tabulo {

namespace {
constexpr int GedruckteFahrzeugSpalten = 6; // all but Folgetelegramm and Datentelegramm
constexpr double MarkenBreite = 240;
} // namespace

Drucktabelle fahrzeugDrucktabelle(const Arbeitsbereich& ab) {
    Drucktabelle t;
    t.titel = QStringLiteral("Fahrzeugliste");
    QString anzahl = nichtAufgenommenText(ab);
    anzahl.chop(1); // the list's count line ends in a colon
    t.hinweis = QStringLiteral("* = ") + anzahl;
    t.spalten << QString();
    t.breiten = {MarkenBreite, 1764, 1217, 441, 1129, 2540, 2540};
    for (int s = 0; s < GedruckteFahrzeugSpalten; ++s)
        t.spalten << fahrzeugSpaltenTitel(s);
    t.zeilen = static_cast<int>(ab.fahrzeuge.size());
    auto nicht = std::make_shared<std::vector<bool>>(ab.fahrzeuge.size(), false);
    for (const int z : ab.nichtAufgenommen)
        if (z >= 0 && z < t.zeilen)
            (*nicht)[z] = true;
    t.zelle = [&ab, nicht](int z, int s) {
        if (s == 0)
            return (*nicht)[z] ? QStringLiteral("*") : QString();
        return ab.fahrzeuge[z].spalte(s - 1);
    };
    t.markiert = [nicht](int z) { return bool((*nicht)[z]); };
    return t;
}

Drucktabelle orteDrucktabelle(const Arbeitsbereich& ab) {
    Drucktabelle t;
    t.titel = QStringLiteral("Ortskennungen");
    t.spalten = {QStringLiteral("Landeskennung"), QStringLiteral("Ortskennung"), QStringLiteral("Klartext"),
                 QStringLiteral("BOS")};
    t.breiten = {2200, 1200, 4000, 4500};
    // Filled plaetze come first; the first empty one ends them.
    auto plaetze = std::make_shared<std::vector<int>>();
    for (int i = 0; i < OrtSlots && !ab.orte.text[i].isEmpty(); ++i)
        if (bitAnzahl(ab.orte.maske[i]) > 0)
            plaetze->push_back(i);
    t.zeilen = static_cast<int>(plaetze->size());
    t.zelle = [&ab, plaetze](int z, int s) {
        const int slot = (*plaetze)[z];
        const QString& text = ab.orte.text[slot];
        switch (s) {
        case 0: {
            const int land = hexZiffer(text.at(0));
            return text.left(1) + (land >= 0 ? QLatin1Char(' ') + ab.landName[land] : QString());
        }
        case 1:
            return text.mid(1, 2);
        case 2:
            return ohneRandLeerzeichen(text.mid(4));
        default: {
            QStringList namen;
            for (int d = 0; d < 16; ++d)
                if (ab.orte.maske[slot] & (1u << d))
                    namen << ab.bosName[d];
            return namen.join(QStringLiteral(", "));
        }
        }
    };
    return t;
}

Drucktabelle aktionenDrucktabelle(const Arbeitsbereich& ab) {
    Drucktabelle t;
    t.titel = QStringLiteral("Aktionen");
    t.hinweis = QStringLiteral("Anzahl = %1").arg(ab.aktionen.size());
    for (int s = 0; s < Aktion::AnzahlSpalten; ++s)
        t.spalten << aktionSpaltenTitel(s);
    t.breiten = {1764, 847, 1129, 6174, 1217};
    t.zeilen = static_cast<int>(ab.aktionen.size());
    t.zelle = [&ab](int z, int s) { return ab.aktionen[z].spalte(s); };
    return t;
}

} // namespace tabulo
