#pragma once

#include "cli/Satzbild.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tabulo::cli {

// A JSON string literal of a text; every character but the quote, the backslash and the control
// characters as it is (the output is UTF-8).
QString jsonText(const QString& text);

// The three forms of `zeigen`. JSON keeps the fields in record order; it is what `schreiben`
// reads back. CSV separates by semicolons, as German spreadsheets expect.
QString alsText(const Satzliste& liste);
QString alsCsv(const Satzliste& liste);
QString alsJson(const Satzliste& liste);

// Reads the JSON of `alsJson`. Its "art" must match `art` when that is given; with neither, the
// kind is `ersatz`. Nothing and a German reason when it does not fit.
std::optional<Satzliste> ausJson(const QByteArray& json, std::optional<Tabelle> art,
                                 std::optional<Tabelle> ersatz, QString& fehler);

} // namespace tabulo::cli
