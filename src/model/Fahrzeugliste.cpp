#include "model/Fahrzeugliste.h"

#include "model/Arbeitsbereich.h"

namespace tabulo {

QString kennungsListeBilden(const Arbeitsbereich& ab) {
    QString liste;
    liste.reserve(AnzahlFelder * 9);
    for (const Feld& f : ab.felder) {
        liste += QLatin1Char(' ');
        liste += f.kennung;
    }
    return liste;
}

void FahrzeuglisteAktualisieren(Arbeitsbereich& ab) {
    ab.kennungsListe = kennungsListeBilden(ab);
    ab.nichtAufgenommen.clear();
    for (int i = 0; i < static_cast<int>(ab.fahrzeuge.size()); ++i)
        if (!ab.kennungsListe.contains(ab.fahrzeuge[i].kennung))
            ab.nichtAufgenommen.push_back(i);
    ab.fahrzeugeGeaendert();
}

} // namespace tabulo
