#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tabulo {

// One line of the settings bundle: section, key and value.
struct BuendelZeile {
    QString sektion;
    QString schluessel;
    QString wert;

    bool operator==(const BuendelZeile&) const = default;
};

// The line in the file's form: three quoted fields, commas between them, CR LF at the end.
// Double quotes in the fields are written as apostrophes, line breaks (CR, LF) as blanks.
QByteArray buendelZeileSchreiben(const BuendelZeile& zeile);

// Reads one line (without its line end). Nothing when it is not three fields.
std::optional<BuendelZeile> buendelZeileLesen(QStringView zeile);

// Splits the bytes of a bundle file into its lines (CR LF, LF or CR), decoding Windows-1252.
QStringList buendelZeilen(const QByteArray& daten);

} // namespace tabulo
