#include "Harness.h"
#include "Koerper.h"
#include "core/files/Ansi.h"
#include "core/files/StatusDatei.h"

namespace tabulo::fuzz {

// Every whole record of the buffer is decoded; a record written back from what was read keeps
// every byte a reader uses, whatever the kind byte says.
void statusDateiHarness(QByteArrayView eingabe) {
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

} // namespace tabulo::fuzz
