#pragma once

#include "support/TestArbeitsbereich.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace tabulo::test {

// One place record: BOS digit, Landeskennung and Ortskennung digits, name padded to 50.
QByteArray orteSatz(char bos, const char* loo, const QString& name);

// BOS names that show which bit a display line names ("N0" ... "N15").
std::array<QString, 16> nummerierteBosNamen();

// A workspace as the program creates it, with numbered BOS names and the scratch folder as the
// working directory (where the place commands look for their default file).
struct OrteArbeitsbereich : TestArbeitsbereich {
    OrteArbeitsbereich();
};

} // namespace tabulo::test
