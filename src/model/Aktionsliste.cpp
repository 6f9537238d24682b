#include "model/Aktionsliste.h"

#include "files/AktionDatei.h"
#include "files/DateiLesen.h"
#include "files/EinstellungsSpeicher.h"
#include "model/Arbeitsbereich.h"
#include "model/FelderNachziehen.h"
#include "model/Fortschritt.h"
#include "model/Rueckfrage.h"
#include "model/Text.h"

#include <QFileInfo>
#include <QHash>
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
    // A direction other than 0, 1 or blank has no meaning; guessing one would change what the
    // host does, so the file is refused as a whole.
    for (qsizetype k = 0; k < datei.anzahl; ++k) {
        const char zeichen = datei.daten.at(k * AktionSatzLaenge + 9);
        if (richtungAusZeichen(QChar::fromLatin1(zeichen)) < 0) {
            rueckfrage.meldung(TitelLaden,
                               TextUngueltig + QStringLiteral("\n\nSatz %1 enth\u00e4lt die unbekannte "
                                                              "Richtung \"%2\".")
                                                   .arg(k + 1)
                                                   .arg(QString::fromLatin1(&zeichen, 1)));
            return std::nullopt;
        }
    }
    return datei;
}

struct Decoder {
    const Arbeitsbereich& ab;
    // The first vehicle with exactly the record's identifier gives the call name.
    QHash<QString, int> zeilen;

    explicit Decoder(const Arbeitsbereich& ab) : ab(ab), zeilen(ersteFahrzeugZeilen(ab.fahrzeuge)) {}

    // The record's identity and its entry.
    std::pair<QString, Aktion> satz(const GepruefteDatei& datei, qsizetype k) const {
        const AktionSatz s = aktionSatzLesen(QByteArrayView(datei.daten).sliced(k * AktionSatzLaenge));
        Aktion a;
        a.richtungNr = richtungAusZeichen(s.richtung);
        const auto zeile = zeilen.constFind(s.kennung);
        a.rufname =
            zeile == zeilen.cend() ? NichtVorhanden : ab.fahrzeuge[static_cast<size_t>(*zeile)].rufname;
        a.status = QString(s.status);
        a.richtung = ab.richtungsname[a.richtungNr];
        a.aktion = s.aktion;
        a.kennung = s.kennung;
        return {aktionsIdentitaet(a), std::move(a)};
    }
};

} // namespace

AnzahlAnzeige anzahlAnzeige(qsizetype anzahl) {
    AnzahlAnzeige anzeige{QStringLiteral("Anzahl = ") + zahlText(anzahl), anzahl > 999};
    if (anzeige.rot)
        anzeige.text += QStringLiteral(" (max. 999!)");
    return anzeige;
}

QString aktionsIdentitaet(const Aktion& aktion) {
    QString id = aufBreite(aktion.kennung, 8);
    id += aktion.status.isEmpty() ? QChar(QLatin1Char(' ')) : aktion.status.at(0);
    id += aktion.richtungNr == 0 ? QLatin1Char('0') : QLatin1Char('1');
    return id;
}

LadeErgebnis AktionenLaden(Arbeitsbereich& ab, const QString& pfad, Rueckfrage& rueckfrage,
                           Fortschritt& fortschritt) {
    bool fehlt = false;
    const auto datei = dateiPruefen(pfad, rueckfrage, fehlt);
    if (!datei && !fehlt)
        return LadeErgebnis::Abgewiesen;
    if (datei) {
        std::vector<Aktion> neu;
        neu.reserve(static_cast<size_t>(datei->anzahl));
        {
            FortschrittsAnzeige anzeige(fortschritt);
            const Decoder decoder(ab);
            for (qsizetype k = 0; k < datei->anzahl; ++k) {
                anzeige.schritt(k, datei->anzahl, farbe::Rot);
                neu.push_back(decoder.satz(*datei, k).second);
            }
        }
        ab.aktionen = std::move(neu);
    }
    ab.freigeben(DokAktionen);
    ab.aktionenGeaendert();
    return fehlt ? LadeErgebnis::DateiFehlt : LadeErgebnis::Geladen;
}

