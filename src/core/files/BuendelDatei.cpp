#include "core/files/BuendelDatei.h"

#include "core/common/Text.h"
#include "core/files/Ansi.h"

#include <QStringList>

namespace tabulo {

// A field can hold neither a double quote nor a line break; a stored value with either would
// end its line early, and a load stops at the first broken line, losing all after it.
static QString ohneAnfuehrung(const QString& text) {
    QString feld = TextErsetzen(text, u"\"", u"'");
    feld.replace(QLatin1Char('\r'), QLatin1Char(' '));
    feld.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return feld;
}

QByteArray buendelZeileSchreiben(const BuendelZeile& zeile) {
    const QString text = QLatin1Char('"') + ohneAnfuehrung(zeile.sektion) + QStringLiteral("\",\"") +
                         ohneAnfuehrung(zeile.schluessel) + QStringLiteral("\",\"") +
                         ohneAnfuehrung(zeile.wert) + QStringLiteral("\"\r\n");
    return textNachAnsi(text);
}

// Reads fields as the host's line input does: a quoted field runs to the next quote, an
// unquoted one to the next comma with blanks around it removed.
std::optional<BuendelZeile> buendelZeileLesen(QStringView zeile) {
    QStringList felder;
    qsizetype i = 0;
    const qsizetype n = zeile.size();
    while (true) {
        while (i < n && zeile[i] == QLatin1Char(' '))
            ++i;
        QString feld;
        if (i < n && zeile[i] == QLatin1Char('"')) {
            const qsizetype ende = zeile.indexOf(QLatin1Char('"'), i + 1);
            if (ende < 0)
                return std::nullopt;
            feld = zeile.sliced(i + 1, ende - i - 1).toString();
            i = ende + 1;
            while (i < n && zeile[i] == QLatin1Char(' '))
                ++i;
            if (i < n && zeile[i] != QLatin1Char(','))
                return std::nullopt;
        } else {
            qsizetype ende = zeile.indexOf(QLatin1Char(','), i);
            if (ende < 0)
                ende = n;
            feld = zeile.sliced(i, ende - i).trimmed().toString();
            i = ende;
        }
        felder << feld;
        if (i >= n)
            break;
        ++i; // the comma
    }
    if (felder.size() != 3)
        return std::nullopt;
    return BuendelZeile{felder[0], felder[1], felder[2]};
}

QStringList buendelZeilen(const QByteArray& daten) {
    QStringList zeilen;
    const QString text = ansiNachText(daten);
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            zeilen << text.sliced(anfang, i - anfang);
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            anfang = i + 1;
        }
    }
    if (anfang < text.size())
        zeilen << text.sliced(anfang);
    return zeilen;
}

} // namespace tabulo
