#pragma once

class QAction;

namespace tabulo {

class Arbeitsbereich;

// Makes the two actions the undo and redo commands of the workspace's history: their texts name
// the step, they are greyed while there is nothing to do, and their keys (Ctrl+Z; Ctrl+Y and
// Ctrl+Shift+Z) work in every window the actions are added to.
void verlaufBefehleBinden(Arbeitsbereich& ab, QAction* rueckgaengig, QAction* wiederholen);

} // namespace tabulo
