#pragma once

#include "core/actions/Aktion.h"
#include "support/TestArbeitsbereich.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <vector>

namespace tabulo::test {

// Records as the files hold them, built byte by byte, so that tests can put anything anywhere.

// One 40-byte overview record; text and identifier are padded with blanks (the identifier is not
// touched when it already has 8 bytes).
QByteArray statusSatz(quint8 art, QByteArray text, QByteArray kennung = "00000000", char byte1 = '\0');
// 416 records: the given ones first, free records after them.
QByteArray statusDatei(const QList<QByteArray>& saetze);

// A vehicle with the columns a test cares about; the rest as a new vehicle has them.
Fahrzeug fahrzeug(const QString& kennung, const QString& rufname = QStringLiteral("RTW"),
                  const QString& stat = QStringLiteral("2"), const QString& zeit = QStringLiteral("12:00:00"),
                  const QString& info = QStringLiteral("Info"));
// The bytes of a vehicle file holding these entries (nothing placed).
QByteArray fahrzeugDatei(const std::vector<Fahrzeug>& liste);
// Field i shows the vehicle as a drop from the list would.
void fahrzeugInFeld(Arbeitsbereich& ab, int i, const Fahrzeug& f);

// One place record: BOS digit, Landeskennung and Ortskennung digits, name padded to 50.
QByteArray orteSatz(char bos, const char* loo, const QString& name);

// One 137-byte action record.
QByteArray aktionSatz(const QByteArray& kennung, char status, char richtung, const QByteArray& aktion);
// An action entry as a load would make it (direction names "FZ->LST" and "LST->FZ", the digit
// for 2 to 9).
Aktion aktion(const QString& kennung, const QString& status, int richtungNr, const QString& text,
              const QString& rufname = NichtVorhanden);

// A workspace as the program creates it, with the direction names `aktion()` gives.
struct AktionenArbeitsbereich : TestArbeitsbereich {
    AktionenArbeitsbereich();
};

// BOS names that show which bit a display line names ("N0" ... "N15").
std::array<QString, 16> nummerierteBosNamen();

// A workspace as the program creates it, with BOS names that show which bit a display line
// names ("N0" ... "N15") and the scratch folder as the working directory.
struct OrteArbeitsbereich : TestArbeitsbereich {
    OrteArbeitsbereich();
};

} // namespace tabulo::test
