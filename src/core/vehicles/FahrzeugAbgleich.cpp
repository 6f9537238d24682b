#include "core/vehicles/FahrzeugAbgleich.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <QFileInfo>
#include <QHash>

namespace tabulo {

namespace {
const QString Titel = QStringLiteral("Fahrzeugliste zusammenf\u00fchren");

bool laufzeitdatenUebernehmen(Fahrzeug& f, const Fahrzeug& quelle) {
    const Fahrzeug vorher = f;
    f.stat = quelle.stat;
    f.zeit = quelle.zeit;
    f.folgetelegramm = quelle.folgetelegramm;
    f.datentelegramm = quelle.datentelegramm;
    return !(f == vorher);
}
} // namespace

std::vector<std::pair<int, Fahrzeug>> laufzeitdatenAbgleichen(const std::vector<Fahrzeug>& liste,
                                                              const std::vector<Fahrzeug>& datei) {
    QHash<QString, std::vector<int>> saetze;
    for (int i = 0; i < static_cast<int>(datei.size()); ++i)
        saetze[datei[i].kennung].push_back(i);
    QHash<QString, size_t> gesehen;
    std::vector<std::pair<int, Fahrzeug>> neu;
    for (int z = 0; z < static_cast<int>(liste.size()); ++z) {
        const auto it = saetze.constFind(liste[z].kennung);
        if (it == saetze.constEnd())
            continue;
        const size_t n = gesehen[liste[z].kennung]++;
        if (n >= it->size())
            continue;
        Fahrzeug f = liste[z];
        if (laufzeitdatenUebernehmen(f, datei[(*it)[n]]))
            neu.emplace_back(z, std::move(f));
    }
    return neu;
}

bool FahrzeugeZusammenfuehren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& pfad) {
    const LeseErgebnis gelesen = dateiLesen(pfad);
    if (!gelesen.daten) {
        rueckfrage.meldung(Titel, leseFehlerText(pfad, gelesen.fehler), Symbol::Fehler);
        return false;
    }
    if (!ganzeSaetze(gelesen.daten->size(), FahrzeugSatzLaenge)) {
        rueckfrage.meldung(fahrzeugtext::Laden, fahrzeugtext::UngueltigeDatei);
        return false;
    }
    const std::vector<Fahrzeug> datei = fahrzeugSaetzeLesen(*gelesen.daten);
    auto neu = laufzeitdatenAbgleichen(ab.fahrzeuge, datei);
    {
        Aufzeichnung schritt(ab, QStringLiteral("Fahrzeugliste zusammengef\u00fchrt"));
        QHash<QString, const Fahrzeug*> erste;
        for (const Fahrzeug& f : datei)
            if (!erste.contains(f.kennung)) // the first record of an identifier speaks for the fields
                erste.insert(f.kennung, &f);
        bool felder = false;
        for (Feld& feld : ab.felder) {
            const auto it = erste.constFind(feld.kennung);
            if (feld.feldtyp != FeldFahrzeug || it == erste.constEnd())
                continue;
            const Farbe farbe = ab.statusFarbeFuer((*it)->stat);
            if (feld.status == (*it)->stat && feld.zeit == (*it)->zeit && feld.statusFarbe == farbe)
                continue;
            feld.status = (*it)->stat;
            feld.zeit = (*it)->zeit;
            feld.statusFarbe = farbe;
            felder = true;
        }
        for (auto& [zeile, f] : neu)
            zeileErsetzen(ab, ab.fahrzeuge, zeile, std::move(f));
        if (felder) {
            ab.markieren(DokStatusuebersicht);
            ab.felderGeaendert();
        }
        if (!neu.empty()) {
            ab.markieren(DokFahrzeugliste);
            ab.fahrzeugeGeaendert();
            FahrzeuglisteAktualisieren(ab);
        }
    }
    const QString name = QFileInfo(pfad).fileName();
    rueckfrage.meldung(
        Titel, neu.size() == 1 ? QStringLiteral("1 Fahrzeug hat neue Werte aus %1 \u00fcbernommen.").arg(name)
                               : QStringLiteral("%1 Fahrzeuge haben neue Werte aus %2 \u00fcbernommen.")
                                     .arg(neu.size())
                                     .arg(name));
    return true;
}

} // namespace tabulo
