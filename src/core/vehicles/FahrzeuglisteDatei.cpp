#include "core/vehicles/FahrzeuglisteDatei.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/Rueckfrage.h"
#include "core/common/TextIndex.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/FahrzeugSortierung.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/KennungsSuche.h"

#include <optional>

namespace tabulo {

namespace {

// The whole file, or nothing after the reason was shown to the user.
std::optional<QByteArray> fahrzeugDateiLesen(Rueckfrage& rueckfrage, const QString& pfad,
                                             const QString& titel) {
    LeseErgebnis gelesen = dateiLesen(pfad);
    if (!gelesen.daten) {
        rueckfrage.meldung(titel, leseFehlerText(pfad, gelesen.fehler), Symbol::Fehler);
        return std::nullopt;
    }
    if (!ganzeSaetze(gelesen.daten->size(), FahrzeugSatzLaenge)) {
        rueckfrage.meldung(fahrzeugtext::Laden, fahrzeugtext::UngueltigeDatei);
        return std::nullopt;
    }
    return std::move(gelesen.daten);
}

// Column numbers of the entry.
enum : int { SpRufname = 0, SpStat = 2, SpZeit = 3, SpInfo = 4 };

void fahrzeugInFeld(Feld& feld, const Fahrzeug& f, const FahrzeugSpalten& spalten, const Arbeitsbereich& ab) {
    if (spalten[SpRufname])
        feld.fahrzeug = f.rufname;
    if (spalten[SpStat]) {
        feld.status = f.stat;
        feld.statusFarbe = ab.statusFarbeFuer(f.stat);
    }
    if (spalten[SpZeit])
        feld.zeit = f.zeit;
    if (spalten[SpInfo])
        feld.info = f.info;
}

Fahrzeug mitSpalten(const Fahrzeug& alt, const Fahrzeug& neu, const FahrzeugSpalten& spalten) {
    if (spalten == AlleFahrzeugSpalten)
        return neu;
    Fahrzeug f = alt;
    for (int s = 0; s < Fahrzeug::AnzahlSpalten; ++s)
        if (spalten[s])
            f.spalte(s) = neu.spalte(s);
    return f;
}

} // namespace

FahrzeugDateiInhalt fahrzeuglisteKodieren(const std::vector<Fahrzeug>& liste, const QString& kennungsListe,
                                          const std::function<void(qint64, qint64)>& schritt) {
    FahrzeugDateiInhalt inhalt;
    const KennungsSuche suche(kennungsListe);
    const qint64 n = static_cast<qint64>(liste.size());
    inhalt.bytes.reserve(n * FahrzeugSatzLaenge);
    inhalt.gepolstert.reserve(liste.size());
    for (qint64 k = 0; k < n; ++k) {
        if (schritt)
            schritt(k, n);
        Fahrzeug f = liste[k];
        const bool aufgenommen = suche.enthaelt(f.kennung);
        fahrzeugAuffuellen(f);
        fahrzeugSatzAnhaengen(inhalt.bytes, f, aufgenommen);
        inhalt.gepolstert.push_back(std::move(f));
    }
    return inhalt;
}

bool FahrzeuglisteLaden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& pfad) {
    const auto daten = fahrzeugDateiLesen(rueckfrage, pfad, fahrzeugtext::Laden);
    if (!daten)
        return false;
    Aufzeichnung schritt(ab, QStringLiteral("Fahrzeugliste geladen"));
    listeErsetzen(ab, ab.fahrzeuge, fahrzeugSaetzeLesen(*daten));
    sortiertHalten(ab);
    FahrzeuglisteAktualisieren(ab);
    ab.freigeben(DokFahrzeugliste);
    ab.dateiGelesen(DokFahrzeugliste, pfad, *daten);
    return true;
}

