#include "support/AktionenHilfen.h"

namespace tabulo::test {

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
    a.richtung = richtungNr == 0 ? QStringLiteral("FZ->LST") : QStringLiteral("LST->FZ");
    a.aktion = text;
    a.kennung = kennung;
    return a;
}

} // namespace tabulo::test
