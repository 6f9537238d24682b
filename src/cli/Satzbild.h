#pragma once

#include "core/check/Befund.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tabulo::cli {

// A file as records of named fields, every byte in exactly one field, so that a file can be
// shown, changed by hand and written back byte for byte. The readers of the program take only
// what the host reads and tidy it (blanks cut, two bytes joined to one text); this view keeps
// all of it. Texts go through the program's one Windows-1252 codec, without the blanks that pad
// them to their field; a byte is a number.
struct Feldwert {
    QString name;
    QString wert;
    bool zahl = false; // a byte: the decimal text of its value

    bool operator==(const Feldwert&) const = default;
};
using Satz = std::vector<Feldwert>;

struct Satzliste {
    Tabelle art = Tabelle::Status;
    std::vector<Satz> saetze;
    QString rest; // bytes after the last whole record, as text

    bool operator==(const Satzliste&) const = default;
};

// The file kind for a word of the command line ("status", "fahrzeug", "orte", "aktion",
// "einstellungen") and for a file name (the host's names, any case).
std::optional<Tabelle> artAusWort(const QString& wort);
std::optional<Tabelle> artAusDateiname(const QString& pfad);
QString artWort(Tabelle art);
// "Feld", "Satz" or "Zeile": what one record of the kind is called.
QString satzWort(Tabelle art);

Satzliste satzlisteLesen(Tabelle art, const QByteArray& daten);

// The bytes of a list. A field missing, unknown or not fitting (a text too long or with a
// character Windows-1252 lacks, a number outside 0..255) gives nothing and a German reason.
// Texts shorter than their field are padded with blanks, as the host pads them.
std::optional<QByteArray> satzlisteSchreiben(const Satzliste& liste, QString& fehler);

} // namespace tabulo::cli
