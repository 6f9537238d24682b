#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <QDir>

namespace tabulo::fuzz {

namespace {

// Two vehicles, the first shown by field 0; the overview and the places are unsaved.
void vorbereiten(Arbeitsbereich& ab) {
    ab.fahrzeuge = {bekannt("6A123456", "RTW 1"), bekannt("6A123457", "NEF")};
    Feld& feld = ab.felder[0];
    feld.feldtyp = FeldFahrzeug;
    feld.kennung = ab.fahrzeuge[0].kennung;
    feld.fahrzeug = ab.fahrzeuge[0].rufname;
    FahrzeuglisteAktualisieren(ab);
    ab.ungespeichert = DokStatusuebersicht | DokOrtskennungen;
}

QByteArray speichernUndLesen(Werkbank& w, const QString& name) {
    const QString pfad = QDir(arbeitsordner()).filePath(name);
    FUZZ_PRUEFEN(FahrzeuglisteSpeichern(w.ab, pfad, w.fortschritt).ok);
    FUZZ_PRUEFEN(!w.ab.istUngespeichert(DokFahrzeugliste));
    const LeseErgebnis gelesen = dateiLesen(pfad);
    FUZZ_PRUEFEN(gelesen.daten.has_value());
    return *gelesen.daten;
}

} // namespace

// A vehicle file of any bytes loads or imports as a whole, or is refused with the list, the
// overview and the flags as they were.
void fahrzeuglisteHarness(QByteArrayView daten) {
    Eingabe eingabe(daten);
    const quint8 wahl = eingabe.byte();
    const QByteArrayView datei = eingabe.rest();
    const QString pfad = dateiAblegen(QStringLiteral("Fahrzeug.BIN"), datei);
    const bool ganz = datei.size() % FahrzeugSatzLaenge == 0;
    const qsizetype saetze = datei.size() / FahrzeugSatzLaenge;

    Werkbank w;
    vorbereiten(w.ab);
    const std::vector<Fahrzeug> vorher = w.ab.fahrzeuge;
    const auto felderVorher = w.ab.felder;
    const quint16 flagsVorher = w.ab.ungespeichert;
    FesteRueckfrage rueckfrage(antwortAus(wahl >> 1));

    const bool import = wahl & 1;
    const bool ok = import ? FahrzeuglisteImportieren(w.ab, rueckfrage, pfad)
                           : FahrzeuglisteLaden(w.ab, rueckfrage, pfad);
    FUZZ_PRUEFEN(ok == ganz);
    if (!ok) {
        FUZZ_PRUEFEN(w.ab.fahrzeuge == vorher && w.ab.felder == felderVorher);
        FUZZ_PRUEFEN(w.ab.ungespeichert == flagsVorher);
        FUZZ_PRUEFEN(rueckfrage.meldungen == 1 && rueckfrage.fragen == 0);
        return;
    }
    FUZZ_PRUEFEN(rueckfrage.meldungen == 0 && rueckfrage.fragen <= (import ? 1 : 0));
    if (import) {
        FUZZ_PRUEFEN(w.ab.istUngespeichert(DokFahrzeugliste));
        const auto n = static_cast<qsizetype>(w.ab.fahrzeuge.size());
        FUZZ_PRUEFEN(n >= static_cast<qsizetype>(vorher.size()) &&
                     n <= static_cast<qsizetype>(vorher.size()) + saetze);
        if (rueckfrage.fragen == 0 || antwortAus(wahl >> 1) != Antwort::Ja) {
            // Nothing known was overwritten: the old rows stand, the overview is untouched.
            FUZZ_PRUEFEN(std::equal(vorher.begin(), vorher.end(), w.ab.fahrzeuge.begin()));
            FUZZ_PRUEFEN(w.ab.felder == felderVorher);
        }
    } else {
        FUZZ_PRUEFEN(w.ab.fahrzeuge == fahrzeugSaetzeLesen(datei));
        FUZZ_PRUEFEN(w.ab.ungespeichert == (flagsVorher & ~DokFahrzeugliste));
        FUZZ_PRUEFEN(rueckfrage.fragen == 0);
    }

    // Saved, loaded and saved again: the same bytes, one record per entry.
    const QByteArray erste = speichernUndLesen(w, QStringLiteral("erste.BIN"));
    FUZZ_PRUEFEN(erste.size() == static_cast<qsizetype>(w.ab.fahrzeuge.size()) * FahrzeugSatzLaenge);
    FUZZ_PRUEFEN(
        FahrzeuglisteLaden(w.ab, rueckfrage, QDir(arbeitsordner()).filePath(QStringLiteral("erste.BIN"))));
    FUZZ_PRUEFEN(speichernUndLesen(w, QStringLiteral("zweite.BIN")) == erste);
}

} // namespace tabulo::fuzz
