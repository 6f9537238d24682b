#pragma once

#include "core/common/Rueckfrage.h"

#include <QString>
#include <functional>
#include <optional>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;

// The file dialogs of the action commands.
DateiDialog aktionenLadenDialog(); // load and import
DateiDialog aktionenSpeichernDialog();
DateiDialog aktionSuchenDialog(); // the program an action runs

// First opening of the action window: "Aktion.BIN" from the working directory (found
// ignoring case), then the action items of the load and save menus count as active.
void AktionenStart(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);

// Asked after the file has been chosen and before it replaces the list (the question about
// unsaved changes); false ends the command.
using VorDemLaden = std::function<bool()>;

// The menu commands and the import button: dialog, then the operation. A cancelled dialog
// ends the command silently.
void AktionenLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                         const VorDemLaden& vorDemLaden = {});
void AktionenSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage);
void AktionenImportierenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);

// The chosen program's full path in the platform's notation; nothing when cancelled.
std::optional<QString> AktionSuchen(Rueckfrage& rueckfrage);

} // namespace tabulo
