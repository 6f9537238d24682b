#include "core/common/Handbuch.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {

QStringList handbuchOrte(const QString& programmOrdner) {
    const QDir d(programmOrdner);
    QStringList orte;
    for (const char* unterordner : {".", "../docs", "../share/doc/tabulo"})
        orte << QDir::cleanPath(d.absoluteFilePath(QString::fromLatin1(unterordner) + QLatin1Char('/') +
                                                   handbuchtext::Dateiname));
    return orte;
}

QString handbuchSuchen(const QString& programmOrdner) {
    for (const QString& ort : handbuchOrte(programmOrdner))
        if (QFileInfo(ort).isFile())
            return ort;
    return {};
}

QString handbuchFehltText(const QString& programmOrdner) {
    QStringList orte;
    for (const QString& ort : handbuchOrte(programmOrdner))
        orte << QDir::toNativeSeparators(ort);
    return QStringLiteral("Das Benutzerhandbuch wurde nicht gefunden. Gesucht wurde hier:\n\n") +
           orte.join(QLatin1Char('\n'));
}

} // namespace tabulo
