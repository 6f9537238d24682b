#include "core/common/Text.h"

#include <cmath>
#include <limits>

namespace tabulo {

double fuehrendeZahl(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negativ = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    double wert = 0;
    bool ziffern = false;
    while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        wert = wert * 10 + (text[i].unicode() - '0');
        ziffern = true;
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        double stelle = 0.1;
        while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
            wert += stelle * (text[i].unicode() - '0');
            stelle /= 10;
            ziffern = true;
            ++i;
        }
    }
    if (!ziffern || !std::isfinite(wert))
        return 0;
    return negativ ? -wert : wert;
}

int fuehrendeGanzzahl(QStringView text) {
    const double wert = std::trunc(fuehrendeZahl(text));
    if (wert >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (wert <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(wert);
}

QString zahlText(qint64 zahl) {
    return QString::number(zahl);
}

int hexZiffer(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

QChar hexZeichen(int wert) {
    static const char ziffern[] = "0123456789ABCDEF";
    return QLatin1Char(ziffern[wert & 15]);
}

int HexWert(QString& s) {
    s = s.left(1).toUpper();
    if (s.isEmpty())
        return 0;
    const int wert = hexZiffer(s[0]);
    return wert < 0 ? 0 : wert;
}

QString TextErsetzen(QStringView text, QStringView such, QStringView ersatz) {
    if (such.isEmpty())
        return text.toString();
    QString ergebnis;
    ergebnis.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.mid(i).startsWith(such)) {
            ergebnis += ersatz;
            i += such.size();
        } else {
            ergebnis += text[i];
            ++i;
        }
    }
    return ergebnis;
}

QString rechtsAuffuellen(const QString& text, int breite, QChar fuellung) {
    if (text.size() >= breite)
        return text;
    return text + QString(breite - text.size(), fuellung);
}

QString aufBreite(const QString& text, int breite) {
    return rechtsAuffuellen(text.left(breite), breite);
}

QString ohneEndLeerzeichen(const QString& text) {
    qsizetype ende = text.size();
    while (ende > 0 && text[ende - 1] == QLatin1Char(' '))
        --ende;
    return text.left(ende);
}

QString ohneRandLeerzeichen(const QString& text) {
    qsizetype anfang = 0;
    while (anfang < text.size() && text[anfang] == QLatin1Char(' '))
        ++anfang;
    return ohneEndLeerzeichen(text.mid(anfang));
}

} // namespace tabulo
