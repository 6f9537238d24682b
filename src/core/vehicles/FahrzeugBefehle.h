#pragma once

#include <QString>
#include <functional>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;
class Rueckfrage;

// The vehicle list commands of the menu and of the vehicle list window. A cancelled dialog
// ends a command silently; files that cannot be read or written are reported.

// Asked after the file has been chosen and before it replaces the list (the question about
// unsaved changes); false ends the command.
using VorDemLaden = std::function<bool()>;

void MenueLadenFzg(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const VorDemLaden& vorDemLaden = {});
void MenueSpeichernFzg(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);
void FahrzeugImportBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);
// Reloads "Fahrzeug.bin" from the working directory, dropping unsaved changes; without such
// a file nothing happens.
void MenueUndoFahrzeug(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

} // namespace tabulo
