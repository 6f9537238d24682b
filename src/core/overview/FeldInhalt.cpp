#include "core/overview/FeldInhalt.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/vehicles/Fahrzeug.h"

namespace tabulo {

static void beschriftungenLeeren(Feld& feld) {
    feld.fahrzeug.clear();
    feld.zeit.clear();
    feld.info.clear();
    feld.kennung.clear();
    feld.status.clear();
    feld.statusSichtbar = false;
    feld.fremdSatz.clear();
}

void feldFreimachen(Feld& feld) {
    beschriftungenLeeren(feld);
    feld.text = QStringLiteral("Frei");
    feld.feldtyp = FeldFrei;
}

void feldMitText(Feld& feld, const QString& text) {
    beschriftungenLeeren(feld);
    feld.text = text;
    feld.feldtyp = FeldText;
}

void feldMitFahrzeug(const Arbeitsbereich& ab, Feld& feld, const QString& name, const QString& kennung,
                     const QString& status, const QString& zeit, const QString& info) {
    feld.fahrzeug = name;
    feld.zeit = zeit;
    feld.info = info;
    feld.kennung = kennung;
    feld.status = status;
    feld.statusFarbe = ab.statusFarbeFuer(status);
    feld.statusSichtbar = true;
    feld.text.clear();
    feld.feldtyp = FeldFahrzeug;
    feld.fremdSatz.clear();
}

void feldMitFahrzeug(const Arbeitsbereich& ab, Feld& feld, const Fahrzeug& f) {
    feldMitFahrzeug(ab, feld, f.rufname, f.kennung, f.stat, f.zeit, f.info);
}

QString feldName(const Feld& feld) {
    switch (feld.feldtyp) {
    case FeldFahrzeug:
        return fahrzeugName(feld.fahrzeug, feld.kennung);
    case FeldFrei:
        return QStringLiteral("Freies Feld");
    default:
        return QStringLiteral("Text ") + ohneRandLeerzeichen(feld.text);
    }
}

void feldUebernehmen(const Arbeitsbereich& ab, Feld& ziel, const Feld& quelle) {
    ziel = quelle;
    ziel.statusFarbe = ab.statusFarbeFuer(ziel.status);
}

} // namespace tabulo
