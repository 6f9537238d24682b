#include "core/common/StartVorlesen.h"

#include "core/common/Farbe.h"
#include "core/common/Fortschritt.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"

#include <QFileInfo>
#include <chrono>
#include <system_error>

namespace tabulo {

FahrzeugDateiStand FahrzeugDateiStand::von(const QString& pfad) {
    const QFileInfo info(pfad);
    if (!info.isFile())
        return {};
    return {true, info.size(), info.fileTime(QFileDevice::FileModificationTime),
            info.fileTime(QFileDevice::FileMetadataChangeTime)};
}

std::optional<std::vector<Fahrzeug>> fahrzeugeBlockweiseLesen(const QString& pfad, qint64 groesse,
                                                              const std::function<void(qint64)>& gelesen) {
    std::vector<Fahrzeug> neu;
    neu.reserve(static_cast<size_t>(std::max<qint64>(0, groesse) / FahrzeugSatzLaenge));
    FahrzeugSatzLeser leser(neu);
    qint64 bytes = 0;
    const bool ok = saetzeLesen(pfad, FahrzeugSatzLaenge, [&](QByteArrayView satz) {
        leser.anhaengen(satz);
        bytes += FahrzeugSatzLaenge;
        gelesen(bytes);
    });
    if (!ok || neu.empty())
        return std::nullopt;
    return neu;
}

StartVorlesen::StartVorlesen(QString pfad) : m_pfad(std::move(pfad)) {
    try {
        m_ergebnis = std::async(std::launch::async, [this] { return lesen(); });
    } catch (const std::system_error&) {
        // No thread to be had: the start-up reads the file itself.
    }
}

StartVorlesen::~StartVorlesen() {
    if (m_ergebnis.valid())
        m_ergebnis.wait();
}

bool StartVorlesen::fertig() const {
    return !m_ergebnis.valid() || m_ergebnis.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

StartVorlesen::Ergebnis StartVorlesen::lesen() {
    Ergebnis e;
    e.stand = FahrzeugDateiStand::von(m_pfad);
    if (!e.stand.datei || e.stand.groesse < FahrzeugSatzLaenge)
        return e;
    m_groesse = e.stand.groesse;
    e.fahrzeuge = fahrzeugeBlockweiseLesen(
        m_pfad, e.stand.groesse, [this](qint64 bytes) { m_gelesen.store(bytes, std::memory_order_release); });
    // The overview's lookup is built here too, while the vehicles are still in this core's cache.
    if (e.fahrzeuge) {
        e.index.emplace(ersteFahrzeugZeilen(*e.fahrzeuge));
        e.dateistand = dateistandLesen(m_pfad);
    }
    return e;
}

std::optional<std::vector<Fahrzeug>> StartVorlesen::abholen(Fortschritt& fortschritt) {
    if (!m_ergebnis.valid())
        return std::nullopt;
    // The same green line per record as the start-up's own reading draws, the ones read so far.
    qint64 gezeichnet = 0;
    const auto striche = [&] {
        const qint64 gelesen = m_gelesen.load(std::memory_order_acquire);
        const qint64 groesse = m_groesse.load(std::memory_order_relaxed);
        for (; gezeichnet + FahrzeugSatzLaenge <= gelesen; gezeichnet += FahrzeugSatzLaenge) {
            const double anteil = double(gezeichnet + FahrzeugSatzLaenge) / double(groesse);
            fortschritt.bereich(anteil, anteil, farbe::ReinGruen);
        }
    };
    // A few looks a frame are enough: the strip paints at most once per frame anyway.
    while (m_ergebnis.wait_for(std::chrono::milliseconds(4)) != std::future_status::ready)
        striche();
    Ergebnis e = m_ergebnis.get();
    if (!e.fahrzeuge || FahrzeugDateiStand::von(m_pfad) != e.stand)
        return std::nullopt;
    striche();
    m_index = std::move(e.index);
    m_dateistand = e.dateistand;
    m_zeilen = e.fahrzeuge->data();
    m_anzahl = e.fahrzeuge->size();
    return std::move(e.fahrzeuge);
}

const ErsteFahrzeugZeilen* StartVorlesen::index(const std::vector<Fahrzeug>& fahrzeuge) const {
    if (!m_index || fahrzeuge.data() != m_zeilen || fahrzeuge.size() != m_anzahl)
        return nullptr;
    return &*m_index;
}

} // namespace tabulo
