#pragma once

#include "core/common/Farbe.h"

#include <QString>
#include <optional>

namespace tabulo {

enum class Antwort { Ok, Abbrechen, Ja, Nein, Ueberschreiben, NeuLaden, Zusammenfuehren };
// The last three ask about a file another program changed: "Überschreiben", "Neu laden",
// "Zusammenführen" and "Abbrechen" as named.
enum class Knoepfe {
    Ok,
    OkAbbrechen,
    JaNein,
    JaNeinAbbrechen,
    UeberschreibenAbbrechen,
    UeberschreibenNeuLadenAbbrechen,
    UeberschreibenNeuLadenZusammenfuehrenAbbrechen,
};
enum class Symbol { Keins, Ausrufezeichen, Fehler };

struct DateiDialog {
    QString titel;
    QString filter;      // in the host's form: "Beschreibung|Muster|Beschreibung|Muster|"
    int filterIndex = 2; // 1-based, as the host counts
    QString dateiname;   // preset name
    bool speichern = false;
    bool mussExistieren = true;       // open dialogs
    bool ueberschreibenFragen = true; // save dialogs
};

// Message boxes, file and colour dialogs. The program shows real dialogs; tests answer them.
class Rueckfrage {
public:
    virtual ~Rueckfrage() = default;
    virtual Antwort frage(const QString& titel, const QString& text, Knoepfe knoepfe, Symbol symbol) = 0;
    // The chosen file's full path; nothing when the user cancelled.
    virtual std::optional<QString> dateiWaehlen(const DateiDialog& dialog) = 0;
    virtual std::optional<Farbe> farbeWaehlen(Farbe start) = 0;

    void meldung(const QString& titel, const QString& text, Symbol symbol = Symbol::Keins) {
        frage(titel, text, Knoepfe::Ok, symbol);
    }
};

// Shows the file dialog; a chosen file's folder becomes the current working directory, as
// the host program's dialogs do.
std::optional<QString> dateiDialogZeigen(Rueckfrage& rueckfrage, const DateiDialog& dialog);

namespace filter {
inline const QString Alle = QStringLiteral("Alle Dateien (*.*)|*.*|");
inline const QString Bin = QStringLiteral("Alle Dateien (*.*)|*.*|BIN-Dateien (*.bin)|*.bin|");
inline const QString BinGross = QStringLiteral("Alle Dateien (*.*)|*.*|BIN-Dateien (*.BIN)|*.bin|");
inline const QString Exe = QStringLiteral("Alle Dateien (*.*)|*.*|EXE-Dateien (*.exe)|*.exe|");
} // namespace filter

// The host's filter string as Qt's list of name filters. Patterns match either case, so
// "*.bin" shows ".BIN" files too.
QStringList qtFilterListe(const QString& hostFilter);

} // namespace tabulo
