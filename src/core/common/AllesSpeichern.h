#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;
class Rueckfrage;

namespace speichertext {
inline const QString AllesSpeichernTitel = QStringLiteral("Alles Speichern");
inline const QString StatusDatei = QStringLiteral("Status.BIN");
inline const QString FahrzeugDatei = QStringLiteral("Fahrzeug.BIN");
inline const QString OrteDatei = QStringLiteral("Orte.BIN");
} // namespace speichertext

// "Alles Speichern": writes the overview, the vehicle list and the place table into the start
// directory, whichever folder the file dialogs have moved to, and the actions into the working
// directory when their window has been opened and they are unsaved. The window titles are
// stored with the overview, as every save of the overview does. Clears every unsaved flag at
// the end.
//
// The files are found as every reader finds them: onto a file of the same name in another
// case when there is one (the host's file system ignores case).
//
// A file that cannot be written is reported with its name and the reason; the files written
// before it stay written, the rest is not attempted, every flag stays set and the result is
// false. An action file that was refused on loading is not written over until the action
// list has been changed: the user is told, the actions stay unsaved and the result is false.
bool AllesSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);

} // namespace tabulo
