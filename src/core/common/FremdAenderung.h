#pragma once

#include "core/common/Arbeitsbereich.h"

#include <QString>

namespace tabulo {

class Fortschritt;
class Rueckfrage;

// What a save does with a file another program changed since Tabulo last read or wrote it.
enum class Klaerung {
    Schreiben,  // unchanged, or "Überschreiben", or merged first: write it
    NeuGeladen, // "Neu laden": the document now is the file; nothing to write
    Abbrechen,  // nothing is written
};

// The question's text for the file at `pfad`.
QString fremdAenderungText(const QString& pfad, DateiAenderung art);

// Asked before a document's file is written. A file the program never read or wrote, or one
// still as it was, is written without a word. A changed one asks "Überschreiben", "Neu laden"
// or "Abbrechen", the vehicle file "Zusammenführen" too; a deleted one "Überschreiben" or
// "Abbrechen"; a folder in its place is only told. `titel` is the caption of the save.
Klaerung fremdAenderungKlaeren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt,
                               Dokument dokument, const QString& pfad, const QString& titel);

// "Neu laden": reads the document from the file, dropping its own changes, as one step that
// can be taken back; the document then counts as saved. A file that is rejected or cannot be
// read is reported and changes nothing; then false.
bool dokumentNeuLaden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt, Dokument dokument,
                      const QString& pfad);

} // namespace tabulo
