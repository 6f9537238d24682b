#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/actions/Aktionsliste.h"
#include "core/files/AktionDatei.h"
#include "core/files/Ansi.h"
#include "core/files/DateiLesen.h"

#include <QDir>

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

Aktion vorhanden(const char* status, int richtung) {
    Aktion a;
    a.kennung = QStringLiteral("6A123456");
    a.status = QString::fromLatin1(status);
    a.richtungNr = richtung;
    a.aktion = QStringLiteral("alarm.exe");
    return a;
}

void vorbereiten(Arbeitsbereich& ab) {
    ab.fahrzeuge = {bekannt("6A123456", "RTW 1")};
    ab.richtungsname = {QStringLiteral("FZ->LST"), QStringLiteral("LST->FZ")};
    ab.aktionen = {vorhanden("3", 0), vorhanden("4", 1)};
    ab.aktionenMenueAktiv = true;
    ab.ungespeichert = DokFahrzeugliste;
}

QByteArray speichernUndLesen(Werkbank& w, const QString& name) {
    const QString pfad = QDir(arbeitsordner()).filePath(name);
    FUZZ_PRUEFEN(aktionenSchreiben(w.ab, pfad).ok);
    FUZZ_PRUEFEN(!w.ab.istUngespeichert(DokAktionen));
    return dateiLesen(pfad).daten.value_or(QByteArray("nicht lesbar"));
}

// An action file of any bytes loads or imports as a whole (whole records, whatever their
// bytes), or is refused with one message and the list and flags as they were. What was taken
// saves, loads and saves again to the same bytes.
void laden(QByteArrayView daten) {
    Eingabe eingabe(daten);
    const quint8 wahl = eingabe.byte();
    const QByteArrayView datei = eingabe.rest();
    const QString pfad = dateiAblegen(QStringLiteral("Aktion.BIN"), datei);
    const bool ok = datei.size() % AktionSatzLaenge == 0;
    const qsizetype saetze = datei.size() / AktionSatzLaenge;

    Werkbank w;
    vorbereiten(w.ab);
    const std::vector<Aktion> vorher = w.ab.aktionen;
    test::SkriptRueckfrage rueckfrage = antwortet(antwortAus(wahl >> 1));

    if (wahl & 1) {
        const ImportErgebnis e = AktionenImportieren(w.ab, pfad, rueckfrage, w.fortschritt);
        FUZZ_PRUEFEN(e.gelesen == ok);
        if (!ok) {
            FUZZ_PRUEFEN(w.ab.aktionen == vorher && w.ab.ungespeichert == DokFahrzeugliste);
            FUZZ_PRUEFEN(meldungen(rueckfrage) == 1 && fragen(rueckfrage) == 0);
            return;
        }
        const auto n = static_cast<qsizetype>(w.ab.aktionen.size());
        FUZZ_PRUEFEN(n == static_cast<qsizetype>(vorher.size()) + e.angehaengt);
        FUZZ_PRUEFEN(e.angehaengt + e.ueberschrieben + e.uebersprungen <= saetze);
        FUZZ_PRUEFEN(fragen(rueckfrage) <= 1 && meldungen(rueckfrage) == 0);
        FUZZ_PRUEFEN(w.ab.istUngespeichert(DokAktionen));
    } else {
        const LadeErgebnis e = AktionenLaden(w.ab, pfad, rueckfrage, w.fortschritt);
        if (!ok) {
            FUZZ_PRUEFEN(e == LadeErgebnis::Abgewiesen);
            FUZZ_PRUEFEN(w.ab.aktionen == vorher && w.ab.ungespeichert == DokFahrzeugliste);
            FUZZ_PRUEFEN(meldungen(rueckfrage) == 1);
            return;
        }
        FUZZ_PRUEFEN(e == LadeErgebnis::Geladen && meldungen(rueckfrage) == 0);
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

} // namespace

// The action file: its records one by one, columns of any length, then the whole file through
// the load and the import.
void aktionenHarness(QByteArrayView eingabe) {
    for (qsizetype pos = 0; pos + AktionSatzLaenge <= eingabe.size(); pos += AktionSatzLaenge)
        satzZurueck(eingabe.sliced(pos, AktionSatzLaenge));

    // Columns of any length make a whole record.
    Eingabe teile(eingabe);
    const QString kennung = QString::fromUtf8(teile.stueck());
    const QString status = QString::fromUtf8(teile.stueck());
    const QString aktion = QString::fromUtf8(teile.stueck());
    FUZZ_PRUEFEN(aktionSatzSchreiben(kennung, status, teile.byte() & 1, aktion).size() == AktionSatzLaenge);

    laden(eingabe);
}

} // namespace tabulo::fuzz
