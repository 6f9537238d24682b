#include "core/files/Dateistand.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <algorithm>

namespace tabulo {

namespace {
constexpr qint64 Unschaerfe = 2000; // ms

constexpr qsizetype Scheibe = 65536;

QDateTime zeitVon(const QFileInfo& info) {
    return info.fileTime(QFileDevice::FileModificationTime);
}

bool zeitGesichert(const Dateistand& s) {
    return s.geaendert.isValid() && s.gesehen.isValid() && s.geaendert.msecsTo(s.gesehen) >= Unschaerfe;
}

// The hash of the file's bytes, read in slices: neither copied whole nor mapped, so a check of a
// large file adds nothing to the memory the program holds. Nothing when it cannot be read.
std::optional<size_t> pruefsummeLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    Pruefsummenrechner rechner;
    QByteArray puffer(Scheibe, Qt::Uninitialized);
    for (;;) {
        const qint64 n = datei.read(puffer.data(), Scheibe);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return rechner.summe();
        rechner.dazu(QByteArrayView(puffer.constData(), n));
    }
}
} // namespace

void Pruefsummenrechner::dazu(QByteArrayView bytes) {
    if (!m_rest.isEmpty()) {
        const qsizetype n = std::min(bytes.size(), Scheibe - m_rest.size());
        m_rest.append(bytes.first(n));
        bytes = bytes.sliced(n);
        if (m_rest.size() < Scheibe)
            return;
        m_summe = qHashBits(m_rest.constData(), Scheibe, m_summe);
        m_rest.truncate(0);
    }
    for (; bytes.size() >= Scheibe; bytes = bytes.sliced(Scheibe))
        m_summe = qHashBits(bytes.data(), Scheibe, m_summe);
    m_rest.append(bytes);
}

size_t Pruefsummenrechner::summe() const {
    return m_rest.isEmpty() ? m_summe : qHashBits(m_rest.constData(), size_t(m_rest.size()), m_summe);
}

size_t dateiPruefsumme(QByteArrayView bytes) {
    Pruefsummenrechner rechner;
    rechner.dazu(bytes);
    return rechner.summe();
}

Dateistand dateistandNach(const QString& pfad, QByteArrayView bytes) {
    const QFileInfo info(pfad);
    Dateistand s;
    s.vorhanden = info.isFile();
    s.groesse = bytes.size();
    s.geaendert = zeitVon(info);
    s.pruefsumme = dateiPruefsumme(bytes);
    // The time may already be another program's, written between our bytes and this look: the
    // first comparison reads the file.
    return s;
}

Dateistand dateistandNach(const QString& pfad, qint64 groesse, size_t pruefsumme) {
    const QFileInfo info(pfad);
    Dateistand s;
    s.vorhanden = info.isFile();
    s.groesse = groesse;
    s.geaendert = zeitVon(info);
    s.pruefsumme = pruefsumme;
    return s;
}

Dateistand dateistandLesen(const QString& pfad) {
    Dateistand s;
    s.gesehen = QDateTime::currentDateTimeUtc();
    const QFileInfo info(pfad);
    if (!info.isFile())
        return s;
    const auto summe = pruefsummeLesen(pfad);
    s.vorhanden = summe.has_value();
    s.groesse = info.size();
    s.geaendert = zeitVon(info);
    s.pruefsumme = summe.value_or(0);
    return s;
}

DateiAenderung dateiVergleichen(const QString& pfad, Dateistand& gemerkt) {
    const QFileInfo info(pfad);
    if (info.isDir())
        return DateiAenderung::Ordner;
    if (!info.exists())
        return gemerkt.vorhanden ? DateiAenderung::Geloescht : DateiAenderung::Unveraendert;
    if (!gemerkt.vorhanden || info.size() != gemerkt.groesse)
        return DateiAenderung::Geaendert;
    const QDateTime zeit = zeitVon(info);
    if (zeit == gemerkt.geaendert && zeitGesichert(gemerkt))
        return DateiAenderung::Unveraendert;
    const QDateTime jetzt = QDateTime::currentDateTimeUtc();
    const auto summe = pruefsummeLesen(pfad);
    if (!summe || *summe != gemerkt.pruefsumme)
        return DateiAenderung::Geaendert;
    gemerkt.geaendert = zeit;
    gemerkt.gesehen = jetzt;
    return DateiAenderung::Unveraendert;
}

QString dateiSchluessel(const QString& pfad) {
    return QFileInfo(pfad).absoluteFilePath();
}

void Dateistaende::merken(quint16 dokument, const QString& pfad, const Dateistand& stand) {
    const QString schluessel = dateiSchluessel(pfad);
    m_eintraege[schluessel] = {dokument, stand};
    m_aktuell[dokument] = schluessel;
}

std::optional<DateiAenderung> Dateistaende::pruefen(const QString& pfad) {
    const auto it = m_eintraege.find(dateiSchluessel(pfad));
    if (it == m_eintraege.end())
        return std::nullopt;
    return dateiVergleichen(it->first, it->second.stand);
}

QString Dateistaende::aktuelleDatei(quint16 dokument) const {
    const auto it = m_aktuell.find(dokument);
    return it == m_aktuell.end() ? QString() : it->second;
}

} // namespace tabulo
