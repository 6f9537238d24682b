#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "core/common/Text.h"
#include "core/files/Ansi.h"
#include "core/files/FahrzeugDatei.h"

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

} // namespace

void fahrzeugDateiHarness(QByteArrayView eingabe) {
    const std::vector<Fahrzeug> liste = fahrzeugSaetzeLesen(eingabe);
    FUZZ_PRUEFEN(static_cast<qsizetype>(liste.size()) == eingabe.size() / FahrzeugSatzLaenge);
    for (qsizetype pos = 0; pos + FahrzeugSatzLaenge <= eingabe.size(); pos += FahrzeugSatzLaenge)
        satzZurueck(eingabe.sliced(pos, FahrzeugSatzLaenge));

    Eingabe teile(eingabe);
    spaltenSchreiben(teile);
}

} // namespace tabulo::fuzz
