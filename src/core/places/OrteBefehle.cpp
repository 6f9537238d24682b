#include "core/places/OrteBefehle.h"

#include "core/common/Arbeitsbereich.h"
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

void melden(Rueckfrage& rueckfrage, const QString& pfad, const OrteLeseErgebnis& ergebnis) {
    switch (ergebnis.art) {
    case OrteLesen::Gelesen:
    case OrteLesen::KeineDatei:
        return;
    case OrteLesen::UngueltigeLaenge:
        rueckfrage.meldung(orteText::TitelLaden, orteText::UngueltigeDatei);
        return;
    case OrteLesen::NichtLesbar:
        rueckfrage.meldung(orteText::TitelLaden, leseFehlerText(pfad, ergebnis.grund), Symbol::Fehler);
        return;
    }
}

} // namespace

void OrteLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const VorDemLaden& vorDemLaden) {
    const auto pfad = dateiDialogZeigen(rueckfrage, orteDialog(orteText::TitelLaden, false));
    if (!pfad)
        return;
    if (vorDemLaden && !vorDemLaden())
        return;
    melden(rueckfrage, *pfad, OrteLaden(ab, *pfad));
}

void OrteSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    const auto pfad = dateiDialogZeigen(rueckfrage, orteDialog(orteText::TitelSpeichern, true));
    if (!pfad)
        return;
    const SchreibErgebnis ergebnis = OrteSpeichern(ab, *pfad);
    if (!ergebnis)
        rueckfrage.meldung(orteText::TitelSpeichern, schreibFehlerText(*pfad, ergebnis.fehler),
                           Symbol::Fehler);
}

void OrteUndoBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    // The reload finds the same file; the user hears about several spellings before it.
    const QString pfad = standardDateiMelden(ab, rueckfrage, QDir::currentPath(), orteText::Standarddatei);
    melden(rueckfrage, pfad, OrteNeuLaden(ab));
}

void OrteImportierenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    const auto pfad = dateiDialogZeigen(rueckfrage, orteDialog(orteText::TitelLaden, false));
    if (!pfad)
        return;
    melden(rueckfrage, *pfad, OrteImportieren(ab, *pfad));
}

} // namespace tabulo
