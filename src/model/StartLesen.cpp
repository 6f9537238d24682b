#include "model/StartLesen.h"

#include "files/DateiLesen.h"
#include "files/FahrzeugDatei.h"
#include "files/StatusDatei.h"
#include "model/Arbeitsbereich.h"
#include "model/FeldInhalt.h"
#include "model/Fortschritt.h"
#include "model/StatusUebersicht.h"

#include <QFileInfo>
#include <optional>

namespace tabulo {

static std::optional<QByteArray> stillLesen(const QString& pfad) {
    if (!QFileInfo(pfad).isFile())
        return std::nullopt;
    return dateiLesen(pfad).daten;
}

int fahrzeugeBeimStartLesen(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt) {
    const auto daten = stillLesen(pfad);
    if (!daten || daten->size() < FahrzeugSatzLaenge)
        return 0;
    const double laenge = static_cast<double>(daten->size());
    const int anzahl = static_cast<int>(daten->size() / FahrzeugSatzLaenge);
    ab.fahrzeuge.clear();
    ab.fahrzeuge.reserve(anzahl);
    FahrzeugSatzLeser leser(ab.fahrzeuge);
    for (int k = 0; k < anzahl; ++k) {
        leser.anhaengen(QByteArrayView(*daten).sliced(k * FahrzeugSatzLaenge, FahrzeugSatzLaenge));
        const double anteil = double(k + 1) * FahrzeugSatzLaenge / laenge;
        fortschritt.bereich(anteil, anteil, farbe::ReinGruen);
    }
    ab.fahrzeugeGeaendert();
    return anzahl;
}

void statusBeimStartLesen(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt) {
    const auto daten = stillLesen(pfad);
    if (!daten)
        return;
    statusSaetzeEintragen(ab, *daten, &fortschritt);
    for (int i = static_cast<int>(daten->size() / StatusSatzLaenge); i < AnzahlFelder; ++i)
        feldFreimachen(ab.felder[i]);
    ab.felderGeaendert();
}

} // namespace tabulo
