#include "core/actions/Aktionsliste.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Text.h"
#include "core/common/TextIndex.h"
#include "core/common/Textblock.h"
#include "core/files/AktionDatei.h"
#include "core/files/Ansi.h"
#include "core/files/DateiLesen.h"
#include "core/files/Dateistand.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/overview/FelderNachziehen.h"
#include "core/undo/Aufzeichnung.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace tabulo {

namespace {

const QString TitelLaden = QStringLiteral("Aktionen Laden");
const QString TitelSpeichern = QStringLiteral("Aktionen Speichern");
const QString TitelImport = QStringLiteral("Aktionen Importieren");
const QString TextUngueltig = QStringLiteral("Keine g\u00fcltige Aktionen-Datei!");
const QString TextUeberschreiben = QStringLiteral(
    "Die zu importierenden Datei enth\u00e4lt Aktionen, die bereits angelegt sind. Sollen diese "
    "existierenden Aktionen von den importierten \u00fcberschrieben werden?");
const QString SchluesselErlaubt = QStringLiteral("AktionErlaubt");

struct GepruefteDatei {
    QByteArray daten;
    qsizetype anzahl = 0;
};

// Reads and checks the whole file before anything changes. Nothing when the file is missing
// (fehlt is set) or was refused (the user has been told).
std::optional<GepruefteDatei> dateiPruefen(const QString& pfad, Rueckfrage& rueckfrage, bool& fehlt) {
    fehlt = !QFileInfo::exists(pfad);
    if (fehlt)
        return std::nullopt;
    LeseErgebnis gelesen = dateiLesen(pfad);
    if (!gelesen.daten) {
        rueckfrage.meldung(TitelLaden, leseFehlerText(pfad, gelesen.fehler));
        return std::nullopt;
    }
    GepruefteDatei datei{std::move(*gelesen.daten), 0};
    if (!ganzeSaetze(datei.daten.size(), AktionSatzLaenge)) {
        rueckfrage.meldung(TitelLaden, TextUngueltig);
        return std::nullopt;
    }
    datei.anzahl = datei.daten.size() / AktionSatzLaenge;
    return datei;
}

// One file, one name: links and relative paths resolved.
QString vollerPfad(const QString& pfad) {
    const QFileInfo info(pfad);
    const QString kanonisch = info.canonicalFilePath();
    return kanonisch.isEmpty() ? info.absoluteFilePath() : kanonisch;
}

// The direction's display name; a digit the host has no name for shows as itself.
QString richtungsText(const Arbeitsbereich& ab, int richtung) {
    return richtung == 0 || richtung == 1 ? ab.richtungsname[static_cast<size_t>(richtung)]
                                          : zahlText(richtung);
}

// The status as a text of one character. The Latin-1 ones point into one static table, each
// ended by a zero as a literal is, and carry no reference count: 100,000 actions copy and free
// them without a locked instruction.
QString statusText(QChar zeichen) {
    static const auto zeichenTabelle = [] {
        std::array<std::array<char16_t, 2>, 256> t{};
        for (int u = 0; u < 256; ++u)
            t[u][0] = char16_t(u);
        return t;
    }();
    if (zeichen.unicode() >= 256)
        return QString(zeichen);
    return QString::fromRawData(reinterpret_cast<const QChar*>(zeichenTabelle[zeichen.unicode()].data()), 1);
}

// An identity (Kennung cut or padded to 8, the status character or a blank, the direction digit)
// held without a string of its own.
struct Identitaet {
    std::array<char16_t, 10> zeichen;
    QStringView ansicht() const { return QStringView(zeichen.data(), 10); }

    Identitaet(QStringView kennung, QStringView status, int richtungNr) {
        for (int i = 0; i < 8; ++i)
            zeichen[i] = i < kennung.size() ? kennung[i].unicode() : u' ';
        zeichen[8] = status.isEmpty() ? u' ' : status[0].unicode();
        zeichen[9] = richtungNr >= 0 && richtungNr <= 9 ? char16_t(u'0' + richtungNr) : u'1';
    }
    explicit Identitaet(const Aktion& a) : Identitaet(a.kennung, a.status, a.richtungNr) {}
};

struct Decoder {
    const Arbeitsbereich& ab;
    // The first vehicle with exactly the record's identifier gives the call name.
    ErsteFahrzeugZeilen zeilen;
    // The command texts of one load share their allocations.
    Textblock texte;

    // Files mostly list a vehicle's actions one after another: a record with the previous
    // record's identifier bytes takes its row and identifier without a lookup.
    std::uint64_t letzteBytes = 0;
    int letzteZeile = -1;
    QString letzteKennung;

