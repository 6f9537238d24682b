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
#include <vector>

namespace tabulo {

namespace {
// Records are drawn from i/415 to (i+1)/415, so the strip is full one record early.
constexpr int FortschrittTeiler = AnzahlFelder - 1;

// The record's vehicle is row `zeile` of the list, -1 for none.
void satzEintragen(const Arbeitsbereich& ab, int zeile, Feld& feld, const StatusSatz& satz) {
    switch (satz.art) {
    case FeldFahrzeug: {
        if (zeile < 0) {
            // The vehicle is no longer in the list: the field is given up.
            feldFreimachen(feld);
            return;
        }
        const Fahrzeug& f = ab.fahrzeuge[static_cast<size_t>(zeile)];
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

// The first vehicle row for each vehicle record, -1 for none. 416 records against thousands of
// vehicles: the records' identifiers are indexed and the list is walked once, instead of indexing
// every vehicle for a few hundred lookups.
std::vector<int> ersteZeilen(const std::vector<Fahrzeug>& fahrzeuge, const std::vector<StatusSatz>& saetze) {
    const int anzahl = static_cast<int>(saetze.size());
    std::vector<int> zeilen(saetze.size(), -1);
    TextIndex index(anzahl, [&](int r) { return QStringView(saetze[static_cast<size_t>(r)].kennung); });
    int offen = 0;
    for (int r = 0; r < anzahl; ++r)
        if (saetze[static_cast<size_t>(r)].art == FeldFahrzeug && index.hinzufuegen(r) == r)
            ++offen;
    for (int z = 0; z < static_cast<int>(fahrzeuge.size()) && offen > 0; ++z) {
        const int r = index.erster(fahrzeuge[static_cast<size_t>(z)].kennung);
        if (r < 0 || zeilen[static_cast<size_t>(r)] >= 0)
            continue;
        for (int n = r; n >= 0; n = index.naechster(n))
            zeilen[static_cast<size_t>(n)] = z;
        --offen;
    }
    return zeilen;
}
} // namespace

static void schritt(Fortschritt* fortschritt, int i, std::optional<Farbe> farbe) {
    if (fortschritt)
        fortschritt->bereich(double(i) / FortschrittTeiler, double(i + 1) / FortschrittTeiler, farbe);
}

void statusSaetzeEintragen(Arbeitsbereich& ab, QByteArrayView daten, Fortschritt* fortschritt,
                           const ErsteFahrzeugZeilen* vorhanden) {
    const int anzahl = static_cast<int>(std::min<qsizetype>(daten.size() / StatusSatzLaenge, AnzahlFelder));
    std::vector<StatusSatz> saetze;
    saetze.reserve(static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i)
        saetze.push_back(statusSatzLesen(daten.sliced(i * StatusSatzLaenge, StatusSatzLaenge)));
    std::vector<int> zeilen;
    if (vorhanden)
        for (const StatusSatz& satz : saetze)
            zeilen.push_back(satz.art == FeldFahrzeug ? vorhanden->erster(satz.kennung) : -1);
    else
        zeilen = ersteZeilen(ab.fahrzeuge, saetze);
    for (int i = 0; i < anzahl; ++i) {
        schritt(fortschritt, i, std::nullopt);
        satzEintragen(ab, zeilen[static_cast<size_t>(i)], ab.felder[i], saetze[static_cast<size_t>(i)]);
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
