#include "core/files/StatusDatei.h"

#include "core/common/Text.h"
#include "core/files/Ansi.h"

#include <cassert>

namespace tabulo {

StatusSatz statusSatzLesen(QByteArrayView satz) {
    assert(satz.size() >= StatusSatzLaenge);
    StatusSatz s;
    s.art = static_cast<quint8>(satz[0]);
    s.name = ansiNachText(satz.sliced(2, 10));
    s.text = ohneEndLeerzeichen(ansiNachText(satz.sliced(2, 30)));
    s.kennung = ansiNachText(satz.sliced(32, 8));
    if (s.art > FeldText)
        s.fremd = satz.sliced(2, 38).toByteArray();
    return s;
}

QByteArray statusSatzSchreiben(const Feld& feld) {
    QByteArray satz;
    satz.reserve(StatusSatzLaenge);
    satz.append(static_cast<char>(static_cast<quint8>(feld.feldtyp)));
    satz.append('\0');
    if (feld.feldtyp > FeldText || feld.feldtyp < 0) {
        // A kind we do not know: its bytes go back as they came (or blank when made here).
        QByteArray rest = feld.fremdSatz.left(38);
        if (rest.size() < 38)
            rest.append(QByteArray(38 - rest.size(), ' '));
        satz.append(rest);
        return satz;
    }
    QString text;
    QString kennung = QStringLiteral("00000000");
    if (feld.feldtyp == FeldFahrzeug) {
        text = feld.fahrzeug;
        kennung = aufBreite(feld.kennung, 8);
    } else if (feld.feldtyp == FeldText) {
        text = feld.text;
    }
    satz.append(textNachAnsi(aufBreite(text, 30)));
    satz.append(textNachAnsi(kennung));
    return satz;
}

} // namespace tabulo
