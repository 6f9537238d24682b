#include "core/common/AllesSpeichern.h"

#include "core/actions/Aktionsliste.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/FremdAenderung.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Schreibweisen.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/OrteDatei.h"
#include "core/overview/StatusUebersicht.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <QDir>
#include <optional>
#include <utility>

namespace tabulo {

namespace {

struct Fehlschlag {
    QString pfad;
    QString grund;
};

// Where the pass writes; no path for a file that is not to be written.
struct Ziele {
    QString status, fahrzeuge, orte, aktionen;
};

std::optional<Fehlschlag> fehlschlag(const QString& pfad, const SchreibErgebnis& ergebnis) {
    if (ergebnis)
        return std::nullopt;
    return Fehlschlag{pfad, ergebnis.fehler};
}

std::optional<Fehlschlag> schreiben(Arbeitsbereich& ab, Dokument dokument, const QString& pfad,
                                    const QByteArray& daten) {
    if (pfad.isEmpty())
        return std::nullopt;
    return fehlschlag(pfad, ab.dokumentSchreiben(dokument, pfad, daten));
}

// Every file another program changed is settled before the first byte is written, so that
// "Abbrechen" leaves all four as they are. A document read again is not written.
bool fremdeAenderungenKlaeren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                              Ziele& ziele) {
    const std::pair<Dokument, QString*> dateien[] = {{DokStatusuebersicht, &ziele.status},
                                                     {DokFahrzeugliste, &ziele.fahrzeuge},
                                                     {DokOrtskennungen, &ziele.orte},
                                                     {DokAktionen, &ziele.aktionen}};
    for (const auto& [dokument, pfad] : dateien) {
        if (pfad->isEmpty())
            continue;
        switch (fremdAenderungKlaeren(ab, rueckfrage, fortschritt, dokument, *pfad,
                                      speichertext::AllesSpeichernTitel)) {
        case Klaerung::Schreiben:
            break;
        case Klaerung::NeuGeladen:
            pfad->clear();
            break;
        case Klaerung::Abbrechen:
            return false;
        }
    }
    return true;
}

// The writing part; the strip is shown around it and a failure is told after it is hidden.
std::optional<Fehlschlag> allesSchreiben(Arbeitsbereich& ab, Fortschritt& fortschritt, const Ziele& ziele) {
    // The vehicle records say which vehicles a field shows: from the fields as they are now.
    ab.kennungsListe = kennungsListeBilden(ab);

    if (!ziele.status.isEmpty()) {
        if (auto f = schreiben(ab, DokStatusuebersicht, ziele.status, statusDateiBilden(ab, &fortschritt)))
            return f;
        // The titles belong to the windows just written: a moved window takes its title along,
        // and without them the host would show the saved windows under their old titles.
        fensterTitelSpeichern(ab);
    }

    if (!ziele.fahrzeuge.isEmpty()) {
        // Vehicle k of n (from 1) draws from k/n to (k+1)/n, so the last slice lies past the edge.
        const Farbe farbe = ab.statusfarbe[2];
        FahrzeugDateiInhalt fahrzeuge =
            fahrzeuglisteKodieren(ab.fahrzeuge, ab.kennungsListe, [&](qint64 k, qint64 n) {
                fortschritt.bereich(double(k + 1) / double(n), double(k + 2) / double(n), farbe);
            });
        if (auto f = schreiben(ab, DokFahrzeugliste, ziele.fahrzeuge, fahrzeuge.bytes))
            return f;
        // The list shows the padded values once they are in the file.
        ab.fahrzeuge = std::move(fahrzeuge.gepolstert);
        ab.fahrzeugeGeaendert();
    }

    if (auto f = schreiben(ab, DokOrtskennungen, ziele.orte, orteSchreiben(ab.orte)))
        return f;

    if (!ziele.aktionen.isEmpty())
        return fehlschlag(ziele.aktionen, aktionenSchreiben(ab, ziele.aktionen));
    return std::nullopt;
}

} // namespace

bool AllesSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt) {
    // The paths first: a note about several spellings of a name comes before the strip.
    Ziele ziele{standardDateiMelden(ab, rueckfrage, ab.startverzeichnis, speichertext::StatusDatei),
                standardDateiMelden(ab, rueckfrage, ab.startverzeichnis, speichertext::FahrzeugDatei),
                standardDateiMelden(ab, rueckfrage, ab.startverzeichnis, speichertext::OrteDatei),
                {}};
    // The actions exist once their window has been opened; they go to the working directory.
    QString geschuetzt;
    if (ab.aktionenMenueAktiv && ab.istUngespeichert(DokAktionen)) {
        ziele.aktionen = standardDateiMelden(ab, rueckfrage, QDir::currentPath(), AktionDateiName);
        if (aktionDateiGeschuetzt(ab, ziele.aktionen))
            geschuetzt = std::exchange(ziele.aktionen, QString());
    }

    if (!fremdeAenderungenKlaeren(ab, rueckfrage, fortschritt, ziele))
        return false;

    std::optional<Fehlschlag> fehlschlag;
    {
        FortschrittsAnzeige anzeige(fortschritt);
        fehlschlag = allesSchreiben(ab, fortschritt, ziele);
    }
    if (fehlschlag) {
        rueckfrage.meldung(speichertext::AllesSpeichernTitel,
                           schreibFehlerText(fehlschlag->pfad, fehlschlag->grund), Symbol::Fehler);
        return false;
    }
    ab.alleFreigeben();
    if (geschuetzt.isEmpty())
        return true;
    aktionDateiGeschuetztMelden(ab, rueckfrage, speichertext::AllesSpeichernTitel, geschuetzt);
    return false;
}

} // namespace tabulo
