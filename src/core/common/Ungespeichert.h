#pragma once

#include "core/common/Arbeitsbereich.h"

#include <QString>
#include <functional>

namespace tabulo {

class Fortschritt;
class Rueckfrage;

namespace speichertext {
inline const QString BeendenTitel = QStringLiteral("Tabulo Beenden");
} // namespace speichertext

// The text of the question when the program is to end with unsaved documents: one line per
// unsaved document, in a fixed order, with the host's line breaks.
QString beendenFrageText(quint16 ungespeichert);

// The close query of the main window. True when the program may end: nothing is unsaved, the
// user answered "Nein", or answered "Ja" and everything was written. "Abbrechen" and a failed
// save keep the program running with its flags.
bool beendenErlaubt(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);

// Caption and text of the question a load command asks when its document is unsaved.
struct LadeFrage {
    QString titel;
    QString text;
};
LadeFrage ladeFrage(Dokument dokument);

// Asked after a load command's file has been chosen and before the file replaces the document.
// Only an unsaved document is asked about; "Ja" runs `speichern` first. True when the load may go
// on; a failed save ends the load command (the save has told the user why).
bool vorDemLadenFragen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Dokument dokument,
                       const std::function<bool()>& speichern);

// The hook of the vehicle list, place and overview load commands: "Ja" saves everything.
std::function<bool()> ladenMitAllesSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                             Fortschritt& fortschritt, Dokument dokument);

// The hook of the action load command: "Ja" saves the actions as "Aktion.BIN" in `ordner`, the
// working directory from before the command's file dialog. The dialog has moved the working
// directory to the chosen file's folder, where "Aktion.BIN" is often the very file to be
// loaded: saving there would overwrite it before it is read. As in save-all, an action file
// refused on loading is not written over: the user is told and the load does not go on.
std::function<bool()> ladenMitAktionenSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                                const QString& ordner);

} // namespace tabulo
