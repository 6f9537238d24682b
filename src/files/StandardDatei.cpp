#include "files/StandardDatei.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {

QString pfadVerbinden(const QString& ordner, const QString& name) {
    if (ordner.isEmpty())
        return name;
    QString pfad = QDir::fromNativeSeparators(ordner);
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return QDir::toNativeSeparators(pfad + name);
}

QString standardDatei(const QString& ordner, const QString& name) {
    const QString genau = pfadVerbinden(ordner, name);
    if (QFileInfo::exists(genau))
        return genau;
    const QDir dir(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    const QStringList eintraege =
        dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& eintrag : eintraege)
        if (eintrag.compare(name, Qt::CaseInsensitive) == 0)
            return pfadVerbinden(ordner, eintrag);
    return genau;
}

QString standardDateiImArbeitsordner(const QString& name) {
    return standardDatei(QDir::currentPath(), name);
}

} // namespace tabulo
