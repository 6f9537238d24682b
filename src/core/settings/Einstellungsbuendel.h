#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// Which groups of settings take part in saving and loading a bundle.
struct BuendelGruppen {
    bool einstellungen = false;
    bool fenstertitel = true;
    bool statusfarben = true;
};

// What a load found for one group; the last line of the group decides.
enum class BuendelErgebnis { NichtGefunden, Geladen, NichtGeladen };
QString ergebnisText(BuendelErgebnis ergebnis);

struct BuendelLadeErgebnis {
    BuendelErgebnis einstellungen = BuendelErgebnis::NichtGefunden;
    BuendelErgebnis fenstertitel = BuendelErgebnis::NichtGefunden;
    BuendelErgebnis statusfarben = BuendelErgebnis::NichtGefunden;
    bool operator==(const BuendelLadeErgebnis&) const = default;
};

// The bundle's bytes: window titles (stored, else the tab captions), status colours 0..9
// (stored, else the current table) and the general settings of the companion application,
// each block only when its group is chosen.
QByteArray buendelErzeugen(const Arbeitsbereich& ab, const BuendelGruppen& gruppen);

// Applies a bundle's lines to the store, the tab captions and the colour table. A line that is
// not three fields or whose key is out of range is skipped and counts as not loaded; what was
// applied before it stays. Loaded colours recolour the vehicle fields.
BuendelLadeErgebnis buendelAnwenden(Arbeitsbereich& ab, const QByteArray& daten,
                                    const BuendelGruppen& gruppen);

// The two commands: ask for the file, then write or read it. A cancelled dialog does nothing;
// a file that cannot be written or read is reported with its name and the reason.
bool EinstellungsbuendelSpeichern(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const BuendelGruppen& gruppen);
std::optional<BuendelLadeErgebnis> EinstellungsbuendelLaden(Arbeitsbereich& ab, Rueckfrage& rueckfrage,
                                                            const BuendelGruppen& gruppen);

} // namespace tabulo
