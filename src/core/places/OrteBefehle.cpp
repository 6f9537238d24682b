#include "core/places/OrteBefehle.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/FremdAenderung.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Schreibweisen.h"
#include "core/files/DateiLesen.h"
#include "core/places/OrteLadenSpeichern.h"

#include <QDir>

namespace tabulo {

namespace {

DateiDialog orteDialog(const QString& titel, bool speichern) {
    DateiDialog d;
    d.titel = titel;
    d.filter = filter::Bin;
    d.filterIndex = 2;
    d.dateiname = orteText::Vorgabename;
    d.speichern = speichern;
    return d;
}

} // namespace

bool orteMelden(Rueckfrage& rueckfrage, const QString& pfad, const OrteLeseErgebnis& ergebnis) {
    switch (ergebnis.art) {
    case OrteLesen::Gelesen:
        return true;
    case OrteLesen::KeineDatei:
        return false;
    case OrteLesen::UngueltigeLaenge:
        rueckfrage.meldung(orteText::TitelLaden, orteText::UngueltigeDatei);
        return false;
    case OrteLesen::NichtLesbar:
        rueckfrage.meldung(orteText::TitelLaden, leseFehlerText(pfad, ergebnis.grund), Symbol::Fehler);
        return false;
    }
    return false;
}

void OrteLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const VorDemLaden& vorDemLaden) {
    const auto pfad = dateiDialogZeigen(rueckfrage, orteDialog(orteText::TitelLaden, false));
    if (!pfad)
        return;
    if (vorDemLaden && !vorDemLaden())
        return;
    orteMelden(rueckfrage, *pfad, OrteLaden(ab, *pfad));
}

void OrteSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    const auto pfad = dateiDialogZeigen(rueckfrage, orteDialog(orteText::TitelSpeichern, true));
    Fortschritt ohneStreifen;
    if (!pfad || fremdAenderungKlaeren(ab, rueckfrage, ohneStreifen, DokOrtskennungen, *pfad,
                                       orteText::TitelSpeichern) != Klaerung::Schreiben)
        return;
    const SchreibErgebnis ergebnis = OrteSpeichern(ab, *pfad);
    if (!ergebnis)
        rueckfrage.meldung(orteText::TitelSpeichern, schreibFehlerText(*pfad, ergebnis.fehler),
                           Symbol::Fehler);
}

void OrteUndoBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    // The reload finds the same file; the user hears about several spellings before it.
    const QString pfad = standardDateiMelden(ab, rueckfrage, QDir::currentPath(), orteText::Standarddatei);
    orteMelden(rueckfrage, pfad, OrteNeuLaden(ab));
}

void OrteImportierenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    const auto pfad = dateiDialogZeigen(rueckfrage, orteDialog(orteText::TitelLaden, false));
    if (!pfad)
        return;
    orteMelden(rueckfrage, *pfad, OrteImportieren(ab, *pfad));
}

} // namespace tabulo
