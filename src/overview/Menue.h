#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace tabulo {

// The main window's menu bar, every item by its name.
struct Menue {
    QMenu* MenueDatei = nullptr;
    QMenu* MenuXLaden = nullptr;
    QAction* MenueLadenFzg = nullptr;
    QAction* MenueLadenOrte = nullptr;
    QAction* MenueLadenStatus = nullptr;
    QAction* MenueLadenAktionen = nullptr;
    QAction* MenueSpeichern = nullptr;
    QMenu* MenueXSpeichern = nullptr;
    QAction* MenueSpeichernFzg = nullptr;
    QAction* MenueSpeichernOrte = nullptr;
    QAction* MenueSpeichernStatus = nullptr;
    QAction* MenueSpeichernAktionen = nullptr;
    // Tables as CSV for spreadsheets; the action items wait for the action list like the others.
    QMenu* MenueExportieren = nullptr;
    QAction* MenueExportFzg = nullptr;
    QAction* MenueExportOrte = nullptr;
    QAction* MenueExportAktionen = nullptr;
    QMenu* MenueImportieren = nullptr;
    QAction* MenueImportFzg = nullptr;
    QAction* MenueImportOrte = nullptr;
    QAction* MenueImportAktionen = nullptr;
    QAction* MenueDrucken = nullptr;
    QAction* MenueSeitenansicht = nullptr;
    QAction* MenuePdf = nullptr;
    QAction* MenueBeenden = nullptr;

    QMenu* MenueBearbeiten = nullptr;
    QAction* MenueRueckgaengig = nullptr;
    QAction* MenueWiederholen = nullptr;
    QAction* MenueOrtskennungen = nullptr;
    QAction* MenuAktionen = nullptr;
    QAction* MenuTitelFahrzeuguebersicht = nullptr;
    QAction* MenueEinstellungen = nullptr;
    QAction* MenueUndoOrte = nullptr;
    QAction* MenueUndoFahrzeug = nullptr;
    QAction* MenueUndoStatus = nullptr;

    QMenu* MenueTools = nullptr;
    QAction* MenueUmwandeln = nullptr;
    QAction* MenueZeitenSetzen = nullptr;
    QAction* MenueEinstellungenLS = nullptr;
    QAction* MenuePruefen = nullptr;

    QMenu* MenueHelp = nullptr;
    QAction* MenueHandbuch = nullptr;
    QAction* MenueInfo = nullptr;

    // Builds the menus into the bar; every action gets its name as object name.
    void aufbauen(QMenuBar* leiste);
};

} // namespace tabulo
