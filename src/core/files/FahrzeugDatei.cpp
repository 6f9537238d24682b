#include "core/files/FahrzeugDatei.h"

#include "core/common/Text.h"
#include "core/files/Ansi.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>

namespace tabulo {

namespace {

// The decimal texts of the byte values, shared by every entry instead of made for each.
const QString& byteText(quint8 wert) {
    static const auto texte = [] {
        std::array<QString, 256> t;
        for (int i = 0; i < 256; ++i)
            t[i] = zahlText(i);
        return t;
    }();
    return texte[wert];
}

QString folgetelegrammText(quint8 erste, quint8 zweite) {
    static const auto paare = [] {
        std::array<QString, 100> t;
        for (int i = 0; i < 100; ++i)
            t[i] = zahlText(i / 10) + zahlText(i % 10);
        return t;
    }();
    if (erste < 10 && zweite < 10)
        return paare[erste * 10 + zweite];
    return byteText(erste) + byteText(zweite);
}

QString spalte(QByteArrayView satz, qsizetype von, qsizetype laenge, const Fahrzeug* vorher,
               QByteArrayView vorherSatz, QString Fahrzeug::*feld) {
    const QByteArrayView bytes = satz.sliced(von, laenge);
    if (vorher && std::memcmp(bytes.data(), vorherSatz.data() + von, size_t(laenge)) == 0)
        return vorher->*feld;
    return ansiNachText(bytes);
}

Fahrzeug satzLesen(QByteArrayView satz, const Fahrzeug* vorher, QByteArrayView vorherSatz) {
    assert(satz.size() >= FahrzeugSatzLaenge);
    const auto byte = [&](int i) { return static_cast<quint8>(satz[i]); };
    const auto text = [&](qsizetype von, qsizetype laenge, QString Fahrzeug::*feld) {
        return spalte(satz, von, laenge, vorher, vorherSatz, feld);
    };
    Fahrzeug f;
    f.kennung = text(0, 8, &Fahrzeug::kennung);
    f.rufname = text(8, 10, &Fahrzeug::rufname);
    f.info = text(18, 20, &Fahrzeug::info);
    f.stat = byteText(byte(38));
    f.zeit = text(40, 8, &Fahrzeug::zeit);
    f.folgetelegramm = folgetelegrammText(byte(48), byte(49));
    f.datentelegramm = text(50, 100, &Fahrzeug::datentelegramm);
    f.bemerkung = text(152, 256, &Fahrzeug::bemerkung);
    return f;
}

} // namespace

Fahrzeug fahrzeugSatzLesen(QByteArrayView satz) {
    return satzLesen(satz, nullptr, {});
}

void FahrzeugSatzLeser::anhaengen(QByteArrayView satz) {
    const bool folgt = !m_vorherSatz.isNull() && !m_ziel.empty();
    m_ziel.push_back(satzLesen(satz, folgt ? &m_ziel.back() : nullptr, m_vorherSatz));
    m_vorherSatz = satz;
}

void fahrzeugAuffuellen(Fahrzeug& f) {
    f.rufname = rechtsAuffuellen(f.rufname, breite::Rufname);
    f.kennung = rechtsAuffuellen(f.kennung, breite::Kennung);
    f.info = rechtsAuffuellen(f.info, breite::Info);
    f.bemerkung = rechtsAuffuellen(f.bemerkung, breite::Bemerkung);
    f.datentelegramm = rechtsAuffuellen(f.datentelegramm, breite::Datentelegramm);
}

quint8 zahlAlsByte(const QString& text) {
    // Clamped as an integer that is already in range: a text like "99999999999" must not reach
    // a conversion of a double that does not fit.
    return static_cast<quint8>(std::clamp(fuehrendeGanzzahl(text), 0, 255));
}

static quint8 zifferAlsByte(const QString& text, bool letzte) {
    if (text.isEmpty())
        return 0;
    const QChar ziffer = letzte ? text.back() : text.front();
    return static_cast<quint8>(std::clamp(fuehrendeGanzzahl(QStringView(&ziffer, 1)), 0, 255));
}

void fahrzeugSatzAnhaengen(QByteArray& ziel, const Fahrzeug& f, bool aufgenommen) {
    ansiFeldAnhaengen(ziel, f.kennung, breite::Kennung);
    ansiFeldAnhaengen(ziel, f.rufname, breite::Rufname);
    ansiFeldAnhaengen(ziel, f.info, breite::Info);
    ziel.append(static_cast<char>(zahlAlsByte(f.stat)));
    ziel.append('\0');
    ansiFeldAnhaengen(ziel, f.zeit, breite::Zeit);
    ziel.append(static_cast<char>(zifferAlsByte(f.folgetelegramm, false)));
    ziel.append(static_cast<char>(zifferAlsByte(f.folgetelegramm, true)));
    ansiFeldAnhaengen(ziel, f.datentelegramm, breite::Datentelegramm);
    ziel.append(aufgenommen ? '\1' : '\0');
    ziel.append('\0');
    ansiFeldAnhaengen(ziel, f.bemerkung, breite::Bemerkung);
}

QByteArray fahrzeugSatzSchreiben(const Fahrzeug& f, bool aufgenommen) {
    QByteArray satz;
    satz.reserve(FahrzeugSatzLaenge);
    fahrzeugSatzAnhaengen(satz, f, aufgenommen);
    return satz;
}

std::vector<Fahrzeug> fahrzeugSaetzeLesen(QByteArrayView daten) {
    std::vector<Fahrzeug> liste;
    liste.reserve(daten.size() / FahrzeugSatzLaenge);
    FahrzeugSatzLeser leser(liste);
    for (qsizetype pos = 0; pos + FahrzeugSatzLaenge <= daten.size(); pos += FahrzeugSatzLaenge)
        leser.anhaengen(daten.sliced(pos, FahrzeugSatzLaenge));
    return liste;
}

} // namespace tabulo
