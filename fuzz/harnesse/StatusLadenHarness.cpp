#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/common/StartLesen.h"
#include "core/files/StatusDatei.h"
#include "core/overview/FeldInhalt.h"
#include "core/overview/StatusUebersicht.h"

#include <QDir>

namespace tabulo::fuzz {

namespace {

// The list the vehicle records are looked up in; every field shows "Frei"; the list is unsaved.
void vorbereiten(Arbeitsbereich& ab) {
    ab.fahrzeuge = {bekannt("6A123456", "RTW 1", "2"), bekannt("6A123457", "NEF", "200"),
                    bekannt("6A123456", "doppelt", "7")};
    for (Feld& f : ab.felder)
        feldFreimachen(f);
    ab.ungespeichert = DokFahrzeugliste;
}

// Field i as record i must leave it.
void feldWieSatz(const Arbeitsbereich& ab, const Feld& feld, QByteArrayView satz) {
    const StatusSatz s = statusSatzLesen(satz);
    switch (s.art) {
    case FeldFahrzeug: {
        const auto treffer = std::find_if(ab.fahrzeuge.begin(), ab.fahrzeuge.end(),
                                          [&](const Fahrzeug& f) { return f.kennung == s.kennung; });
        if (treffer == ab.fahrzeuge.end()) {
            FUZZ_PRUEFEN(feld.feldtyp == FeldFrei && feld.text == QStringLiteral("Frei"));
            break;
        }
        FUZZ_PRUEFEN(feld.feldtyp == FeldFahrzeug && feld.kennung == s.kennung && feld.fahrzeug == s.name);
        FUZZ_PRUEFEN(feld.status == treffer->stat && feld.zeit == treffer->zeit && feld.statusSichtbar);
        break;
    }
    case FeldText:
        FUZZ_PRUEFEN(feld.feldtyp == FeldText && feld.text == s.text && !feld.statusSichtbar);
        break;
    case FeldFrei:
        FUZZ_PRUEFEN(feld.feldtyp == FeldFrei && feld.text == QStringLiteral("Frei") && !feld.statusSichtbar);
        break;
    default:
        FUZZ_PRUEFEN(feld.feldtyp == s.art && feld.fremdSatz == s.fremd);
    }
    FUZZ_PRUEFEN(feld.statusFarbe <= 0xFFFFFFu);
}

} // namespace

// An overview file of any bytes: the menu load takes exactly 416 records or changes nothing;
// the start-up reader takes the whole records there are and frees the other fields; the
// start-up reader of the vehicle list takes whole records. Saved and loaded again, an
// overview comes back as it was.
void statusLadenHarness(QByteArrayView daten) {
    Eingabe eingabe(daten);
    const quint8 wahl = eingabe.byte();
    const QByteArrayView datei = eingabe.rest();
    const QString pfad = dateiAblegen(QStringLiteral("status.bin"), datei);

    Werkbank w;
    vorbereiten(w.ab);
    const auto felderVorher = w.ab.felder;

    switch (wahl % 3) {
    case 0: {
        const StatusLadeErgebnis e = StatusLaden(w.ab, pfad, w.fortschritt);
        if (datei.size() != StatusDateiLaenge) {
            FUZZ_PRUEFEN(e.art == StatusLadeErgebnis::FalscheLaenge);
            FUZZ_PRUEFEN(w.ab.felder == felderVorher);
            return;
        }
        FUZZ_PRUEFEN(e.art == StatusLadeErgebnis::Geladen);
        break;
    }
    case 1:
        statusBeimStartLesen(w.ab, pfad, w.fortschritt);
        break;
    default: {
        const std::vector<Fahrzeug> listeVorher = w.ab.fahrzeuge;
        const int n = fahrzeugeBeimStartLesen(w.ab, pfad, w.fortschritt);
        FUZZ_PRUEFEN(n == datei.size() / 408);
        FUZZ_PRUEFEN(n > 0 ? static_cast<int>(w.ab.fahrzeuge.size()) == n : w.ab.fahrzeuge == listeVorher);
        return;
    }
    }
    FUZZ_PRUEFEN(w.ab.ungespeichert == DokFahrzeugliste); // reading the overview marks nothing

    const qsizetype saetze = std::min<qsizetype>(datei.size() / StatusSatzLaenge, AnzahlFelder);
    for (qsizetype i = 0; i < AnzahlFelder; ++i) {
        if (i < saetze)
            feldWieSatz(w.ab, w.ab.felder[i], datei.sliced(i * StatusSatzLaenge, StatusSatzLaenge));
        else
            FUZZ_PRUEFEN(w.ab.felder[i].feldtyp == FeldFrei);
    }

    const QByteArray gespeichert = statusDateiBilden(w.ab);
    FUZZ_PRUEFEN(gespeichert.size() == StatusDateiLaenge);
    const auto felder = w.ab.felder;
    const QString zurueck = dateiAblegen(QStringLiteral("zurueck.bin"), gespeichert);
    FUZZ_PRUEFEN(StatusLaden(w.ab, zurueck, w.fortschritt).art == StatusLadeErgebnis::Geladen);
    for (int i = 0; i < AnzahlFelder; ++i) {
        FUZZ_PRUEFEN(w.ab.felder[i].feldtyp == felder[i].feldtyp &&
                     w.ab.felder[i].kennung == felder[i].kennung);
        FUZZ_PRUEFEN(w.ab.felder[i].text == felder[i].text &&
                     w.ab.felder[i].fremdSatz == felder[i].fremdSatz);
    }
    FUZZ_PRUEFEN(statusDateiBilden(w.ab) == gespeichert);
}

} // namespace tabulo::fuzz
