#include "core/places/OrteLadenSpeichern.h"

#include "core/common/Arbeitsbereich.h"
#include "core/files/DateiLesen.h"
#include "core/files/OrteDatei.h"
#include "core/files/StandardDatei.h"
#include "core/undo/Aufzeichnung.h"

#include <QFileInfo>

namespace tabulo {

namespace {

struct Datei {
    OrteLeseErgebnis ergebnis;
    QByteArray daten;
};

Datei lesen(const QString& pfad, bool laengePruefen) {
    LeseErgebnis gelesen = dateiLesen(pfad);
    if (!gelesen.daten)
        return {{OrteLesen::NichtLesbar, gelesen.fehler}, {}};
    if (laengePruefen && !ganzeSaetze(gelesen.daten->size(), OrtSatzLaenge))
        return {{OrteLesen::UngueltigeLaenge, {}}, {}};
    return {{}, std::move(*gelesen.daten)};
}

void einfuegen(Ortstabelle& orte, const QByteArray& daten) {
    for (const QString& satz : ortSaetzeLesen(daten))
        orte.satzEinfuegen(satz);
}

// The table replaced by the file's places; the count is the file's, not the table's.
void ersetzen(Arbeitsbereich& ab, const QByteArray& daten) {
    ab.orte.leeren();
    einfuegen(ab.orte, daten);
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = static_cast<int>(daten.size() / OrtSatzLaenge);
}

QString standardPfad() {
    return standardDateiImArbeitsordner(orteText::Standarddatei);
}

} // namespace

OrteLeseErgebnis OrteLaden(Arbeitsbereich& ab, const QString& pfad) {
    const Datei datei = lesen(pfad, true);
    if (!datei.ergebnis)
        return datei.ergebnis;
    Aufzeichnung schritt(ab, QStringLiteral("Ortskennungen geladen"));
    ersetzen(ab, datei.daten);
    ab.dateiGelesen(DokOrtskennungen, pfad, datei.daten);
    ab.freigeben(DokOrtskennungen);
    ab.orteGeaendert();
    return {};
}

OrteLeseErgebnis OrteImportieren(Arbeitsbereich& ab, const QString& pfad) {
    const Datei datei = lesen(pfad, true);
    if (!datei.ergebnis)
        return datei.ergebnis;
    Aufzeichnung schritt(ab, QStringLiteral("Ortskennungen importiert"));
    einfuegen(ab.orte, datei.daten);
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = ab.orte.satzAnzahl();
    ab.markieren(DokOrtskennungen);
    ab.orteGeaendert();
    return {};
}

OrteLeseErgebnis OrteNeuLaden(Arbeitsbereich& ab) {
    const QString pfad = standardPfad();
    if (!QFileInfo(pfad).isFile())
        return {OrteLesen::KeineDatei, {}};
    const Datei datei = lesen(pfad, true);
    if (!datei.ergebnis)
        return datei.ergebnis;
    Aufzeichnung schritt(ab, QStringLiteral("Ortskennungen neu geladen"));
    ersetzen(ab, datei.daten);
    ab.dateiGelesen(DokOrtskennungen, pfad, datei.daten);
    ab.orteGeaendert();
    return {};
}

OrteLeseErgebnis OrteStartLesen(Arbeitsbereich& ab) {
    const QString pfad = standardPfad();
    if (!QFileInfo(pfad).isFile()) {
        // A file that appears later is another program's: save-all asks before replacing it.
        ab.dateiGemerkt(DokOrtskennungen, pfad, {});
        return {OrteLesen::KeineDatei, {}};
    }
    const Datei datei = lesen(pfad, false);
    if (!datei.ergebnis)
        return datei.ergebnis;
    ersetzen(ab, datei.daten);
    ab.dateiGelesen(DokOrtskennungen, pfad, datei.daten);
    ab.orteGeaendert();
    return {};
}

SchreibErgebnis OrteSpeichern(Arbeitsbereich& ab, const QString& pfad) {
    const SchreibErgebnis ergebnis = ab.dokumentSchreiben(DokOrtskennungen, pfad, orteSchreiben(ab.orte));
    if (ergebnis)
        ab.freigeben(DokOrtskennungen);
    return ergebnis;
}

} // namespace tabulo
