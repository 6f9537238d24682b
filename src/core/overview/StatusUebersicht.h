#pragma once

#include "core/files/DateiSchreiber.h"
#include "core/overview/FelderNachziehen.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;

struct StatusLadeErgebnis {
    enum Art { Geladen, KeineDatei, FalscheLaenge, Lesefehler };
    Art art = Geladen;
    QString fehler; // the system's reason for Lesefehler
};

// Fills the fields from the whole 40-byte records of daten, at most 416; fields without a record
// are left alone. A vehicle record takes status, time and information from the first vehicle
// list entry with its identifier and becomes a free field when there is none.
// Each record draws its slice into the strip, which the caller shows and hides. `index`, when
// given, must be that of the current vehicle list; otherwise one is built.
void statusSaetzeEintragen(Arbeitsbereich& ab, QByteArrayView daten, Fortschritt* fortschritt,
                           const ErsteFahrzeugZeilen* index = nullptr);

// Reads an overview file into the fields. Only a file of exactly 416 records is taken; any other
// length changes nothing (the caller reports it). A missing file loads nothing. Except for a
// rejected or unreadable file the not-placed list is rebuilt. The unsaved flag stays as it was.
StatusLadeErgebnis StatusLaden(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt);

// The 416 records of the overview.
QByteArray statusDateiBilden(const Arbeitsbereich& ab, Fortschritt* fortschritt = nullptr);

// Writes the overview and stores the eight window titles. Only a complete write clears the
// overview's unsaved flag and stores the titles.
SchreibErgebnis StatusSpeichern(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt);

// Stores the tab captions under "Fahrzeugübersicht", keys "1" to "8".
void fensterTitelSpeichern(Arbeitsbereich& ab);

} // namespace tabulo
