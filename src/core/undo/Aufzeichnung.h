#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
struct Aufnahme;

// Records one change the user makes as one step of the workspace's history: made at the start
// of the change, it enters what changed into the history when it ends. Fields, window titles,
// places and the sort order are compared with their state at the start; the vehicle and action
// lists report their changes through the functions below. A change that changes nothing leaves
// no step. Inside another recording it records nothing of its own: the outer change is the step.
//
// A step is named for what the user did ("Fahrzeug RTW 7 abgelegt", "Fenster 3 verschoben").
// Settings written straight to the settings store (status colours, host settings, a settings
// bundle) are no step and are not taken back; window titles changed by their dialog are.
class Aufzeichnung {
public:
    Aufzeichnung(Arbeitsbereich& ab, const QString& name);
    ~Aufzeichnung();
    Aufzeichnung(const Aufzeichnung&) = delete;
    Aufzeichnung& operator=(const Aufzeichnung&) = delete;

    // Names the step once the change knows what it did.
    void nennen(const QString& name);
    // The change wrote the window titles to the settings store; undo and redo write them too.
    void titelImSpeicher();

private:
    Arbeitsbereich& m_ab;
    std::unique_ptr<Aufnahme> m_aufnahme; // null inside another recording
};

// The changes of the vehicle list and the action list, for the running step. Outside a step the
// change is only made (and the history forgets steps that refer to that list's rows).
// Row `zeile` is about to change in place:
template <typename T> void zeileVorAenderung(Arbeitsbereich& ab, std::vector<T>& liste, int zeile);
// Row `zeile` becomes `neu`:
template <typename T> void zeileErsetzen(Arbeitsbereich& ab, std::vector<T>& liste, int zeile, T neu);
// Rows were appended from `vorher` on:
template <typename T> void zeilenAngehaengt(Arbeitsbereich& ab, std::vector<T>& liste, int vorher);
// These make the change:
template <typename T>
void zeilenEntfernen(Arbeitsbereich& ab, std::vector<T>& liste, const std::vector<bool>& markiert);
template <typename T> void zeileEntfernen(Arbeitsbereich& ab, std::vector<T>& liste, int zeile);
template <typename T> void listeErsetzen(Arbeitsbereich& ab, std::vector<T>& liste, std::vector<T> neu);
template <typename T>
void listeUmordnen(Arbeitsbereich& ab, std::vector<T>& liste, const std::vector<int>& folge);

} // namespace tabulo
