#pragma once

#include "core/actions/Aktion.h"
#include "core/check/Befund.h"
#include "core/vehicles/Fahrzeug.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace tabulo {

class Arbeitsbereich;
class EinstellungsSpeicher;

// What the check looks at, taken from the running editor or from the files of a folder. A table
// that is not there (no file, or the action window never opened) is not checked.
struct Pruefgut {
    // A field of the overview: its kind and the identifier it shows (a free or text field of the
    // editor may still show its design caption; one read from a file shows none).
    struct FeldAngabe {
        qint16 art = 0;
        QString kennung;
    };
    // A place: from a file one record (its BOS character and that one bit), from the editor one
    // entry of the table with all its BOS-Kennungen (no character then).
    struct Ort {
        int nummer = 0;
        QString bos;
        quint32 maske = 0;
        QString loo; // Landeskennung and the two Ortskennung digits
        QString name;
    };

    std::optional<std::vector<FeldAngabe>> felder;
    std::optional<std::vector<Fahrzeug>> fahrzeuge;
    std::optional<std::vector<Ort>> orte;
    std::optional<std::vector<Aktion>> aktionen;

    std::array<QString, 16> bosName;
    std::array<QString, 16> landName;

    // Places are then counted as records ("Satz 3"), else as rows and entries of the windows.
    bool ausDateien = false;

    // Found while the files were read: lengths and bytes the host never writes.
    Befunde vorab;
};

// The editor's tables as they stand. The actions come from the action window, or from the file
// it would read when it has not been opened yet.
Pruefgut pruefgutAusArbeitsbereich(const Arbeitsbereich& ab);

// Takes the actions of an action file, with what its bytes show. False when there is no file.
bool aktionenDateiLesen(Pruefgut& gut, const QString& pfad);

// The files of a folder (found ignoring case, as the editor finds them) and the names of the
// settings store. `gefunden` tells how many of the five files were there.
Pruefgut pruefgutAusOrdner(const QString& ordner, EinstellungsSpeicher& speicher, int* gefunden = nullptr);

} // namespace tabulo
