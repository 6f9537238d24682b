#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/actions/Aktionsliste.h"
#include "core/files/AktionDatei.h"
#include "core/files/DateiLesen.h"

#include <QDir>

namespace tabulo::fuzz {

namespace {

Aktion vorhanden(const char* kennung, const char* status, int richtung) {
    Aktion a;
    a.kennung = QString::fromLatin1(kennung);
    a.status = QString::fromLatin1(status);
    a.richtungNr = richtung;
    a.aktion = QStringLiteral("alarm.exe");
    return a;
}

void vorbereiten(Arbeitsbereich& ab) {
    Fahrzeug f;
    f.kennung = QStringLiteral("6A123456");
    f.rufname = QStringLiteral("RTW 1");
    ab.fahrzeuge = {f};
    ab.richtungsname = {QStringLiteral("FZ->LST"), QStringLiteral("LST->FZ")};
    ab.aktionen = {vorhanden("6A123456", "3", 0), vorhanden("6A123456", "4", 1)};
    ab.aktionenMenueAktiv = true;
    ab.ungespeichert = DokFahrzeugliste;
}

// Whether the program can take the file: whole records, whatever their bytes.
bool annehmbar(QByteArrayView datei) {
    return datei.size() % AktionSatzLaenge == 0;
}

QByteArray speichernUndLesen(Werkbank& w, const QString& name) {
    const QString pfad = QDir(arbeitsordner()).filePath(name);
    FUZZ_PRUEFEN(aktionenSchreiben(w.ab, pfad).ok);
    FUZZ_PRUEFEN(!w.ab.istUngespeichert(DokAktionen));
    return dateiLesen(pfad).daten.value_or(QByteArray("nicht lesbar"));
}

} // namespace

// An action file of any bytes loads or imports as a whole, or is refused with one message and
// the list and flags as they were. What was taken saves, loads and saves again to the same bytes.
void aktionenLadenHarness(QByteArrayView daten) {
    Eingabe eingabe(daten);
    const quint8 wahl = eingabe.byte();
    const QByteArrayView datei = eingabe.rest();
    const QString pfad = dateiAblegen(QStringLiteral("Aktion.BIN"), datei);
    const bool ok = annehmbar(datei);
    const qsizetype saetze = datei.size() / AktionSatzLaenge;

    Werkbank w;
    vorbereiten(w.ab);
    const std::vector<Aktion> vorher = w.ab.aktionen;
    FesteRueckfrage rueckfrage(antwortAus(wahl >> 1));

    if (wahl & 1) {
        const ImportErgebnis e = AktionenImportieren(w.ab, pfad, rueckfrage, w.fortschritt);
        FUZZ_PRUEFEN(e.gelesen == ok);
        if (!ok) {
            FUZZ_PRUEFEN(w.ab.aktionen == vorher && w.ab.ungespeichert == DokFahrzeugliste);
            FUZZ_PRUEFEN(rueckfrage.meldungen == 1 && rueckfrage.fragen == 0);
            return;
        }
        const auto n = static_cast<qsizetype>(w.ab.aktionen.size());
        FUZZ_PRUEFEN(n == static_cast<qsizetype>(vorher.size()) + e.angehaengt);
        FUZZ_PRUEFEN(e.angehaengt + e.ueberschrieben + e.uebersprungen <= saetze);
        FUZZ_PRUEFEN(rueckfrage.fragen <= 1 && rueckfrage.meldungen == 0);
        FUZZ_PRUEFEN(w.ab.istUngespeichert(DokAktionen));
    } else {
        const LadeErgebnis e = AktionenLaden(w.ab, pfad, rueckfrage, w.fortschritt);
        if (!ok) {
            FUZZ_PRUEFEN(e == LadeErgebnis::Abgewiesen);
            FUZZ_PRUEFEN(w.ab.aktionen == vorher && w.ab.ungespeichert == DokFahrzeugliste);
            FUZZ_PRUEFEN(rueckfrage.meldungen == 1);
            return;
        }
        FUZZ_PRUEFEN(e == LadeErgebnis::Geladen && rueckfrage.meldungen == 0);
        FUZZ_PRUEFEN(static_cast<qsizetype>(w.ab.aktionen.size()) == saetze);
        for (qsizetype k = 0; k < saetze; ++k) {
            const Aktion& a = w.ab.aktionen[static_cast<size_t>(k)];
            FUZZ_PRUEFEN(a.richtung == (a.richtungNr <= 1 ? w.ab.richtungsname[a.richtungNr]
                                                          : QString(QChar(u'0' + a.richtungNr))));
            FUZZ_PRUEFEN(a.rufname ==
                         (a.kennung == QLatin1String("6A123456") ? QStringLiteral("RTW 1") : NichtVorhanden));
        }
    }
    for (const Aktion& a : w.ab.aktionen)
        FUZZ_PRUEFEN(a.richtungNr >= 0 && a.richtungNr <= 9);

    const QByteArray erste = speichernUndLesen(w, QStringLiteral("erste.BIN"));
    FUZZ_PRUEFEN(erste.size() == static_cast<qsizetype>(w.ab.aktionen.size()) * AktionSatzLaenge);
    FUZZ_PRUEFEN(AktionenLaden(w.ab, QDir(arbeitsordner()).filePath(QStringLiteral("erste.BIN")), rueckfrage,
                               w.fortschritt) == LadeErgebnis::Geladen);
    FUZZ_PRUEFEN(speichernUndLesen(w, QStringLiteral("zweite.BIN")) == erste);
}

} // namespace tabulo::fuzz
