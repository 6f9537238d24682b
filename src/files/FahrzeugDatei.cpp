#include "files/FahrzeugDatei.h"

#include "files/Ansi.h"
#include "model/Text.h"

#include <algorithm>
#include <cassert>

namespace tabulo {

Fahrzeug fahrzeugSatzLesen(QByteArrayView satz) {
    assert(satz.size() >= FahrzeugSatzLaenge);
    const auto byte = [&](int i) { return static_cast<quint8>(satz[i]); };
    Fahrzeug f;
    f.kennung = ansiNachText(satz.sliced(0, 8));
    f.rufname = ansiNachText(satz.sliced(8, 10));
    f.info = ansiNachText(satz.sliced(18, 20));
    f.stat = zahlText(byte(38));
    f.zeit = ansiNachText(satz.sliced(40, 8));
    f.folgetelegramm = zahlText(byte(48)) + zahlText(byte(49));
    f.datentelegramm = ansiNachText(satz.sliced(50, 100));
    f.bemerkung = ansiNachText(satz.sliced(152, 256));
    return f;
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
    return zahlAlsByte(QString(letzte ? text.back() : text.front()));
}

QByteArray fahrzeugSatzSchreiben(const Fahrzeug& f, bool aufgenommen) {
    QByteArray satz;
    satz.reserve(FahrzeugSatzLaenge);
    satz.append(textNachAnsi(aufBreite(f.kennung, breite::Kennung)));
    satz.append(textNachAnsi(aufBreite(f.rufname, breite::Rufname)));
    satz.append(textNachAnsi(aufBreite(f.info, breite::Info)));
    satz.append(static_cast<char>(zahlAlsByte(f.stat)));
    satz.append('\0');
    satz.append(textNachAnsi(aufBreite(f.zeit, breite::Zeit)));
    satz.append(static_cast<char>(zifferAlsByte(f.folgetelegramm, false)));
    satz.append(static_cast<char>(zifferAlsByte(f.folgetelegramm, true)));
    satz.append(textNachAnsi(aufBreite(f.datentelegramm, breite::Datentelegramm)));
    satz.append(aufgenommen ? '\1' : '\0');
    satz.append('\0');
    satz.append(textNachAnsi(aufBreite(f.bemerkung, breite::Bemerkung)));
    return satz;
}

std::vector<Fahrzeug> fahrzeugSaetzeLesen(QByteArrayView daten) {
    std::vector<Fahrzeug> liste;
    liste.reserve(daten.size() / FahrzeugSatzLaenge);
    for (qsizetype pos = 0; pos + FahrzeugSatzLaenge <= daten.size(); pos += FahrzeugSatzLaenge)
        liste.push_back(fahrzeugSatzLesen(daten.sliced(pos, FahrzeugSatzLaenge)));
    return liste;
}

} // namespace tabulo
