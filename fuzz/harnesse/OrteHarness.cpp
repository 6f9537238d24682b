#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/files/OrteDatei.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/places/Ortstabelle.h"

#include <QDir>

namespace tabulo::fuzz {

namespace {

std::array<QString, 16> bosNamen() {
    std::array<QString, 16> namen;
    for (int d = 0; d < 16; ++d)
        namen[d] = QStringLiteral("B%1").arg(d);
    return namen;
}

// A table after a file: filled slots first, slot 200 never used, one list line per entry,
// each entry a whole 54 characters.
void tabellePruefen(const Ortstabelle& t) {
    int belegt = 0;
    while (belegt < OrtSlots && !t.text[belegt].isEmpty())
        ++belegt;
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

void tabelleZurueck(QByteArrayView eingabe) {
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

// One place, valid for BOS 7; the vehicle list and the overview are unsaved.
void vorbereiten(Arbeitsbereich& ab) {
    ab.orte.satzEinfuegen(QLatin1String("7A23") + QStringLiteral("Musterstadt").leftJustified(50));
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = ab.orte.satzAnzahl();
    ab.ungespeichert = DokFahrzeugliste | DokStatusuebersicht;
}

// A place file of any bytes loads, imports, reloads or is read at start-up as a whole, or is
// refused with table, count and flags as they were. Start-up takes the whole records of a
// file whose length is not a multiple of 54.
void laden(QByteArrayView daten) {
    Eingabe eingabe(daten);
    const quint8 wahl = eingabe.byte();
    const QByteArrayView datei = eingabe.rest();
    const bool ganz = datei.size() % OrtSatzLaenge == 0;
    const int saetze = static_cast<int>(datei.size() / OrtSatzLaenge);
    const ImArbeitsordner ordner;
    const QString pfad = dateiAblegen(QStringLiteral("orte.bin"), datei);

    Werkbank w;
    vorbereiten(w.ab);
    const Ortstabelle vorher = w.ab.orte;
    const quint16 flagsVorher = w.ab.ungespeichert;

    OrteLeseErgebnis ergebnis;
    switch (wahl % 4) {
    case 0:
        ergebnis = OrteLaden(w.ab, pfad);
        break;
    case 1:
        ergebnis = OrteImportieren(w.ab, pfad);
        break;
    case 2:
        ergebnis = OrteNeuLaden(w.ab);
        break;
    default:
        ergebnis = OrteStartLesen(w.ab);
        break;
    }
    const bool start = wahl % 4 == 3;
    if (!ganz && !start) {
        FUZZ_PRUEFEN(ergebnis.art == OrteLesen::UngueltigeLaenge);
        FUZZ_PRUEFEN(w.ab.orte == vorher && w.ab.ungespeichert == flagsVorher);
        return;
    }
    FUZZ_PRUEFEN(ergebnis.art == OrteLesen::Gelesen);
    tabellePruefen(w.ab.orte);
    switch (wahl % 4) {
    case 0:
        FUZZ_PRUEFEN(w.ab.ungespeichert == (flagsVorher & ~DokOrtskennungen));
        break;
    case 1:
        FUZZ_PRUEFEN(w.ab.ungespeichert == (flagsVorher | DokOrtskennungen));
        break;
    default:
        FUZZ_PRUEFEN(w.ab.ungespeichert == flagsVorher);
    }
    if (wahl % 4 != 1)
        FUZZ_PRUEFEN(w.ab.orte.anzahl == saetze); // the file's count, dropped records included

    // Saved and loaded again: the same table.
    const QString ziel = QDir(arbeitsordner()).filePath(QStringLiteral("Orte2.BIN"));
    FUZZ_PRUEFEN(OrteSpeichern(w.ab, ziel).ok);
    FUZZ_PRUEFEN(!w.ab.istUngespeichert(DokOrtskennungen));
    const Ortstabelle gespeichert = w.ab.orte;
    FUZZ_PRUEFEN(OrteLaden(w.ab, ziel).art == OrteLesen::Gelesen);
    FUZZ_PRUEFEN(w.ab.orte.text == gespeichert.text && w.ab.orte.maske == gespeichert.maske);
}

} // namespace

// The place file: its records as a table, then the whole file through the load operations.
void orteHarness(QByteArrayView eingabe) {
    tabelleZurueck(eingabe);
    laden(eingabe);
}

} // namespace tabulo::fuzz