    explicit Decoder(const Arbeitsbereich& ab) : ab(ab), zeilen(ersteFahrzeugZeilen(ab.fahrzeuge)) {}

    Aktion satz(QByteArrayView satz) {
        Aktion a;
        a.richtungNr = richtungAusZeichen(ansiNachZeichen(satz[9]));
        std::uint64_t bytes;
        std::memcpy(&bytes, satz.data(), 8);
        if (letzteKennung.isNull() || bytes != letzteBytes)
            nachschlagen(satz, bytes);
        a.rufname =
            letzteZeile >= 0 ? ab.fahrzeuge[static_cast<size_t>(letzteZeile)].rufname : NichtVorhanden;
        a.kennung = letzteKennung;
        a.status = statusText(ansiNachZeichen(satz[8]));
        a.richtung = richtungsText(ab, a.richtungNr);
        a.aktion = aktionTextLesen(satz, texte);
        return a;
    }
    // The identifier is looked up before it becomes a text: most records name a vehicle, whose
    // texts they share.
    void nachschlagen(QByteArrayView satz, std::uint64_t bytes) {
        std::array<char16_t, 8> zeichen;
        for (int i = 0; i < 8; ++i)
            zeichen[i] = ansiNachZeichen(satz[i]).unicode();
        const QStringView kennung(zeichen.data(), 8);
        letzteBytes = bytes;
        letzteZeile = zeilen.erster(kennung);
        letzteKennung =
            letzteZeile >= 0 ? ab.fahrzeuge[static_cast<size_t>(letzteZeile)].kennung : kennung.toString();
    }
    Aktion satz(const GepruefteDatei& datei, qsizetype k) {
        return satz(QByteArrayView(datei.daten).sliced(k * AktionSatzLaenge));
    }
};

// The records of a file that reads whole and is what its size said, decoded while it is read
// in blocks: the file's bytes are never in memory all at once. Nothing when anything is out of
// the ordinary; the caller then reads the whole file and says what is wrong.
struct BlockweiseGeladen {
    std::vector<Aktion> aktionen;
    Dateistand stand; // what the file was when read, for the check before it is written over
};

std::optional<BlockweiseGeladen> blockweiseLaden(const Arbeitsbereich& ab, const QString& pfad,
                                                 Fortschritt& fortschritt) {
    const QFileInfo info(pfad);
    if (!info.isFile() || !ganzeSaetze(info.size(), AktionSatzLaenge))
        return std::nullopt;
    const qsizetype anzahl = info.size() / AktionSatzLaenge;
    std::vector<Aktion> neu;
    neu.reserve(static_cast<size_t>(anzahl));
    FortschrittsAnzeige anzeige(fortschritt);
    Decoder decoder(ab);
    // Record k of n, counted from 1, draws from k/n to (k+1)/n: the strip starts one slice in
    // and its last slice lies past the edge.
    Pruefsummenrechner summe;
    const bool gelesen = saetzeLesen(
        pfad, AktionSatzLaenge,
        [&](QByteArrayView satz) {
            const auto k = static_cast<qsizetype>(neu.size());
            if (k < anzahl)
                anzeige.schritt(k + 1, anzahl, farbe::Rot);
            neu.push_back(decoder.satz(satz));
        },
        nullptr, &summe);
    if (!gelesen || static_cast<qsizetype>(neu.size()) != anzahl || QFileInfo(pfad).size() != info.size())
        return std::nullopt;
    return BlockweiseGeladen{std::move(neu), dateistandNach(pfad, info.size(), summe.summe())};
}

} // namespace

AnzahlAnzeige anzahlAnzeige(const Arbeitsbereich& ab) {
    const auto anzahl = static_cast<qsizetype>(ab.aktionen.size());
    AnzahlAnzeige anzeige{QStringLiteral("Anzahl = ") + zahlText(anzahl),
                          ab.aktionenAnzahlWarnen && anzahl > 999};
    if (anzeige.rot)
        anzeige.text += QStringLiteral(" (max. 999!)");
    return anzeige;
}

QString aktionsIdentitaet(const Aktion& aktion) {
    return Identitaet(aktion).ansicht().toString();
}

