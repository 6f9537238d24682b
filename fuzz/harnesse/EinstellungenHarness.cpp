#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/settings/Grundeinstellungen.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tabulo::fuzz {

namespace {

// A stored value, or nothing when the piece starts with 0x01 (the key is absent).
std::optional<QString> wert(Eingabe& eingabe) {
    const QByteArrayView stueck = eingabe.stueck();
    if (!stueck.isEmpty() && stueck[0] == '\x01')
        return std::nullopt;
    return QString::fromUtf8(stueck);
}

// The colour a plain decimal text of 0 to 0xFFFFFF stands for.
std::optional<Farbe> farbText(const QString& text) {
    if (text.isEmpty() || text.size() > 8 || (text.size() > 1 && text[0] == QLatin1Char('0')))
        return std::nullopt;
    Farbe zahl = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        zahl = zahl * 10 + (c.unicode() - '0');
    }
    return zahl <= 0xFFFFFFu ? std::optional<Farbe>(zahl) : std::nullopt;
}

struct Eintrag {
    QString sektion;
    QString schluessel;
    std::optional<QString> wert;
};

} // namespace

// Whatever the store holds, start-up reads it without harm: names and titles as they stand,
// colours only when they are colours.
void einstellungenHarness(QByteArrayView daten) {
    Eingabe eingabe(daten);
    std::vector<Eintrag> eintraege;
    for (int k = 0; k < 2; ++k)
        eintraege.push_back({sektion::Richtungskennung, zahlText(k), wert(eingabe)});
    for (int k = 0; k < 10; ++k)
        eintraege.push_back({sektion::Statusfarben, zahlText(k), wert(eingabe)});
    for (int w = 1; w <= AnzahlFenster; ++w)
        eintraege.push_back({sektion::Fahrzeuguebersicht, zahlText(w), wert(eingabe)});
    for (int k = 0; k < 16; ++k) {
        eintraege.push_back({sektion::BosKennung, zahlText(k), wert(eingabe)});
        eintraege.push_back({sektion::Landeskennung, zahlText(k), wert(eingabe)});
    }

    const std::optional<QString> vorlaufMin = wert(eingabe);
    const std::optional<QString> vorlaufMax = wert(eingabe);
    const std::optional<QString> spaltenbreite = wert(eingabe);

    SpeicherImSpeicher speicher;
    for (const Eintrag& e : eintraege)
        if (e.wert)
            speicher.speichern(anwendung::Velastat, e.sektion, e.schluessel, *e.wert);
    if (vorlaufMin)
        speicher.speichern(anwendung::Velastat, sektion::Einstellungen, QStringLiteral("TgVorlaufMin"),
                           *vorlaufMin);
    if (vorlaufMax)
        speicher.speichern(anwendung::Velastat, sektion::Einstellungen, QStringLiteral("TgVorlaufMax"),
                           *vorlaufMax);
    if (spaltenbreite)
        speicher.speichern(anwendung::Velastat, sektion::Ton5, QStringLiteral("Spaltenbreite"),
                           *spaltenbreite);
    const DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    ab.einstellungenLesen();

    std::size_t i = 0;
    for (int k = 0; k < 2; ++k, ++i)
        FUZZ_PRUEFEN(ab.richtungsname[k] == eintraege[i].wert.value_or(QStringLiteral("FZ<->LST")));
    for (int k = 0; k < 10; ++k, ++i) {
        const Farbe f = ab.statusfarbe[k];
        FUZZ_PRUEFEN(f <= 0xFFFFFFu); // never a system colour from the store
        const std::optional<QString>& w = eintraege[i].wert;
        if (!w)
            FUZZ_PRUEFEN(f == StandardStatusfarben[k]);
        else if (const auto zahl = farbText(*w))
            FUZZ_PRUEFEN(f == *zahl);
        else // a colour never comes from nowhere
            FUZZ_PRUEFEN(f == StandardStatusfarben[k] || w->contains(zahlText(f)));
    }
    FUZZ_PRUEFEN(ab.statusfarbe[10] == 0);
    for (int w = 0; w < AnzahlFenster; ++w, ++i)
        FUZZ_PRUEFEN(ab.fensterTitel[w] == eintraege[i].wert.value_or(EntwurfsTitel[w]));
    for (int k = 0; k < 16; ++k, i += 2) {
        FUZZ_PRUEFEN(ab.bosName[k] == eintraege[i].wert.value_or(QStringLiteral("Undefiniert")));
        FUZZ_PRUEFEN(ab.landName[k] == eintraege[i + 1].wert.value_or(QStringLiteral("Undefiniert")));
    }

    // The host settings dialog: the lead-in is half a stored whole number or the default, the
    // column width the stored text; whatever the boxes then hold is corrected into range.
    const Telegrammvorlauf vorlauf = vorlaufLesen(speicher);
    FUZZ_PRUEFEN(std::abs(vorlauf.min) <= 16384 && std::abs(vorlauf.max) <= 16384);
    if (!vorlaufMin)
        FUZZ_PRUEFEN(vorlauf.min == 7);
    if (!vorlaufMax)
        FUZZ_PRUEFEN(vorlauf.max == 19);
    FUZZ_PRUEFEN(spaltenbreiteLesen(speicher) == spaltenbreite.value_or(QStringLiteral("758")));
    const QString minText = vorlaufMin.value_or(QString());
    const QString maxText = vorlaufMax.value_or(QString());
    for (const auto& [a, b] : {std::pair{minText, maxText}, std::pair{maxText, minText}}) {
        const VorlaufKorrektur k = vorlaufKorrigieren(a, b);
        FUZZ_PRUEFEN(k.vorlauf.min >= 3 && k.vorlauf.min <= 50);
        FUZZ_PRUEFEN(k.vorlauf.max >= 6 && k.vorlauf.max <= 100);
        FUZZ_PRUEFEN(k.vorlauf.min <= k.vorlauf.max);
    }
    for (const QString& text : {spaltenbreite.value_or(QString()), minText, maxText}) {
        const double breite = fuehrendeZahl(spaltenbreiteKorrigieren(text));
        FUZZ_PRUEFEN(breite >= 500 && breite <= 3000);
    }

    // A status caption of any text finds a colour of the table or the neutral one.
    for (const Eintrag& e : eintraege) {
        if (!e.wert)
            continue;
        const Farbe f = ab.statusFarbeFuer(*e.wert);
        FUZZ_PRUEFEN(f == farbe::OhneStatusfarbe ||
                     std::find(ab.statusfarbe.begin(), ab.statusfarbe.end(), f) != ab.statusfarbe.end());
    }
}

} // namespace tabulo::fuzz
