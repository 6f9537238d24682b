#pragma once

#include <QString>
#include <functional>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;
struct OrteLeseErgebnis;

// The place identifier commands of the menu and of the place window's import button. Each
// asks for its file, runs the operation and tells the user what went wrong; a cancelled
// dialog ends the command silently.

// Asked after the file has been chosen and before it replaces the table (the question about
// unsaved changes); false ends the command.
using VorDemLaden = std::function<bool()>;

// "Laden... / Ortskennungen"
void OrteLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const VorDemLaden& vorDemLaden = {});

// "Speichern... / Ortskennungen"
void OrteSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

// "Undo: Ortskennungen neu laden"
void OrteUndoBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

// Tells the user why a place file was not read; true when it was.
bool orteMelden(Rueckfrage& rueckfrage, const QString& pfad, const OrteLeseErgebnis& ergebnis);

// "Ortskennungen Importieren"
void OrteImportierenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

} // namespace tabulo