QByteArray aktionenDateiInhalt(const std::vector<Aktion>& aktionen) {
    QByteArray daten;
    daten.reserve(static_cast<qsizetype>(aktionen.size()) * AktionSatzLaenge);
    for (const Aktion& a : aktionen)
        daten.append(aktionSatzSchreiben(a.kennung, a.status, a.richtungNr == 0, a.aktion));
    return daten;
}

SchreibErgebnis aktionenSchreiben(Arbeitsbereich& ab, const QString& pfad) {
    const SchreibErgebnis ergebnis = ab.schreiber().schreiben(pfad, aktionenDateiInhalt(ab.aktionen));
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
    ImportErgebnis ergebnis;
    // The identities of the entries present before the import, kept apart from the vehicle
    // list's KennungsListe. Records are compared with whole identities, never as a substring
    // of a joined text, so one entry's end and the next one's start never make a match.
    QHash<QString, QList<int>> vorhanden;
    vorhanden.reserve(static_cast<qsizetype>(ab.aktionen.size()));
    for (int i = 0; i < static_cast<int>(ab.aktionen.size()); ++i)
        vorhanden[aktionsIdentitaet(ab.aktionen[i])].append(i);

    bool fehlt = false;
    const auto datei = dateiPruefen(pfad, rueckfrage, fehlt);
    if (!datei)
        return ergebnis;
    ergebnis.gelesen = true;

    // Decide first, change afterwards: the question may come up half way, and the list view
    // must not see a list that is half imported while the question is open.
    std::vector<Aktion> anhaengen;
    std::vector<std::pair<int, Aktion>> ueberschreiben;
    {
        FortschrittsAnzeige anzeige(fortschritt);
        const Decoder decoder(ab);
        std::optional<Antwort> antwort;
        for (qsizetype k = 0; k < datei->anzahl; ++k) {
            anzeige.schritt(k, datei->anzahl, farbe::Rot);
            auto [identitaet, aktion] = decoder.satz(*datei, k);
            const auto gleiche = vorhanden.constFind(identitaet);
            if (gleiche == vorhanden.cend()) {
                anhaengen.push_back(std::move(aktion));
                continue;
            }
            if (!antwort)
                antwort = rueckfrage.frage(TitelImport, TextUeberschreiben, Knoepfe::JaNeinAbbrechen,
                                           Symbol::Ausrufezeichen);
            if (*antwort == Antwort::Ja) {
                for (int i : *gleiche)
                    ueberschreiben.emplace_back(i, aktion);
                ++ergebnis.ueberschrieben;
            } else if (*antwort == Antwort::Nein) {
                ++ergebnis.uebersprungen;
            } else {
                ergebnis.abgebrochen = true;
                break;
            }
        }
    }
    for (auto& [i, aktion] : ueberschreiben)
        ab.aktionen[static_cast<size_t>(i)] = std::move(aktion);
    ergebnis.angehaengt = static_cast<int>(anhaengen.size());
    ab.aktionen.insert(ab.aktionen.end(), std::make_move_iterator(anhaengen.begin()),
                       std::make_move_iterator(anhaengen.end()));
    ab.markieren(DokAktionen);
    ab.aktionenGeaendert();
    return ergebnis;
}

int AktionenEntfernen(Arbeitsbereich& ab, const std::vector<bool>& markiert) {
    size_t ziel = 0;
    for (size_t i = 0; i < ab.aktionen.size(); ++i) {
        if (i < markiert.size() && markiert[i])
            continue;
        if (ziel != i)
            ab.aktionen[ziel] = std::move(ab.aktionen[i]);
        ++ziel;
    }
    const int entfernt = static_cast<int>(ab.aktionen.size() - ziel);
    if (entfernt == 0)
        return 0;
    ab.aktionen.resize(ziel);
    ab.markieren(DokAktionen);
    ab.aktionenGeaendert();
    return entfernt;
}

void AlleAktionenLoeschen(Arbeitsbereich& ab) {
    if (ab.aktionen.empty())
        return;
    ab.aktionen.clear();
    ab.markieren(DokAktionen);
    ab.aktionenGeaendert();
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