SchreibErgebnis FahrzeuglisteSpeichern(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt) {
    FortschrittsAnzeige anzeige(fortschritt);
    ab.kennungsListe = kennungsListeBilden(ab);
    const Farbe farbe = ab.statusfarbe[2];
    FahrzeugDateiInhalt inhalt = fahrzeuglisteKodieren(
        ab.fahrzeuge, ab.kennungsListe, [&](qint64 k, qint64 n) { anzeige.schritt(k, n, farbe); });
    const SchreibErgebnis ergebnis = ab.dokumentSchreiben(DokFahrzeugliste, pfad, inhalt.bytes);
    if (!ergebnis)
        return ergebnis;
    ab.fahrzeuge = std::move(inhalt.gepolstert);
    ab.freigeben(DokFahrzeugliste);
    // The list shows the padded values; which vehicles are placed is left as the last refresh found.
    ab.fahrzeugeGeaendert();
    return ergebnis;
}

bool FahrzeuglisteImportieren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& pfad) {
    const auto daten = fahrzeugDateiLesen(rueckfrage, pfad, fahrzeugtext::Importieren);
    if (!daten)
        return false;
    fahrzeugeZusammenfuehren(ab, rueckfrage, fahrzeugSaetzeLesen(*daten), AlleFahrzeugSpalten,
                             QStringLiteral("Fahrzeuge importiert"));
    return true;
}

ZusammenfuehrErgebnis fahrzeugeZusammenfuehren(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                               std::vector<Fahrzeug> saetze, const FahrzeugSpalten& spalten,
                                               const QString& name) {
    ZusammenfuehrErgebnis ergebnis;
    Aufzeichnung schritt(ab, name);

    // Present: shown by a field at the last refresh, or in the list before the import began.
    const int vorher = static_cast<int>(ab.fahrzeuge.size());
    QString vorhanden = ab.kennungsListe;
    vorhanden.reserve(vorhanden.size() + static_cast<qsizetype>(vorher) * 9);
    for (const Fahrzeug& f : ab.fahrzeuge) {
        vorhanden += QLatin1Char(' ');
        vorhanden += f.kennung;
    }
    const KennungsSuche suche(std::move(vorhanden));
    // Rows appended by this import are never present, so the rows known before it suffice.
    // Overwriting changes no identifier, neither of a row nor of a field.
    TextIndex zeilen(vorher, [&](int z) { return QStringView(ab.fahrzeuge[z].kennung); });
    for (int z = 0; z < vorher; ++z)
        zeilen.hinzufuegen(z);
    TextIndex felder(AnzahlFelder, [&](int i) { return QStringView(ab.felder[i].kennung); });
    for (int i = 0; i < AnzahlFelder; ++i)
        if (ab.felder[i].feldtyp == FeldFahrzeug)
            felder.hinzufuegen(i);

    std::optional<Antwort> antwort;
    bool felderGeaendert = false;
    const int anzahl = static_cast<int>(saetze.size());
    for (int k = 0; k < anzahl; ++k) {
        Fahrzeug& f = saetze[static_cast<size_t>(k)];
        if (!suche.enthaelt(f.kennung)) {
            ab.fahrzeuge.push_back(std::move(f));
            ++ergebnis.angehaengt;
            continue;
        }
        if (!antwort)
            antwort = rueckfrage.frage(fahrzeugtext::ImportTitel, fahrzeugtext::ImportFrage,
                                       Knoepfe::JaNeinAbbrechen, Symbol::Ausrufezeichen);
        if (*antwort == Antwort::Nein) {
            ++ergebnis.uebersprungen;
            continue;
        }
        if (*antwort != Antwort::Ja) {
            ergebnis.ungelesen = anzahl - k;
            break;
        }
        ++ergebnis.ueberschrieben;
        for (int z = zeilen.erster(f.kennung); z >= 0; z = zeilen.naechster(z))
            zeileErsetzen(ab, ab.fahrzeuge, z, mitSpalten(ab.fahrzeuge[z], f, spalten));
        for (int i = felder.erster(f.kennung); i >= 0; i = felder.naechster(i)) {
            fahrzeugInFeld(ab.felder[i], f, spalten, ab);
            felderGeaendert = true;
        }
    }

    zeilenAngehaengt(ab, ab.fahrzeuge, vorher);
    sortiertHalten(ab);
    if (felderGeaendert) {
        // The fields' names go into the overview file, so the overview has changed too.
        ab.markieren(DokStatusuebersicht);
        ab.felderGeaendert();
    }
    FahrzeuglisteAktualisieren(ab);
    ab.markieren(DokFahrzeugliste);
    return ergebnis;
}

} // namespace tabulo
