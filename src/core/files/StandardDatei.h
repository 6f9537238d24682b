#pragma once

#include <QString>
#include <QStringList>

namespace tabulo {

// The default files are named with varying case ("status.bin", "Status.BIN") because the host's
// file system ignores case. Here a default file is found ignoring case. When the folder holds
// several files whose names differ only in case, every reader and writer takes the same one,
// whatever spelling asks for it: the first in character-code order, so upper case wins as in
// the host's own spellings ("Status.BIN" before "status.bin"). Without any match, the path of
// the given name.
QString standardDatei(const QString& ordner, const QString& name);

// The names of the folder's files that equal name ignoring case, the one used first.
QStringList schreibweisen(const QString& ordner, const QString& name);

// Joins a folder and a file name with the platform's separator, whatever the folder ends in.
QString pfadVerbinden(const QString& ordner, const QString& name);

// Path in the current working directory, found ignoring case.
QString standardDateiImArbeitsordner(const QString& name);

} // namespace tabulo
