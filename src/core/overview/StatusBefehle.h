#pragma once

#include "core/common/Rueckfrage.h"

#include <functional>

namespace tabulo {

class Arbeitsbereich;
class Fortschritt;

namespace statustext {
inline const QString LadenTitel = QStringLiteral("Status \u00dcbersicht Laden");
inline const QString SpeichernTitel = QStringLiteral("Status\u00fcbersicht Speichern");
inline const QString FehlerTitel = QStringLiteral("Status-\u00dcbersicht Laden");
inline const QString KeineGueltigeDatei = QStringLiteral("Keine g\u00fcltige Status-Datei!");
inline const QString Dateiname = QStringLiteral("Status.BIN");
inline const QString StartDateiname = QStringLiteral("status.bin");
} // namespace statustext

DateiDialog statusLadenDialog();
DateiDialog statusSpeichernDialog();

// Asked after the file has been chosen and before it replaces the fields (the question about
// unsaved changes); false ends the command.
using VorDemLaden = std::function<bool()>;

// "Laden..." -> "Status Übersicht": choose a file and load it. A rejected or unreadable file is
// reported; a cancelled dialog ends the command silently.
void statusLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                       const VorDemLaden& vorDemLaden = {});

// Loads the file and reports a rejected or unreadable one; true when loaded.
bool statusLadenUndMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                          const QString& pfad);

// "Speichern..." -> "Status Übersicht": choose a file and save the overview there. A failed
// write is reported with the file and the reason and leaves the unsaved flag set.
void statusSpeichernBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);

// "Undo: Fzg.Übersicht neu laden": reload "status.bin" from the working directory, without a
// question; nothing happens when there is none.
void statusNeuLadenBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt);

} // namespace tabulo
