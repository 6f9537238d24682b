#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <map>
#include <optional>

namespace tabulo {

// What a file looked like when the program last read or wrote it: whether it was there, its
// size and time and a hash of its bytes.
struct Dateistand {
    bool vorhanden = false;
    qint64 groesse = 0;
    QDateTime geaendert;
    size_t pruefsumme = 0;
    // When the bytes were last found to match the hash, unset until they were. A time less than
    // two seconds older than that proves nothing: FAT and some network shares keep times in
    // two-second steps, so a write just after that look may leave the time as it was.
    QDateTime gesehen;
};

enum class DateiAenderung { Unveraendert, Geaendert, Geloescht, Ordner };

// The hash the states compare; only ever compared within one run of the program.
size_t dateiPruefsumme(QByteArrayView bytes);

// The same hash of bytes handed over in pieces as a file is read block by block: the bytes are
// hashed in slices of 64 KiB, each slice's hash seeding the next.
class Pruefsummenrechner {
public:
    void dazu(QByteArrayView bytes);
    size_t summe() const;

private:
    // Any fixed seed but 0: Qt takes its fastest hash only with a seed.
    size_t m_summe = 0x5461'6275'6c6f;
    QByteArray m_rest; // the start of a slice not hashed yet
};

// The state of a file whose bytes the program just read or wrote; the time from the disk.
Dateistand dateistandNach(const QString& pfad, QByteArrayView bytes);
// The same for a file read in blocks, of which the caller kept the size and the hash.
Dateistand dateistandNach(const QString& pfad, qint64 groesse, size_t pruefsumme);
// The state as it is on disk now (reads the file for its hash); "not there" for a missing file.
Dateistand dateistandLesen(const QString& pfad);

// Whether the file on disk still is what `gemerkt` says. Same size and a trusted time count as
// unchanged without reading the file; otherwise the bytes decide, so a file written again with
// the same bytes is unchanged (and its new time is taken into `gemerkt`). A file that was not
// there and now is counts as changed.
DateiAenderung dateiVergleichen(const QString& pfad, Dateistand& gemerkt);

// The states of the files the program read or wrote, by path, each with the document it holds
// (its unsaved-flag bit), and per document the file it was last read from or written to.
class Dateistaende {
public:
    void merken(quint16 dokument, const QString& pfad, const Dateistand& stand);
    // Nothing for a file the program never read or wrote.
    std::optional<DateiAenderung> pruefen(const QString& pfad);
    // The file a document was last read from or written to; empty when none.
    QString aktuelleDatei(quint16 dokument) const;
    // Every document's current file, by document bit.
    std::map<quint16, QString> aktuelleDateien() const { return m_aktuell; }

private:
    struct Eintrag {
        quint16 dokument = 0;
        Dateistand stand;
    };
    std::map<QString, Eintrag> m_eintraege;
    std::map<quint16, QString> m_aktuell;
};

// One key per file: relative paths and "." or ".." resolved.
QString dateiSchluessel(const QString& pfad);

} // namespace tabulo
