#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;
class StartVorlesen;

// The readers of the default files at program start. None of them says anything: a missing or
// unreadable file is skipped, and only whole records are read, so a cut-off file never makes a
// reader run past its end.

// "Fahrzeug.bin": every whole 408-byte record becomes a vehicle list entry; a trailing part
// record is ignored. Each record draws a green line at the share of the file read so far.
// Returns the number of entries read. With `vorgelesen` (for the same path) the list read ahead
// is taken when the file has not changed since; otherwise the file is read here.
int fahrzeugeBeimStartLesen(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt,
                            StartVorlesen* vorgelesen = nullptr);

// "status.bin": the whole records fill their fields with the vehicle lookup; a longer file gives
// its first 416 records, a shorter one leaves the fields without a record free. With
// `vorgelesen` its lookup index is used when the vehicle list is still the one it handed over.
void statusBeimStartLesen(Arbeitsbereich& ab, const QString& pfad, Fortschritt& fortschritt,
                          const StartVorlesen* vorgelesen = nullptr);

} // namespace tabulo
