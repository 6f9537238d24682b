#include "core/common/FremdAenderung.h"

#include "core/actions/Aktionsliste.h"
#include "core/common/Rueckfrage.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteBefehle.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/FahrzeugAbgleich.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

#include <QFileInfo>

namespace tabulo {

QString fremdAenderungText(const QString& pfad, DateiAenderung art) {
    const QString name = QFileInfo(pfad).fileName();
    switch (art) {
    case DateiAenderung::Geloescht:
        return QStringLiteral("Die Datei %1 wurde seit dem Laden von einem anderen Programm gel\u00f6scht.")
            .arg(name);
    case DateiAenderung::Ordner:
        return QStringLiteral("An der Stelle der Datei %1 steht seit dem Laden ein Ordner. "
                              "Es wurde nichts gespeichert.")
            .arg(name);
    default:
        return QStringLiteral("Die Datei %1 wurde seit dem Laden von einem anderen Programm ge\u00e4ndert.")
            .arg(name);
    }
}

Klaerung fremdAenderungKlaeren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                               Dokument dokument, const QString& pfad, const QString& titel) {
    const auto art = ab.dateien.pruefen(pfad);
    if (!art || *art == DateiAenderung::Unveraendert)
        return Klaerung::Schreiben;
    const QString text = fremdAenderungText(pfad, *art);
    if (*art == DateiAenderung::Ordner) {
        rueckfrage.meldung(titel, text, Symbol::Fehler);
        return Klaerung::Abbrechen;
    }
    const Knoepfe knoepfe = *art == DateiAenderung::Geloescht ? Knoepfe::UeberschreibenAbbrechen
                            : dokument == DokFahrzeugliste
                                ? Knoepfe::UeberschreibenNeuLadenZusammenfuehrenAbbrechen
                                : Knoepfe::UeberschreibenNeuLadenAbbrechen;
    switch (rueckfrage.frage(titel, text, knoepfe, Symbol::Ausrufezeichen)) {
    case Antwort::Ueberschreiben:
        return Klaerung::Schreiben;
    case Antwort::NeuLaden:
        return dokumentNeuLaden(ab, rueckfrage, fortschritt, dokument, pfad) ? Klaerung::NeuGeladen
                                                                             : Klaerung::Abbrechen;
    case Antwort::Zusammenfuehren:
        return FahrzeugeZusammenfuehren(ab, rueckfrage, pfad) ? Klaerung::Schreiben : Klaerung::Abbrechen;
    default:
        return Klaerung::Abbrechen;
    }
}

bool dokumentNeuLaden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt, Dokument dokument,
                      const QString& pfad) {
    Aufzeichnung schritt(ab, QFileInfo(pfad).fileName() + QStringLiteral(" neu geladen"));
    bool geladen = false;
    switch (dokument) {
    case DokFahrzeugliste:
        geladen = FahrzeuglisteLaden(ab, rueckfrage, pfad);
        break;
    case DokStatusuebersicht:
        geladen = statusLadenUndMelden(ab, rueckfrage, fortschritt, pfad);
        break;
    case DokOrtskennungen:
        geladen = orteMelden(rueckfrage, pfad, OrteLaden(ab, pfad));
        break;
    case DokAktionen:
        geladen = AktionenLaden(ab, pfad, rueckfrage, fortschritt) == LadeErgebnis::Geladen;
        break;
    }
    // Loading an overview leaves its flag as it was; here the file is what the user chose to keep.
    if (geladen)
        ab.freigeben(dokument);
    return geladen;
}

} // namespace tabulo
