#include "core/files/StandardDatei.h"

#include <QDir>
#include <algorithm>

namespace tabulo {

QString pfadVerbinden(const QString& ordner, const QString& name) {
    if (ordner.isEmpty())
        return name;
    QString pfad = QDir::fromNativeSeparators(ordner);
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return QDir::toNativeSeparators(pfad + name);
}

QStringList schreibweisen(const QString& ordner, const QString& name) {
    const QDir dir(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    QStringList gefunden;
    // Files only: a folder of that name neither hides a file nor stands in for one.
    for (const QString& eintrag : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
        if (eintrag.compare(name, Qt::CaseInsensitive) == 0)
            gefunden.append(eintrag);
    std::sort(gefunden.begin(), gefunden.end());
    return gefunden;
}

QString standardDatei(const QString& ordner, const QString& name) {
    const QStringList gefunden = schreibweisen(ordner, name);
    return pfadVerbinden(ordner, gefunden.isEmpty() ? name : gefunden.front());
}

QString standardDateiImArbeitsordner(const QString& name) {
    return standardDatei(QDir::currentPath(), name);
}

} // namespace tabulo
