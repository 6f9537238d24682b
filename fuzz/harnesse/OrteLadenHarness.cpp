#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/files/DateiLesen.h"
#include "core/files/OrteDatei.h"
#include "core/places/OrteLadenSpeichern.h"

#include <QDir>

namespace tabulo::fuzz {

namespace {

QString ortSatz(char bos, const char* loo, const char* name) {
    return QLatin1Char(bos) + QLatin1String(loo) +
           QString::fromLatin1(name).leftJustified(50, QLatin1Char(' '));
}

// One place, valid for BOS 7; the vehicle list and the overview are unsaved.
void vorbereiten(Arbeitsbereich& ab) {
    ab.orte.satzEinfuegen(ortSatz('7', "A23", "Musterstadt"));
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = ab.orte.satzAnzahl();
    ab.ungespeichert = DokFahrzeugliste | DokStatusuebersicht;
}

void tabelleGanz(const Ortstabelle& t) {
    int belegt = 0;
    while (belegt < OrtSlots && !t.text[belegt].isEmpty())
        ++belegt;
    FUZZ_PRUEFEN(belegt <= OrtMaxEintraege);
    FUZZ_PRUEFEN(t.liste.size() == belegt);
    for (int i = belegt; i < OrtSlots; ++i)
        FUZZ_PRUEFEN(t.text[i].isEmpty() && t.maske[i] == 0);
}

} // namespace

// A place file of any bytes loads, imports, reloads or is read at start-up as a whole, or is
// refused with table, count and flags as they were. Start-up takes the whole records of a
// file whose length is not a multiple of 54.
void orteLadenHarness(QByteArrayView daten) {
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
    tabelleGanz(w.ab.orte);
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

} // namespace tabulo::fuzz
