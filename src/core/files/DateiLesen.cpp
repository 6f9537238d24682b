#include "core/files/DateiLesen.h"

#include "core/files/Dateistand.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace tabulo {

LeseErgebnis dateiLesen(const QString& pfad) {
    const QFileInfo info(pfad);
    if (info.isDir())
        return {std::nullopt, QStringLiteral("Der Pfad ist ein Ordner.")};
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {std::nullopt, datei.errorString()};
    QByteArray daten = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return {std::nullopt, datei.errorString()};
    return {std::move(daten), {}};
}

bool saetzeLesen(const QString& pfad, qsizetype satzLaenge, const std::function<void(QByteArrayView)>& satz,
                 QString* fehler, Pruefsummenrechner* summe) {
    const auto scheitern = [&](const QString& grund) {
        if (fehler)
            *fehler = grund;
        return false;
    };
    if (QFileInfo(pfad).isDir())
        return scheitern(QStringLiteral("Der Pfad ist ein Ordner."));
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return scheitern(datei.errorString());
    // About 64 KiB a block: small enough to stay in the cache while its records are decoded.
    const qsizetype blockLaenge = std::max<qsizetype>(1, 65536 / satzLaenge) * satzLaenge;
    QByteArray bloecke[2] = {QByteArray(blockLaenge, Qt::Uninitialized),
                             QByteArray(blockLaenge, Qt::Uninitialized)};
    for (int b = 0;; b ^= 1) {
        char* ziel = bloecke[b].data();
        qsizetype gelesen = 0;
        while (gelesen < blockLaenge) {
            const qint64 n = datei.read(ziel + gelesen, blockLaenge - gelesen);
            if (n < 0)
                return scheitern(datei.errorString());
            if (n == 0)
                break;
            gelesen += n;
        }
        if (summe)
            summe->dazu(QByteArrayView(ziel, gelesen));
        for (qsizetype pos = 0; pos + satzLaenge <= gelesen; pos += satzLaenge)
            satz(QByteArrayView(ziel + pos, satzLaenge));
        if (gelesen < blockLaenge)
            return true;
    }
}

} // namespace tabulo

namespace tabulo {
QString leseFehlerText(const QString& pfad, const QString& grund) {
    return QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden:\n%2").arg(pfad, grund);
}
} // namespace tabulo
