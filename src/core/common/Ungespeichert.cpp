#include "core/common/Ungespeichert.h"

#include "core/actions/Aktionsliste.h"
#include "core/common/AllesSpeichern.h"
#include "core/common/Fortschritt.h"
#include "core/common/FremdAenderung.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Schreibweisen.h"

namespace tabulo {

namespace {
const QString Zeilenende = QStringLiteral("\r\n");

struct Zeile {
    Dokument dokument;
    QString text;
};
// The order of the question's lines, which is not the order of the bits.
const Zeile BeendenZeilen[] = {
    {DokFahrzeugliste, QStringLiteral("- Fahrzeugliste")},
    {DokOrtskennungen, QStringLiteral("- Ortskennungen")},
    {DokStatusuebersicht, QStringLiteral("- Status\u00fcbersicht")},
    {DokAktionen, QStringLiteral("- Aktionen")},
};
} // namespace

QString beendenFrageText(quint16 ungespeichert) {
    QString text = QStringLiteral("Folgende Dateien sind noch nicht gespeichert: ") + Zeilenende;
    for (const Zeile& z : BeendenZeilen)
        if (ungespeichert & z.dokument)
            text += z.text + Zeilenende;
    return text + QStringLiteral("Wollen Sie jetzt Speichern?");
}

bool beendenErlaubt(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt) {
    if (ab.ungespeichert == 0)
        return true;
    switch (rueckfrage.frage(speichertext::BeendenTitel, beendenFrageText(ab.ungespeichert),
                             Knoepfe::JaNeinAbbrechen, Symbol::Keins)) {
    case Antwort::Ja:
        return AllesSpeichern(ab, rueckfrage, fortschritt);
    case Antwort::Nein:
        return true;
    default:
        return false;
    }
}

LadeFrage ladeFrage(Dokument dokument) {
    switch (dokument) {
    case DokFahrzeugliste:
        return {QStringLiteral("Fahrzeugliste Laden"),
                QStringLiteral("Ihre Fahrzeugliste ist noch nicht gespeichert! Wollen Sie jetzt Speichern?")};
    case DokOrtskennungen:
        return {
            QStringLiteral("Ortskennungen Laden"),
            QStringLiteral("Ihre Ortskennungen sind noch nicht gespeichert! Wollen Sie jetzt Speichern?")};
    case DokStatusuebersicht:
        return {QStringLiteral("Status \u00dcbersicht Laden"),
                QStringLiteral("Ihre Daten sind noch nicht gespeichert! Wollen Sie jetzt Speichern?")};
    case DokAktionen:
        return {QStringLiteral("Aktionen Laden"),
                QStringLiteral("Ihre Aktionen sind noch nicht gespeichert! Wollen Sie jetzt Speichern?")};
    }
    return {};
}

bool vorDemLadenFragen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Dokument dokument,
                       const std::function<bool()>& speichern) {
    if (!ab.istUngespeichert(dokument))
        return true;
    const LadeFrage frage = ladeFrage(dokument);
    if (rueckfrage.frage(frage.titel, frage.text, Knoepfe::JaNein, Symbol::Keins) != Antwort::Ja)
        return true;
    return speichern();
}

std::function<bool()> ladenMitAllesSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                             Fortschritt& fortschritt, Dokument dokument) {
    return [&ab, &rueckfrage, &fortschritt, dokument] {
        return vorDemLadenFragen(ab, rueckfrage, dokument,
                                 [&] { return AllesSpeichern(ab, rueckfrage, fortschritt); });
    };
}

std::function<bool()> ladenMitAktionenSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                                const QString& ordner) {
    return [&ab, &rueckfrage, ordner] {
        return vorDemLadenFragen(ab, rueckfrage, DokAktionen, [&] {
            const QString pfad = standardDateiMelden(ab, rueckfrage, ordner, AktionDateiName);
            const QString titel = ladeFrage(DokAktionen).titel;
            // As save-all: a file refused on loading is not written over; the load does not go on.
            if (aktionDateiGeschuetzt(ab, pfad)) {
                aktionDateiGeschuetztMelden(ab, rueckfrage, titel, pfad);
                return false;
            }
            Fortschritt ohneStreifen;
            switch (fremdAenderungKlaeren(ab, rueckfrage, ohneStreifen, DokAktionen, pfad, titel)) {
            case Klaerung::Schreiben:
                return AktionenSpeichern(ab, pfad, rueckfrage);
            case Klaerung::NeuGeladen:
                return true;
            case Klaerung::Abbrechen:
                break;
            }
            return false;
        });
    };
}

} // namespace tabulo
