#pragma once

#include "core/files/Dateistand.h"
#include "core/overview/FelderNachziehen.h"
#include "core/vehicles/Fahrzeug.h"

#include <QDateTime>
#include <QString>
#include <atomic>
#include <functional>
#include <future>
#include <optional>
#include <vector>

namespace tabulo {

class Fortschritt;

// Whether a file is there, and its size and times: the start-up takes a list read ahead only
// from a file that has not changed since it was read.
struct FahrzeugDateiStand {
    bool datei = false;
    qint64 groesse = 0;
    QDateTime geaendert;
    QDateTime metadaten;
    bool operator==(const FahrzeugDateiStand&) const = default;
    static FahrzeugDateiStand von(const QString& pfad);
};

// Every whole record of a vehicle file of `groesse` bytes, read in blocks into a list of its
// own; `gelesen(bytes)` after each record. Nothing when the file cannot be read to its end or
// holds no whole record, so a failed read never leaves half a list.
std::optional<std::vector<Fahrzeug>> fahrzeugeBlockweiseLesen(const QString& pfad, qint64 groesse,
                                                              const std::function<void(qint64)>& gelesen);

// Reads the start folder's vehicle file on a thread of its own while the windows are being
// built, so that a large fleet does not hold up the start. Made before the windows, handed to
// the start-up, which takes the list with `abholen` or reads the file itself.
class StartVorlesen {
public:
    explicit StartVorlesen(QString pfad);
    ~StartVorlesen(); // waits for the thread
    StartVorlesen(const StartVorlesen&) = delete;
    StartVorlesen& operator=(const StartVorlesen&) = delete;

    const QString& pfad() const { return m_pfad; }
    // Whether the thread is done (never waits).
    bool fertig() const;

    // Waits for the thread, drawing its progress as the start-up's own reading does (a green
    // line at the share of the file read). The list read, or nothing when the file could not be
    // read whole, had no whole record, or is no longer what was read. Once only.
    std::optional<std::vector<Fahrzeug>> abholen(Fortschritt& fortschritt);

    // The first row of each identifier of the list `abholen` handed over, built on the thread;
    // nothing unless `fahrzeuge` holds that very list (its rows, unchanged in number). The list
    // must not have been changed otherwise since.
    const ErsteFahrzeugZeilen* index(const std::vector<Fahrzeug>& fahrzeuge) const;

    // The state of the file `abholen` handed over, hashed on the thread.
    const Dateistand& dateistand() const { return m_dateistand; }

private:
    struct Ergebnis {
        FahrzeugDateiStand stand;
        Dateistand dateistand;
        std::optional<std::vector<Fahrzeug>> fahrzeuge;
        std::optional<ErsteFahrzeugZeilen> index;
    };
    Ergebnis lesen();

    QString m_pfad;
    std::atomic<qint64> m_gelesen{0}; // bytes of whole records decoded so far
    std::atomic<qint64> m_groesse{0};
    std::future<Ergebnis> m_ergebnis;
    std::optional<ErsteFahrzeugZeilen> m_index;
    Dateistand m_dateistand;
    const Fahrzeug* m_zeilen = nullptr; // the rows handed over
    size_t m_anzahl = 0;
};

} // namespace tabulo
