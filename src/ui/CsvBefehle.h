#pragma once

#include "core/common/CsvTabelle.h"

class QWidget;

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// "Datei > Exportieren > ... als CSV": separator and code, then the file; a failed write names
// the file and the reason. The choice is kept for the next export.
void csvExportBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, CsvTabelle tabelle, QWidget* eltern);

// "Datei > Importieren > ... aus CSV": the file, the mapping, then the import as one step and a
// summary. Neither command moves the working directory the reload commands read from.
void csvImportBefehl(Arbeitsbereich& ab, Rueckfrage& rueckfrage, CsvTabelle tabelle, QWidget* eltern);

} // namespace tabulo
