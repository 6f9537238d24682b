#include "core/overview/StatusBefehle.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/FremdAenderung.h"
#include "core/common/Schreibweisen.h"
#include "core/files/DateiLesen.h"
#include "core/overview/StatusUebersicht.h"
#include "core/undo/Aufzeichnung.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {

DateiDialog statusLadenDialog() {
    DateiDialog d;
    d.titel = statustext::LadenTitel;
    d.filter = filter::Bin;
    d.filterIndex = 2;
    d.dateiname = statustext::Dateiname;
    d.speichern = false;
    d.mussExistieren = true;
    return d;
}

DateiDialog statusSpeichernDialog() {
    DateiDialog d = statusLadenDialog();
    d.titel = statustext::SpeichernTitel;
    d.speichern = true;
    d.mussExistieren = false;
    d.ueberschreibenFragen = true;
    return d;
}

bool statusLadenUndMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                          const QString& pfad) {
    const StatusLadeErgebnis ergebnis = StatusLaden(ab, pfad, fortschritt);
    if (ergebnis.art == StatusLadeErgebnis::FalscheLaenge)
        rueckfrage.meldung(statustext::FehlerTitel, statustext::KeineGueltigeDatei);
    else if (ergebnis.art == StatusLadeErgebnis::Lesefehler)
        rueckfrage.meldung(statustext::FehlerTitel, leseFehlerText(pfad, ergebnis.fehler), Symbol::Fehler);
    return ergebnis.art == StatusLadeErgebnis::Geladen;
}

void statusLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                       const VorDemLaden& vorDemLaden) {
    const auto pfad = dateiDialogZeigen(rueckfrage, statusLadenDialog());
    if (!pfad)
        return;
    if (vorDemLaden && !vorDemLaden())
        return;
    statusLadenUndMelden(ab, rueckfrage, fortschritt, *pfad);
}

void statusSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt) {
    const auto pfad = dateiDialogZeigen(rueckfrage, statusSpeichernDialog());
    if (!pfad || fremdAenderungKlaeren(ab, rueckfrage, fortschritt, DokStatusuebersicht, *pfad,
                                       statustext::SpeichernTitel) != Klaerung::Schreiben)
        return;
    const SchreibErgebnis ergebnis = StatusSpeichern(ab, *pfad, fortschritt);
    if (!ergebnis)
        rueckfrage.meldung(statustext::SpeichernTitel, schreibFehlerText(*pfad, ergebnis.fehler),
                           Symbol::Fehler);
}

void statusNeuLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt) {
    const QString pfad = standardDateiMelden(ab, rueckfrage, QDir::currentPath(), statustext::StartDateiname);
    if (!QFileInfo(pfad).isFile())
        return;
    Aufzeichnung schritt(ab, QStringLiteral("Status\u00fcbersicht neu geladen"));
    statusLadenUndMelden(ab, rueckfrage, fortschritt, pfad);
}

} // namespace tabulo
