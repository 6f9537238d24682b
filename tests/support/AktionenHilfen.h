#pragma once

#include "core/actions/Aktion.h"
#include "support/TestArbeitsbereich.h"

#include <QByteArray>
#include <QString>

namespace tabulo::test {

// One 137-byte action record built byte by byte, so that tests can put anything at any offset.
QByteArray aktionSatz(const QByteArray& kennung, char status, char richtung, const QByteArray& aktion);

// An action entry as a load would make it (direction names "FZ->LST" and "LST->FZ", the digit
// for 2 to 9).
Aktion aktion(const QString& kennung, const QString& status, int richtungNr, const QString& text,
              const QString& rufname = NichtVorhanden);

// A workspace as the program creates it, with the direction names `aktion()` gives.
struct AktionenArbeitsbereich : TestArbeitsbereich {
    AktionenArbeitsbereich();
};

} // namespace tabulo::test
