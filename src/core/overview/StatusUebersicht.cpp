#include "core/overview/StatusUebersicht.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/Text.h"
#include "core/files/DateiLesen.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/files/StatusDatei.h"
#include "core/overview/FeldInhalt.h"
#include "core/overview/FelderNachziehen.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/Fahrzeugliste.h"

#include <QFileInfo>
#include <algorithm>

namespace tabulo {

namespace {
// Records are drawn from i/415 to (i+1)/415, so the strip is full one record early.
constexpr int FortschrittTeiler = AnzahlFelder - 1;

void satzEintragen(const Arbeitsbereich& ab, const ErsteFahrzeugZeilen& index, Feld& feld,
                   const StatusSatz& satz) {
    switch (satz.art) {
    case FeldFahrzeug: {
        const int treffer = index.erster(satz.kennung);
        if (treffer < 0) {
            // The vehicle is no longer in the list: the field is given up.
            feldFreimachen(feld);
            return;
        }
        const Fahrzeug& f = ab.fahrzeuge[treffer];
        feldMitFahrzeug(ab, feld, satz.name, satz.kennung, f.stat, f.zeit, f.info);
        return;
    }
    case FeldText:
        feldMitText(feld, satz.text);
        return;
    case FeldFrei:
        feldFreimachen(feld);
        return;
    default:
        // A kind this program does not know: it keeps its kind and its bytes and shows the text
        // part, so that nothing stale from an earlier file stands in the field.
        feldMitText(feld, satz.text);
        feld.feldtyp = satz.art;
        feld.fremdSatz = satz.fremd;
        return;
    }
}
} // namespace

static void schritt(Fortschritt* fortschritt, int i, std::optional<Farbe> farbe) {
    if (fortschritt)
        fortschritt->bereich(double(i) / FortschrittTeiler, double(i + 1) / FortschrittTeiler, farbe);
}

void statusSaetzeEintragen(Arbeitsbereich& ab, QByteArrayView daten, Fortschritt* fortschritt,
                           const ErsteFahrzeugZeilen* vorhanden) {
    std::optional<ErsteFahrzeugZeilen> eigener;
    if (!vorhanden)
        eigener.emplace(ersteFahrzeugZeilen(ab.fahrzeuge));
    const ErsteFahrzeugZeilen& index = vorhanden ? *vorhanden : *eigener;
    const int anzahl = static_cast<int>(std::min<qsizetype>(daten.size() / StatusSatzLaenge, AnzahlFelder));
    for (int i = 0; i < anzahl; ++i) {
        schritt(fortschritt, i, std::nullopt);
        satzEintragen(ab, index, ab.felder[i],
                      statusSatzLesen(daten.sliced(i * StatusSatzLaenge, StatusSatzLaenge)));
    }
}

StatusLadeErgebnis StatusLaden(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt) {
    if (!QFileInfo::exists(pfad)) {
        FahrzeuglisteAktualisieren(ab);
        return {StatusLadeErgebnis::KeineDatei, {}};
    }
    const LeseErgebnis gelesen = dateiLesen(pfad);
    if (!gelesen.daten)
        return {StatusLadeErgebnis::Lesefehler, gelesen.fehler};
    if (gelesen.daten->size() != StatusDateiLaenge)
        return {StatusLadeErgebnis::FalscheLaenge, {}};
    Aufzeichnung schritt(ab, QStringLiteral("Status\u00fcbersicht geladen"));
    {
        FortschrittsAnzeige anzeige(fortschritt);
        statusSaetzeEintragen(ab, *gelesen.daten, &fortschritt);
    }
    ab.dateiGelesen(DokStatusuebersicht, pfad, *gelesen.daten);
    ab.felderGeaendert();
    FahrzeuglisteAktualisieren(ab);
    return {};
}

QByteArray statusDateiBilden(const Arbeitsbereich& ab, Fortschritt* fortschritt) {
    QByteArray daten;
    daten.reserve(StatusDateiLaenge);
    for (int i = 0; i < AnzahlFelder; ++i) {
        schritt(fortschritt, i, ab.statusfarbe[4]);
        daten.append(statusSatzSchreiben(ab.felder[i]));
    }
    return daten;
}

void fensterTitelSpeichern(Arbeitsbereich& ab) {
    for (int t = 1; t <= AnzahlFenster; ++t)
        ab.speicher().speichern(anwendung::Velastat, sektion::Fahrzeuguebersicht, zahlText(t),
                                ab.fensterTitel[t - 1]);
}

SchreibErgebnis StatusSpeichern(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt) {
    FortschrittsAnzeige anzeige(fortschritt);
    const SchreibErgebnis ergebnis =
        ab.dokumentSchreiben(DokStatusuebersicht, pfad, statusDateiBilden(ab, &fortschritt));
    if (!ergebnis)
        return ergebnis;
    fensterTitelSpeichern(ab);
    ab.freigeben(DokStatusuebersicht);
    return ergebnis;
}

} // namespace tabulo
