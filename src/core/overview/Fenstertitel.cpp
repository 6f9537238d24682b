#include "core/overview/Fenstertitel.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/undo/Aufzeichnung.h"

namespace tabulo {

void TitelSpeichern(Arbeitsbereich& ab, const std::array<QString, AnzahlFenster>& titel) {
    Aufzeichnung schritt(ab, QStringLiteral("Fenstertitel ge\u00e4ndert"));
    schritt.titelImSpeicher();
    for (int w = 1; w <= AnzahlFenster; ++w) {
        ab.fensterTitel[w - 1] = ohneEndLeerzeichen(titel[w - 1]);
        ab.speicher().speichern(anwendung::Velastat, sektion::Fahrzeuguebersicht, zahlText(w),
                                ab.fensterTitel[w - 1]);
    }
    ab.titelGeaendert();
}

} // namespace tabulo
