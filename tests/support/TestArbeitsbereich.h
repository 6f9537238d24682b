#pragma once

#include "core/common/Arbeitsbereich.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "support/ProtokollFortschritt.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace tabulo::test {

// A workspace on in-memory settings and the real writer, with what a command is handed besides:
// a scratch folder, scripted dialogs and a recorded progress strip. The working directory is
// back where it was when the object ends.
// `Frei` empties every field and fixes today, so a test sees only what it puts there; `Entwurf`
// keeps the workspace as the program creates it (the design captions in the fields).
struct TestArbeitsbereich {
    enum class Felder { Frei, Entwurf };
    explicit TestArbeitsbereich(Felder felder = Felder::Frei);

    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab{speicher, schreiber};
    QTemporaryDir ordner;
    Arbeitsordner arbeitsordner;
    SkriptRueckfrage rueckfrage;
    ProtokollFortschritt fortschritt;

    QString pfad(const QString& name) const { return ordner.filePath(name); }
    // Writes the bytes to a file in the scratch folder; its path.
    QString datei(const QString& name, const QByteArray& daten) const;
    // Appends a vehicle with nothing but these columns.
    void fahrzeugAnhaengen(const QString& kennung, const QString& stat, const QString& zeit = {});
    // One column of the vehicle list in list order, e.g. fahrzeugSpalte(&Fahrzeug::stat).
    QStringList fahrzeugSpalte(QString Fahrzeug::*spalte) const;
    QStringList kennungen() const { return fahrzeugSpalte(&Fahrzeug::kennung); }
};

// Everything a command could touch, to compare before and after.
struct Zustand {
    std::vector<Fahrzeug> fahrzeuge;
    std::vector<Aktion> aktionen;
    Ortstabelle orte;
    std::array<Feld, AnzahlFelder> felder;
    quint16 ungespeichert;
    std::array<QString, AnzahlFenster> fensterTitel;
    std::array<Farbe, AnzahlStatusfarben> statusfarbe;
    EinstellungsSpeicher::Paare gespeicherteTitel;
    bool sortiert;
    std::vector<int> nichtAufgenommen;
    bool operator==(const Zustand&) const = default;
    // The first part that differs, empty when none does.
    std::string unterschied(const Zustand& z) const;
};
Zustand zustand(const Arbeitsbereich& ab);

} // namespace tabulo::test
