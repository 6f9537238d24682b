#include "core/files/Csv.h"

#include "core/files/Ansi.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace tabulo {

namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");

bool mussQuotiert(QStringView text, QChar trenner) {
    for (QChar c : text)
        if (c == trenner || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    return false;
}

// Control characters other than tab and line ends do not occur in a text table.
bool binaer(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c.unicode() == 0x7F;
}

QString dekodieren(QByteArrayView bytes, CsvKodierung kodierung) {
    if (kodierung == CsvKodierung::Ansi)
        return ansiNachText(bytes);
    if (bytes.startsWith(Bom))
        bytes = bytes.sliced(Bom.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return utf8.decode(bytes);
}

// The most frequent separator in the first row, outside quotes; a semicolon when none occurs.
QChar trennerErkennen(QStringView text) {
    constexpr std::array<char16_t, 3> kandidaten = {u';', u',', u'\t'};
    std::array<int, 3> anzahl{};
    bool inQuote = false;
    for (QChar c : text) {
        if (c == u'"')
            inQuote = !inQuote;
        else if (!inQuote && (c == u'\n' || c == u'\r'))
            break;
        else if (!inQuote)
            for (size_t k = 0; k < kandidaten.size(); ++k)
                anzahl[k] += c == kandidaten[k];
    }
    size_t best = 0;
    for (size_t k = 1; k < kandidaten.size(); ++k)
        if (anzahl[k] > anzahl[best])
            best = k;
    return QChar(kandidaten[best]);
}

bool leer(const QStringList& felder) {
    for (const QString& f : felder)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

CsvSchreiber::CsvSchreiber(QChar trenner, qsizetype erwarteteZeichen) : m_trenner(trenner) {
    m_text.reserve(erwarteteZeichen);
}

void CsvSchreiber::feld(QStringView text) {
    if (!m_ersteSpalte)
        m_text += m_trenner;
    m_ersteSpalte = false;
    if (!mussQuotiert(text, m_trenner)) {
        m_text += text;
        return;
    }
    m_text += u'"';
    for (QChar c : text) {
        if (c == u'"')
            m_text += u'"';
        m_text += c;
    }
    m_text += u'"';
}

void CsvSchreiber::zeileEnde() {
    m_text += QLatin1String("\r\n");
    m_ersteSpalte = true;
}

QByteArray CsvSchreiber::bytes(CsvKodierung kodierung) const {
    if (kodierung == CsvKodierung::Ansi)
        return textNachAnsi(m_text);
    return Bom + m_text.toUtf8();
}

CsvKodierung csvKodierungErkennen(QByteArrayView bytes) {
    if (bytes.startsWith(Bom))
        return CsvKodierung::Utf8;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString probe = utf8.decode(bytes);
    return utf8.hasError() ? CsvKodierung::Ansi : CsvKodierung::Utf8;
}

CsvDaten csvLesen(QByteArrayView bytes) {
    const CsvKodierung kodierung = csvKodierungErkennen(bytes);
    return csvLesen(bytes, CsvFormat{trennerErkennen(dekodieren(bytes, kodierung)), kodierung});
}

CsvDaten csvLesen(QByteArrayView bytes, CsvFormat format) {
    CsvDaten daten;
    daten.format = format;
    const QString text = dekodieren(bytes, format.kodierung);
    const QChar trenner = format.trenner;
    const qsizetype n = text.size();
    int zeile = 1;
    CsvZeile aktuell{1, {}};
    QString feld;
    qsizetype i = 0;
    auto zeileAbschliessen = [&] {
        aktuell.felder.append(feld);
        feld.clear();
        if (!leer(aktuell.felder)) {
            daten.spalten = std::max(daten.spalten, static_cast<int>(aktuell.felder.size()));
            daten.zeilen.push_back(std::move(aktuell));
        }
        aktuell = CsvZeile{zeile, {}};
    };
    // A refused file keeps only its message, no rows.
    auto abweisen = [&](const QString& fehler) {
        daten.fehler = fehler;
        daten.zeilen.clear();
        daten.spalten = 0;
        return daten;
    };
    auto zeilenEnde = [&](qsizetype& pos) {
        // CR LF, LF or a lone CR end a line.
        if (text[pos] == u'\r' && pos + 1 < n && text[pos + 1] == u'\n')
            ++pos;
        ++pos;
        ++zeile;
    };
    while (i < n) {
        const QChar c = text[i];
        if (binaer(c)) {
            return abweisen(
                QStringLiteral("Zeile %1 enth\u00e4lt Steuerzeichen; die Datei ist keine CSV-Datei.")
                    .arg(zeile));
        }
        if (c == u'"' && feld.isEmpty()) {
            // A quoted field: up to the quote that is not doubled; what follows it up to the
            // separator is taken as it stands.
            const int beginn = zeile;
            ++i;
            bool geschlossen = false;
            while (i < n) {
                const QChar q = text[i];
                if (q == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        feld += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    geschlossen = true;
                    break;
                }
                if (binaer(q))
                    break;
                if (q == u'\n' || (q == u'\r' && !(i + 1 < n && text[i + 1] == u'\n')))
                    ++zeile;
                feld += q;
                ++i;
            }
            if (!geschlossen && (i >= n || !binaer(text[i]))) {
                return abweisen(
                    QStringLiteral("Das Anf\u00fchrungszeichen in Zeile %1 wird nicht geschlossen.")
                        .arg(beginn));
            }
            continue;
        }
        if (c == trenner) {
            aktuell.felder.append(feld);
            feld.clear();
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            zeilenEnde(i);
            zeileAbschliessen();
        } else {
            // Plain text up to the next separator, quote or line end, in one piece.
            qsizetype j = i + 1;
            while (j < n && text[j] != trenner && text[j] != u'\n' && text[j] != u'\r' && !binaer(text[j]))
                ++j;
            feld += QStringView(text).sliced(i, j - i);
            i = j;
        }
    }
    if (!feld.isEmpty() || !aktuell.felder.isEmpty())
        zeileAbschliessen();
    return daten;
}

} // namespace tabulo
