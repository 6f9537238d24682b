#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// The place identifier commands of the menu and of the place window's import button. Each
// asks for its file, runs the operation and tells the user what went wrong; a cancelled
// dialog ends the command silently.

// "Laden... / Ortskennungen"
void OrteLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);
// Loads the chosen file and reports a fault; the step after the file dialog.
void OrteLadenAusDatei(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& pfad);

// "Speichern... / Ortskennungen"
void OrteSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

// "Undo: Ortskennungen neu laden"
void OrteUndoBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

// "Ortskennungen Importieren"
void OrteImportierenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

} // namespace tabulo
