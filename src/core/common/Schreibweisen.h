#pragma once

#include <QString>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// A default file of the folder as every reader and writer finds it (files/StandardDatei). When
// the folder holds several files whose names differ only in case, the user is told once which
// of them is read and written.
QString standardDateiMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& ordner,
                            const QString& name);

// The same for the files start-up reads from the start directory, told once start-up is done.
void startDateienMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

} // namespace tabulo
