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
    const QFileInfo info(pfad);
    if (!info.isFile() || info.size() < FahrzeugSatzLaenge)
        return 0;
    const double laenge = static_cast<double>(info.size());
    // Read in blocks into a list of its own: a file that cannot be read to its end leaves the
    // vehicle list as it was.
    std::vector<Fahrzeug> neu;
    neu.reserve(static_cast<size_t>(info.size() / FahrzeugSatzLaenge));
    FahrzeugSatzLeser leser(neu);
    const bool ok = saetzeLesen(pfad, FahrzeugSatzLaenge, [&](QByteArrayView satz) {
        leser.anhaengen(satz);
        const double anteil = double(neu.size()) * FahrzeugSatzLaenge / laenge;
        fortschritt.bereich(anteil, anteil, farbe::ReinGruen);
    });
    if (!ok || neu.empty())
        return 0;
    ab.fahrzeuge = std::move(neu);
    ab.fahrzeugeGeaendert();
    return static_cast<int>(ab.fahrzeuge.size());
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
