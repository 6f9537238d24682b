#include "support/AktionenHilfen.h"

#include <array>

namespace tabulo::test {

namespace {
const std::array<QString, 2> Richtungsnamen = {QStringLiteral("FZ->LST"), QStringLiteral("LST->FZ")};
} // namespace

QByteArray aktionSatz(const QByteArray& kennung, char status, char richtung, const QByteArray& aktion) {
    QByteArray satz = kennung.leftJustified(8, ' ', true);
    satz.append(status);
    satz.append(richtung);
    satz.append(aktion.leftJustified(127, ' ', true));
    return satz;
}

Aktion aktion(const QString& kennung, const QString& status, int richtungNr, const QString& text,
              const QString& rufname) {
    Aktion a;
    a.rufname = rufname;
    a.status = status;
    a.richtungNr = richtungNr;
    // A digit the host has no name for shows as itself.
    a.richtung = richtungNr <= 1 ? Richtungsnamen[richtungNr == 0 ? 0 : 1] : QString::number(richtungNr);
    a.aktion = text;
    a.kennung = kennung;
    return a;
}

AktionenArbeitsbereich::AktionenArbeitsbereich() : TestArbeitsbereich(Felder::Entwurf) {
    ab.richtungsname = Richtungsnamen;
}

} // namespace tabulo::test
