#pragma once

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/Rueckfrage.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

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

// Answers every question with one answer and counts what was shown.
class FesteRueckfrage : public Rueckfrage {
public:
    explicit FesteRueckfrage(Antwort antwort = Antwort::Nein) : m_antwort(antwort) {}
    Antwort frage(const QString& titel, const QString& text, Knoepfe knoepfe, Symbol) override;
    std::optional<QString> dateiWaehlen(const DateiDialog&) override { return std::nullopt; }
    std::optional<Farbe> farbeWaehlen(Farbe) override { return std::nullopt; }

    int fragen = 0;    // questions with a choice
    int meldungen = 0; // messages with only OK
    QStringList texte;

private:
    Antwort m_antwort;
};

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
