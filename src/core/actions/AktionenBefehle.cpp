#include "core/actions/AktionenBefehle.h"

#include "core/actions/Aktionsliste.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/FremdAenderung.h"
#include "core/common/Schreibweisen.h"
#include "core/undo/Aufzeichnung.h"

#include <QDir>

namespace tabulo {

DateiDialog aktionenLadenDialog() {
    DateiDialog d;
    d.titel = QStringLiteral("Aktionen Laden");
    d.filter = filter::Bin;
    d.filterIndex = 2;
    d.dateiname = AktionDateiName;
    d.mussExistieren = true;
    return d;
}

DateiDialog aktionenSpeichernDialog() {
    DateiDialog d;
    d.titel = QStringLiteral("Aktionen Speichern");
    d.filter = filter::Bin;
    d.filterIndex = 2;
    d.dateiname = AktionDateiName;
    d.speichern = true;
    d.ueberschreibenFragen = true;
    return d;
}

DateiDialog aktionSuchenDialog() {
    DateiDialog d;
    d.titel = QStringLiteral("Aktion Suchen");
    d.filter = filter::Exe;
    d.filterIndex = 2;
    d.mussExistieren = true;
    return d;
}

void AktionenStart(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt) {
    AktionenLaden(ab, standardDateiMelden(ab, rueckfrage, QDir::currentPath(), AktionDateiName), rueckfrage,
                  fortschritt);
    ab.aktionenMenueAktiv = true;
}

void AktionenLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                         const VorDemLaden& vorDemLaden) {
    const auto pfad = dateiDialogZeigen(rueckfrage, aktionenLadenDialog());
    if (!pfad)
        return;
    if (vorDemLaden && !vorDemLaden())
        return;
    Aufzeichnung schritt(ab, QStringLiteral("Aktionen geladen"));
    AktionenLaden(ab, *pfad, rueckfrage, fortschritt);
}

void AktionenSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    const auto pfad = dateiDialogZeigen(rueckfrage, aktionenSpeichernDialog());
    Fortschritt ohneStreifen;
    if (pfad && fremdAenderungKlaeren(ab, rueckfrage, ohneStreifen, DokAktionen, *pfad,
                                      aktionenSpeichernDialog().titel) == Klaerung::Schreiben)
        AktionenSpeichern(ab, *pfad, rueckfrage);
}

void AktionenImportierenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt) {
    const auto pfad = dateiDialogZeigen(rueckfrage, aktionenLadenDialog());
    if (pfad)
        AktionenImportieren(ab, *pfad, rueckfrage, fortschritt);
}

std::optional<QString> AktionSuchen(Rueckfrage& rueckfrage) {
    const auto pfad = dateiDialogZeigen(rueckfrage, aktionSuchenDialog());
    if (!pfad)
        return std::nullopt;
    return QDir::toNativeSeparators(*pfad);
}

} // namespace tabulo
