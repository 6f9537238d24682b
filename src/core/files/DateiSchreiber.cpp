#include "core/files/DateiSchreiber.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tabulo {

SchreibErgebnis DateiSchreiber::schreiben(const QString& pfad, const QByteArray& daten) const {
    if (QFileInfo(pfad).isDir())
        return {false, QStringLiteral("Der Pfad ist ein Ordner.")};
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return {false, datei.errorString()};
    if (datei.write(daten) != daten.size()) {
        const QString grund = datei.errorString();
        datei.cancelWriting();
        return {false, grund};
    }
    if (!datei.commit())
        return {false, datei.errorString()};
    return {};
}

QString schreibFehlerText(const QString& pfad, const QString& grund) {
    return QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden:\n%2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

} // namespace tabulo
