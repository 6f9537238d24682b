#include "files/DateiLesen.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace tabulo

namespace tabulo {
QString leseFehlerText(const QString& pfad, const QString& grund) {
    return QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden:\n%2").arg(pfad, grund);
}
} // namespace tabulo
