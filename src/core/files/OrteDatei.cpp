#include "core/files/OrteDatei.h"

#include "core/common/Text.h"
#include "core/files/Ansi.h"

namespace tabulo {

QStringList ortSaetzeLesen(QByteArrayView daten) {
    QStringList saetze;
    saetze.reserve(daten.size() / OrtSatzLaenge);
    for (qsizetype pos = 0; pos + OrtSatzLaenge <= daten.size(); pos += OrtSatzLaenge)
        saetze << ansiNachText(daten.sliced(pos, OrtSatzLaenge));
    return saetze;
}

QByteArray orteSchreiben(const Ortstabelle& tabelle) {
    QByteArray daten;
    for (int i = 0; i < OrtSlots; ++i) {
        const QString& text = tabelle.text[i];
        if (text.size() <= 40)
            continue;
        const QByteArray loo = textNachAnsi(text.left(3));
        const QByteArray name = textNachAnsi(aufBreite(text.mid(4, 50), 50));
        for (int d = 0; d < 16; ++d) {
            if (!(tabelle.maske[i] & (1u << d)))
                continue;
            daten.append(static_cast<char>(hexZeichen(d).unicode()));
            daten.append(loo);
            daten.append(name);
        }
    }
    return daten;
}

} // namespace tabulo
