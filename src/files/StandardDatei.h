#pragma once

#include <QString>

namespace tabulo {

// The default files are named with varying case ("status.bin", "Status.BIN") because the host's
// file system ignores case. Here a default file is found ignoring case, an exact match first;
// without any match the path of the given name is returned.
QString standardDatei(const QString& ordner, const QString& name);

// Joins a folder and a file name with the platform's separator, whatever the folder ends in.
QString pfadVerbinden(const QString& ordner, const QString& name);

// Path in the current working directory, found ignoring case.
QString standardDateiImArbeitsordner(const QString& name);

} // namespace tabulo
