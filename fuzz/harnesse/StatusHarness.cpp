#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/common/StartLesen.h"
#include "core/files/Ansi.h"
#include "core/files/StatusDatei.h"
#include "core/overview/FeldInhalt.h"
#include "core/overview/StatusUebersicht.h"

namespace tabulo::fuzz {

namespace {

// Every whole record of the buffer is decoded; a record written back from what was read keeps
// every byte a reader uses, whatever the kind byte says.
void saetzeZurueck(QByteArrayView eingabe) {
    FUZZ_PRUEFEN(textNachAnsi(ansiNachText(eingabe)) == eingabe);

    for (qsizetype pos = 0; pos + StatusSatzLaenge <= eingabe.size(); pos += StatusSatzLaenge) {
        const QByteArrayView satz = eingabe.sliced(pos, StatusSatzLaenge);
        const StatusSatz s = statusSatzLesen(satz);
        FUZZ_PRUEFEN(s.art == static_cast<quint8>(satz[0]));
        FUZZ_PRUEFEN(s.name.size() == 10);
        FUZZ_PRUEFEN(s.kennung.size() == 8);
        FUZZ_PRUEFEN(s.text.size() <= 30);
        FUZZ_PRUEFEN(!s.text.endsWith(QLatin1Char(' ')));
        FUZZ_PRUEFEN(s.fremd.isEmpty() == (s.art <= FeldText));

        Feld f;
        f.feldtyp = s.art;
        f.fahrzeug = s.name;
        f.kennung = s.kennung;
        f.text = s.text;
        f.fremdSatz = s.fremd;
        const QByteArray zurueck = statusSatzSchreiben(f);
        FUZZ_PRUEFEN(zurueck.size() == StatusSatzLaenge);
        FUZZ_PRUEFEN(zurueck[0] == satz[0]);
        FUZZ_PRUEFEN(zurueck[1] == '\0');
        switch (s.art) {
        case FeldFrei:
            FUZZ_PRUEFEN(zurueck.sliced(2) == QByteArray(30, ' ') + "00000000");
            break;
        case FeldFahrzeug:
            FUZZ_PRUEFEN(zurueck.sliced(2, 10) == satz.sliced(2, 10));
            FUZZ_PRUEFEN(zurueck.sliced(12, 20) == QByteArray(20, ' '));
            FUZZ_PRUEFEN(zurueck.sliced(32) == satz.sliced(32));
            break;
        case FeldText:
            FUZZ_PRUEFEN(zurueck.sliced(2, 30) == satz.sliced(2, 30));
            FUZZ_PRUEFEN(zurueck.sliced(32) == "00000000");
            break;
        default:
            FUZZ_PRUEFEN(zurueck.sliced(2) == satz.sliced(2));
        }
    }
}

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

// An overview file of any bytes: the menu load takes exactly 416 records or changes nothing;
// the start-up reader takes the whole records there are and frees the other fields; the
// start-up reader of the vehicle list takes whole records. Saved and loaded again, an
// overview comes back as it was.
void laden(QByteArrayView daten) {
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

} // namespace

// The overview file: its records one by one, then the whole file through the load operations.
void statusHarness(QByteArrayView eingabe) {
    saetzeZurueck(eingabe);
    laden(eingabe);
}

} // namespace tabulo::fuzz
