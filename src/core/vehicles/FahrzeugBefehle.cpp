#include "core/vehicles/FahrzeugBefehle.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/FremdAenderung.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Schreibweisen.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {

namespace {

const QString Dateiname = QStringLiteral("Fahrzeug.BIN");

DateiDialog fahrzeugDialog(const QString& titel, bool speichern) {
    DateiDialog d;
    d.titel = titel;
    d.filter = filter::Bin;
    d.filterIndex = 2;
    d.dateiname = Dateiname;
    d.speichern = speichern;
    d.mussExistieren = !speichern;
    d.ueberschreibenFragen = speichern;
    return d;
}

} // namespace

void MenueLadenFzg(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const VorDemLaden& vorDemLaden) {
    const auto pfad = dateiDialogZeigen(rueckfrage, fahrzeugDialog(fahrzeugtext::Laden, false));
    if (!pfad)
        return;
    if (vorDemLaden && !vorDemLaden())
        return;
    FahrzeuglisteLaden(ab, rueckfrage, *pfad);
}

void MenueSpeichernFzg(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt) {
    const auto pfad = dateiDialogZeigen(rueckfrage, fahrzeugDialog(fahrzeugtext::Speichern, true));
    if (!pfad || fremdAenderungKlaeren(ab, rueckfrage, fortschritt, DokFahrzeugliste, *pfad,
                                       fahrzeugtext::Speichern) != Klaerung::Schreiben)
        return;
    const SchreibErgebnis ergebnis = FahrzeuglisteSpeichern(ab, *pfad, fortschritt);
    if (!ergebnis)
        rueckfrage.meldung(fahrzeugtext::Speichern, schreibFehlerText(*pfad, ergebnis.fehler),
                           Symbol::Fehler);
}

void FahrzeugImportBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    const auto pfad = dateiDialogZeigen(rueckfrage, fahrzeugDialog(fahrzeugtext::Importieren, false));
    if (!pfad)
        return;
    FahrzeuglisteImportieren(ab, rueckfrage, *pfad);
}

void MenueUndoFahrzeug(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    const QString pfad =
        standardDateiMelden(ab, rueckfrage, QDir::currentPath(), QStringLiteral("Fahrzeug.bin"));
    if (!QFileInfo(pfad).isFile())
        return;
    Aufzeichnung schritt(ab, QStringLiteral("Fahrzeugliste neu geladen"));
    FahrzeuglisteLaden(ab, rueckfrage, pfad);
}

} // namespace tabulo
