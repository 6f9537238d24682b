#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;
class Verlauf;

// The texts of the two commands: "Rückgängig: Fahrzeug RTW 7 abgelegt", "Wiederholen: Fenster 3
// verschoben", or the command alone when there is nothing to take back or do again.
QString rueckgaengigText(const Verlauf& verlauf);
QString wiederholenText(const Verlauf& verlauf);

// Takes back the last step, or does the last step taken back again: the workspace shows the
// parts it changed as they were, the list of vehicles not placed is rebuilt, and the unsaved flag
// of every document the step changed says whether it is now as last loaded or saved. False when
// there is nothing to do (or a change is still running).
bool Rueckgaengig(Arbeitsbereich& ab);
bool Wiederholen(Arbeitsbereich& ab);

} // namespace tabulo
