#include "core/vehicles/Zeitstempel.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/overview/FelderNachziehen.h"
#include "core/undo/Aufzeichnung.h"
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
    Aufzeichnung schritt(ab, QStringLiteral("Zeiten gesetzt"));
    for (int i = 0; i < static_cast<int>(ab.fahrzeuge.size()); ++i) {
        Fahrzeug& f = ab.fahrzeuge[i];
        if (istUhrzeit(f.zeit) && f.zeit != t) {
            zeileVorAenderung(ab, ab.fahrzeuge, i);
            f.zeit = t;
        }
    }
    FahrzeuglisteAktualisieren(ab);
    felderNachziehen(ab, fortschritt, [](Feld& feld, const Fahrzeug& f) { feld.zeit = f.zeit; });
    ab.markieren(DokFahrzeugliste);
}

} // namespace tabulo
