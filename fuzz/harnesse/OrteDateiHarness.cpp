#include "Harness.h"
#include "Koerper.h"
#include "core/files/OrteDatei.h"
#include "core/places/Ortstabelle.h"

namespace tabulo::fuzz {

namespace {

std::array<QString, 16> bosNamen() {
    std::array<QString, 16> namen;
    for (int d = 0; d < 16; ++d)
        namen[d] = QStringLiteral("B%1").arg(d);
    return namen;
}

int belegteSlots(const Ortstabelle& t) {
    int n = 0;
    while (n < OrtSlots && !t.text[n].isEmpty())
        ++n;
    return n;
}

// The table after a file: filled slots first, slot 200 never used, one list line per entry,
// each entry a whole 54 characters.
void tabellePruefen(const Ortstabelle& t) {
    const int belegt = belegteSlots(t);
    FUZZ_PRUEFEN(belegt <= OrtMaxEintraege);
    FUZZ_PRUEFEN(t.text[OrtMaxEintraege].isEmpty());
    for (int i = 0; i < OrtSlots; ++i) {
        if (i < belegt) {
            FUZZ_PRUEFEN(t.text[i].size() == OrtEintragLaenge);
            FUZZ_PRUEFEN(t.maske[i] != 0 && t.maske[i] <= 0xFFFFu);
        } else {
            FUZZ_PRUEFEN(t.text[i].isEmpty() && t.maske[i] == 0);
        }
    }
    FUZZ_PRUEFEN(t.liste.size() == belegt);
}

Ortstabelle ausDaten(QByteArrayView daten, const std::array<QString, 16>& namen) {
    Ortstabelle t;
    for (const QString& satz : ortSaetzeLesen(daten))
        t.satzEinfuegen(satz);
    t.listeBilden(namen);
    return t;
}

} // namespace

void orteDateiHarness(QByteArrayView eingabe) {
    const auto namen = bosNamen();
    const QStringList saetze = ortSaetzeLesen(eingabe);
    FUZZ_PRUEFEN(saetze.size() == eingabe.size() / OrtSatzLaenge);
    for (const QString& s : saetze)
        FUZZ_PRUEFEN(s.size() == OrtSatzLaenge);

    const Ortstabelle t = ausDaten(eingabe, namen);
    tabellePruefen(t);

    // Saved and read again, the table is the same, and so are its bytes.
    const QByteArray geschrieben = orteSchreiben(t);
    FUZZ_PRUEFEN(geschrieben.size() % OrtSatzLaenge == 0);
    FUZZ_PRUEFEN(geschrieben.size() / OrtSatzLaenge == t.satzAnzahl());
    FUZZ_PRUEFEN(t.satzAnzahl() <= saetze.size());
    const Ortstabelle wieder = ausDaten(geschrieben, namen);
    FUZZ_PRUEFEN(wieder.text == t.text);
    FUZZ_PRUEFEN(wieder.maske == t.maske);
    FUZZ_PRUEFEN(orteSchreiben(wieder) == geschrieben);

    // An import of the same file changes nothing but may add BOS bits it already had.
    Ortstabelle doppelt = t;
    for (const QString& satz : saetze)
        doppelt.satzEinfuegen(satz);
    doppelt.listeBilden(namen);
    FUZZ_PRUEFEN(doppelt.text == t.text && doppelt.maske == t.maske);
}

} // namespace tabulo::fuzz
