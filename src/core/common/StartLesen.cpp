#include "core/common/StartLesen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/StartVorlesen.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/StatusDatei.h"
#include "core/overview/FeldInhalt.h"
#include "core/overview/StatusUebersicht.h"

#include <QFileInfo>
#include <optional>

namespace tabulo {

static std::optional<QByteArray> stillLesen(const QString& pfad) {
    if (!QFileInfo(pfad).isFile())
        return std::nullopt;
    return dateiLesen(pfad).daten;
}

static void fahrzeugeUebernehmen(Arbeitsbereich& ab, std::vector<Fahrzeug> neu) {
    ab.fahrzeuge = std::move(neu);
    ab.fahrzeugeGeaendert();
}

int fahrzeugeBeimStartLesen(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt,
                            StartVorlesen* vorgelesen) {
    if (vorgelesen && vorgelesen->pfad() == pfad) {
        if (auto neu = vorgelesen->abholen(fortschritt)) {
            fahrzeugeUebernehmen(ab, std::move(*neu));
            ab.dateiGemerkt(DokFahrzeugliste, pfad, vorgelesen->dateistand());
            return static_cast<int>(ab.fahrzeuge.size());
        }
    }
    // Taken before the records: a change while they are read shows at the next comparison.
    ab.dateiGemerkt(DokFahrzeugliste, pfad, dateistandLesen(pfad));
    const QFileInfo info(pfad);
    if (!info.isFile() || info.size() < FahrzeugSatzLaenge)
        return 0;
    const double laenge = static_cast<double>(info.size());
    auto neu = fahrzeugeBlockweiseLesen(pfad, info.size(), [&](qint64 bytes) {
        const double anteil = double(bytes) / laenge;
        fortschritt.bereich(anteil, anteil, farbe::ReinGruen);
    });
    if (!neu)
        return 0;
    fahrzeugeUebernehmen(ab, std::move(*neu));
    return static_cast<int>(ab.fahrzeuge.size());
}

void statusBeimStartLesen(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt,
                          const StartVorlesen* vorgelesen) {
    const auto daten = stillLesen(pfad);
    ab.dateiGemerkt(DokStatusuebersicht, pfad, daten ? dateistandNach(pfad, *daten) : Dateistand{});
    if (!daten)
        return;
    statusSaetzeEintragen(ab, *daten, &fortschritt, vorgelesen ? vorgelesen->index(ab.fahrzeuge) : nullptr);
    for (int i = static_cast<int>(daten->size() / StatusSatzLaenge); i < AnzahlFelder; ++i)
        feldFreimachen(ab.felder[i]);
    ab.felderGeaendert();
}

} // namespace tabulo
