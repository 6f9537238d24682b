#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace tabulo {

// Text tables for spreadsheets. A German spreadsheet opens UTF-8 with a byte order mark and
// semicolons directly; older ones expect Windows-1252.
enum class CsvKodierung { Utf8, Ansi };

struct CsvFormat {
    QChar trenner = u';';
    CsvKodierung kodierung = CsvKodierung::Utf8;
    bool operator==(const CsvFormat&) const = default;
};

// Builds a file row by row. Fields holding the separator, a quote or a line break are quoted,
// quotes doubled; line breaks inside a field stay as they are, rows end with CR LF.
class CsvSchreiber {
public:
    explicit CsvSchreiber(QChar trenner, qsizetype erwarteteZeichen = 0);
    void feld(QStringView text);
    void zeileEnde();
    // The bytes in the given code, UTF-8 with a byte order mark.
    QByteArray bytes(CsvKodierung kodierung) const;

private:
    QString m_text;
    QChar m_trenner;
    bool m_ersteSpalte = true;
};

struct CsvZeile {
    int zeile = 0; // line of the file the row starts on, from 1
    QStringList felder;
};

// A file read as rows. Empty lines are left out; rows may differ in length.
struct CsvDaten {
    std::vector<CsvZeile> zeilen;
    CsvFormat format;
    int spalten = 0; // fields of the longest row
    QString fehler;  // set when the file is no text table; then there are no rows

    explicit operator bool() const { return fehler.isEmpty(); }
};

// Detects the code (byte order mark, valid UTF-8, else Windows-1252) and the separator (the
// most frequent of ';', ',' and tab in the first row, outside quotes), then reads the rows.
CsvDaten csvLesen(QByteArrayView bytes);
// Reads with a separator and code the user chose.
CsvDaten csvLesen(QByteArrayView bytes, CsvFormat format);

// The code a file is in, by the rules above.
CsvKodierung csvKodierungErkennen(QByteArrayView bytes);

} // namespace tabulo
