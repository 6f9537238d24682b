#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/common/Text.h"
#include "core/files/Ansi.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <QDir>

namespace tabulo::fuzz {

namespace {

// A record read and written back: the texts, the status and the time come out byte for byte;
// the two Folgetelegramm bytes only when both are single digits (a value of 10 or more has
// more than one digit in the column, and only its first and last digit are written).
void satzZurueck(QByteArrayView satz) {
    Fahrzeug f = fahrzeugSatzLesen(satz);
    FUZZ_PRUEFEN(f.kennung.size() == breite::Kennung && f.rufname.size() == breite::Rufname);
    FUZZ_PRUEFEN(f.info.size() == breite::Info && f.zeit.size() == breite::Zeit);
    FUZZ_PRUEFEN(f.datentelegramm.size() == breite::Datentelegramm);
    FUZZ_PRUEFEN(f.bemerkung.size() == breite::Bemerkung);
    FUZZ_PRUEFEN(f.stat == zahlText(static_cast<quint8>(satz[38])));

    const Fahrzeug gelesen = f;
    fahrzeugAuffuellen(f);
    FUZZ_PRUEFEN(f == gelesen); // read columns have their full widths already

    const QByteArray zurueck = fahrzeugSatzSchreiben(f, true);
    FUZZ_PRUEFEN(zurueck.size() == FahrzeugSatzLaenge);
    FUZZ_PRUEFEN(zurueck.first(39) == satz.first(39));
    FUZZ_PRUEFEN(zurueck[39] == '\0');
    FUZZ_PRUEFEN(zurueck.sliced(40, 8) == satz.sliced(40, 8));
    FUZZ_PRUEFEN(zurueck.sliced(50, 100) == satz.sliced(50, 100));
    FUZZ_PRUEFEN(zurueck[150] == '\1' && zurueck[151] == '\0');
    FUZZ_PRUEFEN(zurueck.sliced(152) == satz.sliced(152));
    const auto b48 = static_cast<quint8>(satz[48]);
    const auto b49 = static_cast<quint8>(satz[49]);
    if (b48 < 10 && b49 < 10)
        FUZZ_PRUEFEN(zurueck.sliced(48, 2) == satz.sliced(48, 2));
}

// Columns of any content (from the editor, an import, a tool) always give a 408-byte record.
void spaltenSchreiben(Eingabe& eingabe) {
    Fahrzeug f;
    for (int nr = 0; nr < Fahrzeug::AnzahlSpalten; ++nr)
        f.spalte(nr) = QString::fromUtf8(eingabe.stueck());
    FUZZ_PRUEFEN(fahrzeugSatzSchreiben(f, false).size() == FahrzeugSatzLaenge);
    const Fahrzeug vorher = f;
    fahrzeugAuffuellen(f);
    FUZZ_PRUEFEN(f.rufname.startsWith(vorher.rufname) && f.rufname.size() >= breite::Rufname);
    FUZZ_PRUEFEN(f.bemerkung.startsWith(vorher.bemerkung) && f.bemerkung.size() >= breite::Bemerkung);
    const QByteArray satz = fahrzeugSatzSchreiben(f, true);
    FUZZ_PRUEFEN(satz.size() == FahrzeugSatzLaenge);
    FUZZ_PRUEFEN(satz.first(8) == textNachAnsi(f.kennung.left(8)));
}

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

// A vehicle file of any bytes loads or imports as a whole, or is refused with the list, the
// overview and the flags as they were.
void laden(QByteArrayView daten) {
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
    test::SkriptRueckfrage rueckfrage = antwortet(antwortAus(wahl >> 1));

    const bool import = wahl & 1;
    const bool ok = import ? FahrzeuglisteImportieren(w.ab, rueckfrage, pfad)
                           : FahrzeuglisteLaden(w.ab, rueckfrage, pfad);
    FUZZ_PRUEFEN(ok == ganz);
    if (!ok) {
        FUZZ_PRUEFEN(w.ab.fahrzeuge == vorher && w.ab.felder == felderVorher);
        FUZZ_PRUEFEN(w.ab.ungespeichert == flagsVorher);
        FUZZ_PRUEFEN(meldungen(rueckfrage) == 1 && fragen(rueckfrage) == 0);
        return;
    }
    FUZZ_PRUEFEN(meldungen(rueckfrage) == 0 && fragen(rueckfrage) <= (import ? 1 : 0));
    if (import) {
        FUZZ_PRUEFEN(w.ab.istUngespeichert(DokFahrzeugliste));
        const auto n = static_cast<qsizetype>(w.ab.fahrzeuge.size());
        FUZZ_PRUEFEN(n >= static_cast<qsizetype>(vorher.size()) &&
                     n <= static_cast<qsizetype>(vorher.size()) + saetze);
        if (fragen(rueckfrage) == 0 || antwortAus(wahl >> 1) != Antwort::Ja) {
            // Nothing known was overwritten: the old rows stand, the overview is untouched.
            FUZZ_PRUEFEN(std::equal(vorher.begin(), vorher.end(), w.ab.fahrzeuge.begin()));
            FUZZ_PRUEFEN(w.ab.felder == felderVorher);
        }
    } else {
        FUZZ_PRUEFEN(w.ab.fahrzeuge == fahrzeugSaetzeLesen(datei));
        FUZZ_PRUEFEN(w.ab.ungespeichert == (flagsVorher & ~DokFahrzeugliste));
        FUZZ_PRUEFEN(fragen(rueckfrage) == 0);
    }

    // Saved, loaded and saved again: the same bytes, one record per entry.
    const QByteArray erste = speichernUndLesen(w, QStringLiteral("erste.BIN"));
    FUZZ_PRUEFEN(erste.size() == static_cast<qsizetype>(w.ab.fahrzeuge.size()) * FahrzeugSatzLaenge);
    FUZZ_PRUEFEN(
        FahrzeuglisteLaden(w.ab, rueckfrage, QDir(arbeitsordner()).filePath(QStringLiteral("erste.BIN"))));
    FUZZ_PRUEFEN(speichernUndLesen(w, QStringLiteral("zweite.BIN")) == erste);
}

} // namespace

// The vehicle file: its records one by one, columns of any content, then the whole file
// through the load and the import.
void fahrzeugeHarness(QByteArrayView eingabe) {
    const std::vector<Fahrzeug> liste = fahrzeugSaetzeLesen(eingabe);
    FUZZ_PRUEFEN(static_cast<qsizetype>(liste.size()) == eingabe.size() / FahrzeugSatzLaenge);
    for (qsizetype pos = 0; pos + FahrzeugSatzLaenge <= eingabe.size(); pos += FahrzeugSatzLaenge)
        satzZurueck(eingabe.sliced(pos, FahrzeugSatzLaenge));
    Eingabe teile(eingabe);
    spaltenSchreiben(teile);
    laden(eingabe);
}

} // namespace tabulo::fuzz
