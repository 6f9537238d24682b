#pragma once

#include "core/check/Pruefgut.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace tabulo {

// What an identifier looks like against the rules: eight hexadecimal digits in upper case.
enum class Kennungsform { Gueltig, Kleinbuchstaben, Ungueltig };
Kennungsform kennungsform(QStringView kennung);

// Decodes identifiers with the names of the settings store and the place names:
// "6A121101 = BOS 6 (Feuerwehr), Land A (Bayern), Ort 12 (Wache Nord), Fahrzeug 1101".
class Kennungsklartext {
public:
    explicit Kennungsklartext(const Pruefgut& gut);

    // Empty for a text that is not eight hexadecimal digits.
    QString operator()(QStringView kennung) const;

    // The place name for a BOS-Kennung, a Landeskennung and an Ortskennung ("6", "A12"), empty
    // when the table has none.
    QString ortsname(int bos, QStringView loo) const;

private:
    const Pruefgut& m_gut;
    QHash<QString, QString> m_orte; // BOS digit and LOO in upper case -> name of the first entry
};

} // namespace tabulo
