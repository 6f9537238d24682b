#pragma once

namespace tabulo {

class Arbeitsbereich;
struct Fahrzeug;

// Copies all parts of field Quelle into field Ziel; the status label keeps the source's
// visibility and takes the colour of its new caption.
void FeldKopieren(Arbeitsbereich& ab, int ziel, int quelle);

// Moves the fields from Ziel up to the neighbour of Luecke one place towards Luecke, in line
// order (field index) or in column order (down the 13 lines of a column, then the next column).
// Luecke is overwritten, Ziel keeps its contents; the walk runs across window borders. A moved
// status label is shown exactly for vehicle fields.
void ZeilenweiseVerschieben(Arbeitsbereich& ab, int luecke, int ziel);
void SpaltenweiseVerschieben(Arbeitsbereich& ab, int luecke, int ziel);

// Field S dropped on field T, by the insert mode: 1 and 2 move S to T and close its gap,
// 3 swaps them, 4 makes T a copy of S. Marks the overview only when S and T differ.
void FeldAufFeldAblegen(Arbeitsbereich& ab, int s, int t);

// A vehicle dropped on field T from a vehicle list. Shifting modes first move the fields from T
// to the end of T's window (or to field 415 with "letztes Fenster") one place on; then T shows
// the vehicle. Without a vehicle (no row selected) no field changes.
void FahrzeugAufFeldAblegen(Arbeitsbereich& ab, const Fahrzeug* fahrzeug, int t);

// Anything else dropped on field T (a tab, say): only the common end.
void SonstigesAufFeldAblegen(Arbeitsbereich& ab, int t);

// Field S dropped on the vehicle list window: it leaves the overview. Shifting modes close the
// gap up to the end of its window (or field 415) and free that end field; the other modes free
// S. Only while a field drag is running.
void FeldEntfernen(Arbeitsbereich& ab, int s);

// The last field a shift reaches from field t, by `Listenmodus`.
int verschiebeEnde(const Arbeitsbereich& ab, int t);

} // namespace tabulo
