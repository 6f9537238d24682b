#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tabulo::cli {

// Exit codes beyond the check's own 0, 1 and 2, as the BSD sysexits name them.
constexpr int Aufruffehler = 64;
constexpr int Datenfehler = 65;
constexpr int NichtLesbar = 66;
constexpr int NichtSchreibbar = 73;

// What a command prints: its output and its messages.
struct Ausgabe {
    QString aus;
    QString fehler;
};

// A command's arguments, split into names, switches and options with a value.
struct Aufruf {
    QString befehl;
    QStringList namen;
    QSet<QString> schalter;
    QMap<QString, QString> werte;
};

// Runs tabulo-cli with its arguments (without the program name); the exit code.
int ausfuehren(const QStringList& argumente, Ausgabe& ausgabe);

// The commands, each with its checked arguments.
int pruefenBefehl(const Aufruf& a, Ausgabe& aus);
int zeigenBefehl(const Aufruf& a, Ausgabe& aus);
int vergleichenBefehl(const Aufruf& a, Ausgabe& aus);
int schreibenBefehl(const Aufruf& a, Ausgabe& aus);

// One line on the error output: "tabulo-cli zeigen: <text>"; returns the code.
int melden(Ausgabe& aus, const QString& befehl, const QString& text, int code);

} // namespace tabulo::cli
