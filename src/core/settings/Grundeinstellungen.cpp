#include "core/settings/Grundeinstellungen.h"

#include "core/common/Text.h"
#include "core/files/EinstellungsSpeicher.h"

#include <cmath>

namespace tabulo {

namespace {
const QString TgVorlaufMin = QStringLiteral("TgVorlaufMin");
const QString TgVorlaufMax = QStringLiteral("TgVorlaufMax");
const QString Spaltenbreite = QStringLiteral("Spaltenbreite");
constexpr int StandardMin = 14;
constexpr int StandardMax = 38;

int ganzzahlOder(const QString& text, int ersatz) {
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    // Half-bit values beyond a 16-bit number are no lead-in either.
    if (!ok || wert < -32768 || wert > 32767)
        return ersatz;
    return wert;
}
} // namespace

double rundenGerade(double wert) {
    const double unten = std::floor(wert);
    const double rest = wert - unten;
    if (rest < 0.5)
        return unten;
    if (rest > 0.5)
        return unten + 1;
    return std::fmod(unten, 2.0) == 0 ? unten : unten + 1;
}

Telegrammvorlauf vorlaufLesen(const EinstellungsSpeicher& speicher) {
    const int mn = ganzzahlOder(
        speicher.lesen(anwendung::Velastat, sektion::Einstellungen, TgVorlaufMin, zahlText(StandardMin)),
        StandardMin);
    const int mx = ganzzahlOder(
        speicher.lesen(anwendung::Velastat, sektion::Einstellungen, TgVorlaufMax, zahlText(StandardMax)),
        StandardMax);
    return {mn / 2, mx / 2};
}

VorlaufKorrektur vorlaufKorrigieren(QStringView minText, QStringView maxText) {
    double mn = fuehrendeZahl(minText);
    double mx = fuehrendeZahl(maxText);
    VorlaufKorrektur k;
    if (mn >= mx)
        mn = mx - 1;
    if (mn < 3)
        mn = 3;
    if (mn > 50) {
        mn = 50;
        k.minimumAuf50 = true;
    }
    if (mx <= mn)
        mx = mn + 1;
    if (mx < 6)
        mx = 6;
    if (mx > 100)
        mx = 100;
    k.vorlauf = {static_cast<int>(rundenGerade(mn)), static_cast<int>(rundenGerade(mx))};
    return k;
}

void vorlaufSpeichern(EinstellungsSpeicher& speicher, const Telegrammvorlauf& vorlauf) {
    speicher.speichern(anwendung::Velastat, sektion::Einstellungen, TgVorlaufMin, zahlText(2 * vorlauf.min));
    speicher.speichern(anwendung::Velastat, sektion::Einstellungen, TgVorlaufMax, zahlText(2 * vorlauf.max));
}

void vorlaufLoeschen(EinstellungsSpeicher& speicher) {
    speicher.loeschen(anwendung::Velastat, sektion::Einstellungen, TgVorlaufMin);
    speicher.loeschen(anwendung::Velastat, sektion::Einstellungen, TgVorlaufMax);
}

QString spaltenbreiteLesen(const EinstellungsSpeicher& speicher) {
    return speicher.lesen(anwendung::Velastat, sektion::Ton5, Spaltenbreite, QStringLiteral("758"));
}

QString spaltenbreiteKorrigieren(const QString& text) {
    QString ergebnis = text;
    if (fuehrendeZahl(ergebnis) > 3000)
        ergebnis = QStringLiteral("3000");
    if (fuehrendeZahl(ergebnis) < 500)
        ergebnis = QStringLiteral("500");
    return ergebnis;
}

void spaltenbreiteSpeichern(EinstellungsSpeicher& speicher, const QString& text) {
    qsizetype anfang = 0;
    while (anfang < text.size() && text[anfang] == QLatin1Char(' '))
        ++anfang;
    speicher.speichern(anwendung::Velastat, sektion::Ton5, Spaltenbreite, text.mid(anfang));
}

void spaltenbreiteLoeschen(EinstellungsSpeicher& speicher) {
    speicher.loeschen(anwendung::Velastat, sektion::Ton5, Spaltenbreite);
}

} // namespace tabulo
