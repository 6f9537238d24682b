#include "support/Uebersicht.h"

namespace tabulo::test {

QByteArray statusSatz(quint8 art, QByteArray text, QByteArray kennung, char byte1) {
    QByteArray s;
    s.append(static_cast<char>(art));
    s.append(byte1);
    s.append(text.leftJustified(30, ' ', true));
    s.append(kennung.leftJustified(8, ' ', true));
    return s;
}

QByteArray statusDatei(const QList<QByteArray>& saetze) {
    QByteArray d;
    for (const QByteArray& s : saetze)
        d.append(s);
    while (d.size() < 16640)
        d.append(statusSatz(0, {}));
    return d;
}

QByteArray fahrzeugSatz(const QByteArray& kennung, const QByteArray& rufname, quint8 status,
                        const QByteArray& zeit, const QByteArray& info) {
    QByteArray s(408, ' ');
    s.replace(0, 8, kennung.leftJustified(8, ' ', true));
    s.replace(8, 10, rufname.leftJustified(10, ' ', true));
    s.replace(18, 20, info.leftJustified(20, ' ', true));
    s[38] = static_cast<char>(status);
    s[39] = '\0';
    s.replace(40, 8, zeit.leftJustified(8, ' ', true));
    s[48] = '\0';
    s[49] = '\1';
    s[150] = '\0';
    s[151] = '\0';
    return s;
}

QByteArray ortSatz(char bos, const QByteArray& loo, const QByteArray& name) {
    QByteArray s;
    s.append(bos);
    s.append(loo.leftJustified(3, '0', true));
    s.append(name.leftJustified(50, ' ', true));
    return s;
}

} // namespace tabulo::test