LadeErgebnis AktionenLaden(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage,
                           Fortschritt& fortschritt) {
    if (auto neu = blockweiseLaden(ab, pfad, fortschritt)) {
        listeErsetzen(ab, ab.aktionen, std::move(neu->aktionen));
        ab.dateiGemerkt(DokAktionen, pfad, neu->stand);
        ab.freigeben(DokAktionen);
        ab.aktionenGeaendert(false);
        return LadeErgebnis::Geladen;
    }
    bool fehlt = false;
    const auto datei = dateiPruefen(pfad, rueckfrage, fehlt);
    if (!datei && !fehlt) {
        ab.abgewieseneAktionDatei = vollerPfad(pfad);
        return LadeErgebnis::Abgewiesen;
    }
    if (datei) {
        std::vector<Aktion> neu;
        neu.reserve(static_cast<size_t>(datei->anzahl));
        {
            FortschrittsAnzeige anzeige(fortschritt);
            Decoder decoder(ab);
            for (qsizetype k = 0; k < datei->anzahl; ++k) {
                anzeige.schritt(k + 1, datei->anzahl, farbe::Rot);
                neu.push_back(decoder.satz(*datei, k));
            }
        }
        listeErsetzen(ab, ab.aktionen, std::move(neu));
        ab.dateiGelesen(DokAktionen, pfad, datei->daten);
    } else {
        ab.dateiGemerkt(DokAktionen, pfad, {});
    }
    ab.freigeben(DokAktionen);
    ab.aktionenGeaendert(false);
    return fehlt ? LadeErgebnis::DateiFehlt : LadeErgebnis::Geladen;
}

QByteArray aktionenDateiInhalt(const std::vector<Aktion>& aktionen) {
    QByteArray daten;
    daten.reserve(static_cast<qsizetype>(aktionen.size()) * AktionSatzLaenge);
    for (const Aktion& a : aktionen)
        aktionSatzAnhaengen(daten, a.kennung, a.status, a.richtungNr, a.aktion);
    return daten;
}

bool aktionDateiGeschuetzt(const Arbeitsbereich& ab, const QString& pfad) {
    return !ab.abgewieseneAktionDatei.isEmpty() && ab.abgewieseneAktionDatei == vollerPfad(pfad);
}

void aktionDateiGeschuetztMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& titel,
                                 const QString& pfad) {
    ab.markieren(DokAktionen);
    rueckfrage.meldung(titel,
                       QStringLiteral("Die Aktionen wurden nicht gespeichert: \"%1\" wurde beim Laden "
                                      "abgewiesen und wird nicht \u00fcberschrieben.\n\nSpeichern Sie die "
                                      "Aktionen \u00fcber \"Speichern...\" / \"Aktionen\".")
                           .arg(QDir::toNativeSeparators(pfad)),
                       Symbol::Ausrufezeichen);
}

SchreibErgebnis aktionenSchreiben(Arbeitsbereich& ab, const QString& pfad) {
    const SchreibErgebnis ergebnis =
        ab.dokumentSchreiben(DokAktionen, pfad, aktionenDateiInhalt(ab.aktionen));
    if (ergebnis)
        ab.freigeben(DokAktionen);
    return ergebnis;
}

bool AktionenSpeichern(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage) {
    const SchreibErgebnis ergebnis = aktionenSchreiben(ab, pfad);
    if (!ergebnis)
        rueckfrage.meldung(TitelSpeichern, schreibFehlerText(pfad, ergebnis.fehler), Symbol::Fehler);
    return ergebnis.ok;
}

ImportErgebnis AktionenImportieren(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage,
                                   Fortschritt& fortschritt) {
    bool fehlt = false;
    const auto datei = dateiPruefen(pfad, rueckfrage, fehlt);
    if (!datei) {
        if (!fehlt)
            ab.abgewieseneAktionDatei = vollerPfad(pfad);
        return {};
    }
    std::vector<Aktion> saetze;
    saetze.reserve(static_cast<size_t>(datei->anzahl));
    {
        FortschrittsAnzeige anzeige(fortschritt);
        Decoder decoder(ab);
        for (qsizetype k = 0; k < datei->anzahl; ++k) {
            anzeige.schritt(k + 1, datei->anzahl, farbe::Rot); // as the load draws
            saetze.push_back(decoder.satz(*datei, k));
        }
    }
    return aktionenZusammenfuehren(ab, rueckfrage, std::move(saetze), QStringLiteral("Aktionen importiert"));
}

void aktionenNachschlagen(const Arbeitsbereich& ab, std::vector<Aktion>& aktionen) {
    const ErsteFahrzeugZeilen zeilen = ersteFahrzeugZeilen(ab.fahrzeuge);
    for (Aktion& a : aktionen) {
        const int zeile = zeilen.erster(a.kennung);
        a.rufname = zeile >= 0 ? ab.fahrzeuge[static_cast<size_t>(zeile)].rufname : NichtVorhanden;
        a.richtung = richtungsText(ab, a.richtungNr);
    }
}

