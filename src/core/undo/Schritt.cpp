#include "core/undo/Schritt.h"

#include "core/overview/StatusUebersicht.h"
#include "core/undo/Rueckgaengig.h"
#include "core/vehicles/Fahrzeugliste.h"

namespace tabulo {

bool Schritt::leer() const {
    return felder.empty() && !titel && !orte && !sortierung && fahrzeuge.leer() && aktionen.leer();
}

quint8 Schritt::listen() const {
    return (fahrzeuge.leer() ? 0 : ListeFahrzeuge) | (aktionen.leer() ? 0 : ListeAktionen);
}

void Schritt::tauschen(Arbeitsbereich& ab, bool rueckgaengig) {
    for (auto& [i, feld] : felder) {
        std::swap(ab.felder[i], feld);
        // The status colours may have been changed since: a vehicle shows its status in today's.
        Feld& jetzt = ab.felder[i];
        if (jetzt.feldtyp == FeldFahrzeug)
            jetzt.statusFarbe = ab.statusFarbeFuer(jetzt.status);
    }
    if (titel) {
        std::swap(ab.fensterTitel, *titel);
        if (titelImSpeicher)
            fensterTitelSpeichern(ab);
    }
    if (orte)
        std::swap(ab.orte, *orte);
    if (sortierung)
        std::swap(ab.sortierung, *sortierung);
    fahrzeuge.tauschen(ab.fahrzeuge, rueckgaengig);
    aktionen.tauschen(ab.aktionen, rueckgaengig);

    if (!felder.empty())
        ab.felderGeaendert();
    if (titel)
        ab.titelGeaendert();
    if (orte)
        ab.orteGeaendert();
    if (!aktionen.leer()) {
        const bool warnen = ab.aktionenAnzahlWarnen;
        ab.aktionenGeaendert(anzahlWarnen);
        anzahlWarnen = warnen;
    }
    if (!felder.empty() || !fahrzeuge.leer() || sortierung)
        FahrzeuglisteAktualisieren(ab);
}

Aufnahme::Aufnahme(const Arbeitsbereich& ab)
    : felder(ab.felder), titel(ab.fensterTitel), orte(ab.orte), sortierung(ab.sortierung),
      anzahlWarnen(ab.aktionenAnzahlWarnen) {}

QString rueckgaengigText(const Verlauf& verlauf) {
    const QString name = verlauf.rueckgaengigName();
    const QString befehl = QStringLiteral("R\u00fcckg\u00e4ngig");
    return name.isEmpty() ? befehl : befehl + QStringLiteral(": ") + name;
}

QString wiederholenText(const Verlauf& verlauf) {
    const QString name = verlauf.wiederholenName();
    const QString befehl = QStringLiteral("Wiederholen");
    return name.isEmpty() ? befehl : befehl + QStringLiteral(": ") + name;
}

static bool ziehen(Arbeitsbereich& ab, bool rueckgaengig) {
    Verlauf& verlauf = ab.verlauf;
    const Verlauf::Zug zug = rueckgaengig ? verlauf.zurueck() : verlauf.vor();
    if (!zug.schritt)
        return false;
    zug.schritt->tauschen(ab, rueckgaengig);
    quint16 flags = ab.ungespeichert;
    for (quint16 bit = 1; bit <= DokAktionen; bit <<= 1)
        if (zug.dokumente & bit)
            flags = verlauf.gespeichert(bit) ? flags & ~bit : flags | bit;
    ab.ungespeichertSetzen(flags);
    return true;
}

bool Rueckgaengig(Arbeitsbereich& ab) {
    return ziehen(ab, true);
}

bool Wiederholen(Arbeitsbereich& ab) {
    return ziehen(ab, false);
}

} // namespace tabulo
