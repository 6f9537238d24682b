#include "core/vehicles/StatusUmwandlung.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/overview/FelderNachziehen.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/Fahrzeugliste.h"

namespace tabulo {

Statuszuordnung gleicheZuordnung() {
    Statuszuordnung z;
    for (int k = 0; k < AnzahlStatuswerte; ++k)
        z[k] = zahlText(k);
    return z;
}

void StatusWerteUmwandeln(Arbeitsbereich& ab, const Statuszuordnung& neu, Fortschritt& fortschritt) {
    Aufzeichnung schritt(ab, QStringLiteral("Status umgewandelt"));
    for (int i = 0; i < static_cast<int>(ab.fahrzeuge.size()); ++i) {
        Fahrzeug& f = ab.fahrzeuge[i];
        const int s = fuehrendeGanzzahl(f.stat);
        if (s >= 0 && s < AnzahlStatuswerte && f.stat != neu[s]) {
            zeileVorAenderung(ab, ab.fahrzeuge, i);
            f.stat = neu[s];
        }
    }
    FahrzeuglisteAktualisieren(ab);
    felderNachziehen(ab, fortschritt, [&ab](Feld& feld, const Fahrzeug& f) {
        feld.status = f.stat;
        feld.statusFarbe = ab.statusFarbeFuer(f.stat);
    });
    // The new statuses live in the vehicle file only; marking the overview alone would let a
    // save of the overview or a vehicle load drop them without a question.
    ab.markieren(DokStatusuebersicht | DokFahrzeugliste);
}

void statusLabelsEinfaerben(Arbeitsbereich& ab, bool nurFahrzeugfelder) {
    for (Feld& feld : ab.felder)
        if (!nurFahrzeugfelder || feld.feldtyp == FeldFahrzeug)
            feld.statusFarbe = ab.statusFarbeFuer(feld.status);
    ab.felderGeaendert();
}

void StatusfarbeAendern(Arbeitsbereich& ab, int k, Farbe farbe) {
    if (k < 0 || k >= AnzahlStatuswerte)
        return;
    ab.statusfarbe[k] = farbe;
    for (int m = 0; m < AnzahlStatuswerte; ++m)
        ab.speicher().speichern(anwendung::Velastat, sektion::Statusfarben, zahlText(m),
                                zahlText(ab.statusfarbe[m]));
    statusLabelsEinfaerben(ab, false);
}

} // namespace tabulo