ImportErgebnis aktionenZusammenfuehren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, std::vector<Aktion> saetze,
                                       const QString& name) {
    ImportErgebnis ergebnis;
    ergebnis.gelesen = true;
    // The identities of the entries present before the import, kept apart from the vehicle
    // list's KennungsListe. Records are compared with whole identities, never as a substring
    // of a joined text, so one entry's end and the next one's start never make a match.
    const int vorher = static_cast<int>(ab.aktionen.size());
    std::vector<Identitaet> identitaeten;
    identitaeten.reserve(static_cast<size_t>(vorher));
    for (const Aktion& a : ab.aktionen)
        identitaeten.emplace_back(a);
    TextIndex vorhanden(vorher, [&](int i) { return identitaeten[static_cast<size_t>(i)].ansicht(); });
    for (int i = 0; i < vorher; ++i)
        vorhanden.hinzufuegen(i);
    Aufzeichnung schritt(ab, name);

    // Decide first, change afterwards: the question may come up half way, and the list view
    // must not see a list that is half imported while the question is open.
    std::vector<Aktion> anhaengen;
    std::vector<std::pair<int, Aktion>> ueberschreiben;
    std::optional<Antwort> antwort;
    for (Aktion& aktion : saetze) {
        const int erste = vorhanden.erster(Identitaet(aktion).ansicht());
        if (erste < 0) {
            anhaengen.push_back(std::move(aktion));
            continue;
        }
        if (!antwort)
            antwort = rueckfrage.frage(TitelImport, TextUeberschreiben, Knoepfe::JaNeinAbbrechen,
                                       Symbol::Ausrufezeichen);
        if (*antwort == Antwort::Ja) {
            for (int i = erste; i >= 0; i = vorhanden.naechster(i))
                ueberschreiben.emplace_back(i, aktion);
            ++ergebnis.ueberschrieben;
        } else if (*antwort == Antwort::Nein) {
            ++ergebnis.uebersprungen;
        } else {
            ergebnis.abgebrochen = true;
            break;
        }
    }
    for (auto& [i, aktion] : ueberschreiben)
        zeileErsetzen(ab, ab.aktionen, i, std::move(aktion));
    ergebnis.angehaengt = static_cast<int>(anhaengen.size());
    ab.aktionen.insert(ab.aktionen.end(), std::make_move_iterator(anhaengen.begin()),
                       std::make_move_iterator(anhaengen.end()));
    zeilenAngehaengt(ab, ab.aktionen, vorher);
    ab.markieren(DokAktionen);
    ab.aktionenGeaendert(true);
    return ergebnis;
}

int AktionenEntfernen(Arbeitsbereich& ab, const std::vector<bool>& markiert) {
    const size_t vorher = ab.aktionen.size();
    const auto bis = markiert.begin() + static_cast<std::ptrdiff_t>(std::min(vorher, markiert.size()));
    const auto anzahl = std::count(markiert.begin(), bis, true);
    if (anzahl == 0)
        return 0;
    Aufzeichnung schritt(ab, anzahl == 1 ? QStringLiteral("Aktion gel\u00f6scht")
                                         : QStringLiteral("%1 Aktionen gel\u00f6scht").arg(anzahl));
    zeilenEntfernen(ab, ab.aktionen, markiert);
    const int entfernt = static_cast<int>(vorher - ab.aktionen.size());
    ab.markieren(DokAktionen);
    ab.aktionenGeaendert(false);
    return entfernt;
}

void AlleAktionenLoeschen(Arbeitsbereich& ab) {
    if (ab.aktionen.empty())
        return;
    Aufzeichnung schritt(ab, QStringLiteral("Alle Aktionen gel\u00f6scht"));
    listeErsetzen(ab, ab.aktionen, {});
    ab.markieren(DokAktionen);
    ab.aktionenGeaendert(false);
}

bool aktionenErlaubt(const EinstellungsSpeicher& speicher) {
    return fuehrendeGanzzahl(speicher.lesen(anwendung::Velastat, sektion::Einstellungen, SchluesselErlaubt,
                                            QStringLiteral("0"))) != 0;
}

void aktionenErlaubtSpeichern(EinstellungsSpeicher& speicher, bool erlaubt) {
    speicher.speichern(anwendung::Velastat, sektion::Einstellungen, SchluesselErlaubt,
                       erlaubt ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace tabulo
