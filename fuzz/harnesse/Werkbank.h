#pragma once

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/Rueckfrage.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "support/SkriptRueckfrage.h"

#include <QByteArrayView>
#include <QString>

namespace tabulo::fuzz {

// A folder of its own for the whole run, where harnesses put their input as the file an
// operation reads; the path of the file.
QString dateiAblegen(const QString& name, QByteArrayView daten);
QString arbeitsordner();

// The working directory is the harness folder while this lives.
class ImArbeitsordner {
public:
    ImArbeitsordner();
    ~ImArbeitsordner();
    ImArbeitsordner(const ImArbeitsordner&) = delete;
    ImArbeitsordner& operator=(const ImArbeitsordner&) = delete;

private:
    QString m_vorher;
};

// The shared dialog double, scripted to answer every question with one answer; how many
// questions with a choice and how many messages with only OK it was shown.
test::SkriptRueckfrage antwortet(Antwort antwort);
int fragen(const test::SkriptRueckfrage& r);
int meldungen(const test::SkriptRueckfrage& r);

// A vehicle as a loaded list holds it.
Fahrzeug bekannt(const char* kennung, const char* rufname, const char* stat = "2");

// What a text becomes on its way through a bundle file: quotes turn into apostrophes, line
// breaks into blanks and characters outside the code page into '?'.
QString wieImBuendel(const QString& text);

// Yes, No or Cancel from a choice byte.
Antwort antwortAus(quint8 wahl);

// A workspace with in-memory settings and the real writer.
struct Werkbank {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    Fortschritt fortschritt;
};

} // namespace tabulo::fuzz
