#pragma once

#include <QString>
#include <QStringList>

// Start-up and peak memory are properties of a whole process, so these cases start the benchmark
// program again in a child mode: it starts a bare Qt main window (with or without a line of
// text) or the whole program on the fleet's files, waits until its windows are shown, and reports
// when that was and its peak resident memory.
namespace tabulo::bench {

// Runs the child mode when the arguments ask for it and returns its exit code; -1 otherwise.
int kindAusfuehren(int argc, char** argv);

enum class Kind {
    LeeresFenster,
    FensterMitText,    // the same window showing one line of text: fonts found and loaded
    Tabulo,            // the start-up: settings, the three files it reads, both windows shown
    TabuloUndAktionen, // and then the action window's first opening, which reads Aktion.BIN
};

struct ProzessMessung {
    bool ok = false;
    double ms = 0;  // from the start of the process until its windows were shown
    double mib = 0; // peak resident memory
    QString fehler;
};

// Starts a child in `ordner` (its working directory, the fleet's files lie there).
ProzessMessung prozessMessen(Kind kind, const QString& ordner);

// Runs a program (searched in PATH when it has no slash) in `ordner` with its output thrown away:
// the time from its start to its end. Exit codes up to `hoechsterCode` count as success.
ProzessMessung befehlMessen(const QStringList& befehl, const QString& ordner, int hoechsterCode = 0);

} // namespace tabulo::bench
