#include "core/vehicles/Zeitstempel.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/overview/FelderNachziehen.h"
#include "core/vehicles/Fahrzeugliste.h"

namespace tabulo {

bool istUhrzeit(QStringView zeit) {
    return zeit.indexOf(QLatin1Char(':'), 1) >= 0;
}

QString zeitstempelAus(const QString& eingabe) {
    return aufBreite(eingabe, breite::Zeit);
}

void ZeitenSetzen(Arbeitsbereich& ab, const QString& eingabe, Fortschritt& fortschritt) {
    const QString t = zeitstempelAus(eingabe);
    for (Fahrzeug& f : ab.fahrzeuge)
        if (istUhrzeit(f.zeit))
            f.zeit = t;
    FahrzeuglisteAktualisieren(ab);
    felderNachziehen(ab, fortschritt, [](Feld& feld, const Fahrzeug& f) { feld.zeit = f.zeit; });
    ab.markieren(DokFahrzeugliste);
}

} // namespace tabulo
