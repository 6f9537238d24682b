#include "core/vehicles/Fahrzeugliste.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/Text.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/KennungsSuche.h"

namespace tabulo {

QString kennungsListeBilden(const Arbeitsbereich& ab) {
    QString liste;
    liste.reserve(AnzahlFelder * 9);
    for (const Feld& f : ab.felder) {
        liste += QLatin1Char(' ');
        liste += f.kennung;
    }
    return liste;
}

void FahrzeuglisteAktualisieren(Arbeitsbereich& ab) {
    ab.kennungsListe = kennungsListeBilden(ab);
    const KennungsSuche suche(ab.kennungsListe);
    ab.nichtAufgenommen.clear();
    for (int i = 0; i < static_cast<int>(ab.fahrzeuge.size()); ++i)
        if (!suche.enthaelt(ab.fahrzeuge[i].kennung))
            ab.nichtAufgenommen.push_back(i);
    ab.fahrzeugeGeaendert();
}

int naechstesFeldMit(const Arbeitsbereich& ab, const QString& kennung, int nach) {
    const QString k = ohneRandLeerzeichen(kennung);
    if (k.isEmpty())
        return -1;
    for (int schritt = 1; schritt <= AnzahlFelder; ++schritt) {
        const int i = ((nach < 0 ? -1 : nach) + schritt) % AnzahlFelder;
        const Feld& f = ab.felder[i];
        if (f.feldtyp == FeldFahrzeug && ohneRandLeerzeichen(f.kennung) == k)
            return i;
    }
    return -1;
}

int fahrzeugZeileMitKennung(const Arbeitsbereich& ab, const QString& kennung) {
    const QString k = ohneRandLeerzeichen(kennung);
    if (k.isEmpty())
        return -1;
    for (int z = 0; z < static_cast<int>(ab.fahrzeuge.size()); ++z)
        if (ohneRandLeerzeichen(ab.fahrzeuge[z].kennung) == k)
            return z;
    return -1;
}

static void feldFreimachen(Feld& f) {
    f.text = QStringLiteral("Frei");
    f.feldtyp = FeldFrei;
    f.statusSichtbar = false;
    f.fahrzeug.clear();
    f.zeit.clear();
    f.info.clear();
    f.kennung.clear();
    f.status.clear();
    f.fremdSatz.clear();
}

void FahrzeugLoeschen(Arbeitsbereich& ab, int zeile, Fortschritt& fortschritt) {
    if (zeile < 0 || zeile >= static_cast<int>(ab.fahrzeuge.size()))
        return;
    Aufzeichnung schritt(ab, fahrzeugName(ab.fahrzeuge[zeile]) + QStringLiteral(" gel\u00f6scht"));
    const QString k = ohneRandLeerzeichen(ab.fahrzeuge[zeile].kennung);
    FortschrittsAnzeige anzeige(fortschritt);
    bool felderGeaendert = false;
    for (int i = 0; i < AnzahlFelder; ++i) {
        anzeige.schritt(i, AnzahlFelder, ab.statusfarbe[4]);
        Feld& f = ab.felder[i];
        // Only vehicle fields show a vehicle: an empty identifier must not free text fields.
        if (f.feldtyp == FeldFahrzeug && ohneRandLeerzeichen(f.kennung) == k) {
            feldFreimachen(f);
            felderGeaendert = true;
        }
    }
    if (felderGeaendert) {
        ab.markieren(DokStatusuebersicht);
        ab.felderGeaendert();
    }
    zeileEntfernen(ab, ab.fahrzeuge, zeile);
    ab.markieren(DokFahrzeugliste);
    FahrzeuglisteAktualisieren(ab);
}

void NichtAufgenommenLoeschen(Arbeitsbereich& ab, int zeile) {
    if (zeile < 0 || zeile >= static_cast<int>(ab.fahrzeuge.size()))
        return;
    Aufzeichnung schritt(ab, fahrzeugName(ab.fahrzeuge[zeile]) + QStringLiteral(" gel\u00f6scht"));
    zeileEntfernen(ab, ab.fahrzeuge, zeile);
    ab.markieren(DokFahrzeugliste);
    FahrzeuglisteAktualisieren(ab);
}

} // namespace tabulo
