#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "core/files/AktionDatei.h"
#include "core/files/Ansi.h"

namespace tabulo::fuzz {

namespace {

void satzZurueck(QByteArrayView satz) {
    const AktionSatz a = aktionSatzLesen(satz);
    FUZZ_PRUEFEN(a.kennung.size() == 8);
    FUZZ_PRUEFEN(textNachAnsi(a.kennung) == satz.first(8));
    FUZZ_PRUEFEN(a.aktion.size() <= AktionTextBreite);
    FUZZ_PRUEFEN(!a.aktion.startsWith(QLatin1Char(' ')) && !a.aktion.endsWith(QLatin1Char(' ')));
    FUZZ_PRUEFEN(a.identitaet().size() == 10);
    const int richtung = richtungAusZeichen(a.richtung);
    FUZZ_PRUEFEN(richtung >= 0 && richtung <= 9);

    const QByteArray zurueck = aktionSatzSchreiben(a.kennung, QString(a.status), richtung, a.aktion);
    FUZZ_PRUEFEN(zurueck.size() == AktionSatzLaenge);
    FUZZ_PRUEFEN(zurueck.first(9) == satz.first(9));
    // A digit comes back as it was; anything else is direction 0.
    FUZZ_PRUEFEN(zurueck[9] == (satz[9] >= '0' && satz[9] <= '9' ? satz[9] : '0'));
    // The command line loses its leading blanks and nothing else.
    const QByteArrayView aktion = satz.sliced(10);
    qsizetype fuehrend = 0;
    while (fuehrend < aktion.size() && aktion[fuehrend] == ' ')
        ++fuehrend;
    FUZZ_PRUEFEN(zurueck.sliced(10, AktionTextBreite - fuehrend) == aktion.sliced(fuehrend));
}

} // namespace

void aktionDateiHarness(QByteArrayView eingabe) {
    for (qsizetype pos = 0; pos + AktionSatzLaenge <= eingabe.size(); pos += AktionSatzLaenge)
        satzZurueck(eingabe.sliced(pos, AktionSatzLaenge));

    // Columns of any length make a whole record.
    Eingabe teile(eingabe);
    const QString kennung = QString::fromUtf8(teile.stueck());
    const QString status = QString::fromUtf8(teile.stueck());
    const QString aktion = QString::fromUtf8(teile.stueck());
    const QByteArray satz = aktionSatzSchreiben(kennung, status, teile.byte() & 1, aktion);
    FUZZ_PRUEFEN(satz.size() == AktionSatzLaenge);
}

} // namespace tabulo::fuzz
