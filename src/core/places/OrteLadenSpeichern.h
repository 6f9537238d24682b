#pragma once

#include "core/files/DateiSchreiber.h"

#include <QString>

namespace tabulo {

class Arbeitsbereich;

namespace orteText {
inline const QString TitelLaden = QStringLiteral("Ortskennungen Laden");
inline const QString TitelSpeichern = QStringLiteral("Ortskennungen Speichern");
inline const QString UngueltigeDatei = QStringLiteral("Keine g\u00fcltige Ortskennungen-Datei!");
inline const QString Vorgabename = QStringLiteral("Orte.BIN");
inline const QString Standarddatei = QStringLiteral("orte.bin");
} // namespace orteText

// How reading a place file went. Anything but Gelesen leaves table, list, count and flag
// as they were.
enum class OrteLesen {
    Gelesen,
    KeineDatei,       // only the reload and the start-up look for a file that may be missing
    UngueltigeLaenge, // not a whole number of records
    NichtLesbar,      // see grund
};

struct OrteLeseErgebnis {
    OrteLesen art = OrteLesen::Gelesen;
    QString grund; // the system's reason for NichtLesbar

    explicit operator bool() const { return art == OrteLesen::Gelesen; }
};

// Replaces the table by the file's places; the count becomes the file's number of records.
// Clears the place identifiers' unsaved flag.
OrteLeseErgebnis OrteLaden(Arbeitsbereich& ab, const QString& pfad);

// Merges the file's places into the table, recounts and marks the place identifiers unsaved.
OrteLeseErgebnis OrteImportieren(Arbeitsbereich& ab, const QString& pfad);

// Reloads "orte.bin" from the working directory with the load's checks; the unsaved flag
// stays as it was. A missing file changes nothing (and creates none).
OrteLeseErgebnis OrteNeuLaden(Arbeitsbereich& ab);

// Start-up: reads "orte.bin" from the working directory when there is one. Of a file with a
// trailing part record the whole records are read; nothing is reported.
OrteLeseErgebnis OrteStartLesen(Arbeitsbereich& ab);

// Writes the table through the workspace's writer; the unsaved flag is cleared only when the
// file was written.
SchreibErgebnis OrteSpeichern(Arbeitsbereich& ab, const QString& pfad);

} // namespace tabulo
