#include "core/common/Rueckfrage.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace tabulo {

std::optional<QString> dateiDialogZeigen(Rueckfrage& rueckfrage, const DateiDialog& dialog) {
    auto pfad = rueckfrage.dateiWaehlen(dialog);
    if (pfad && !pfad->isEmpty()) {
        const QString ordner = QFileInfo(*pfad).absolutePath();
        QDir::setCurrent(ordner);
    }
    if (pfad && pfad->isEmpty())
        return std::nullopt;
    return pfad;
}

static QString beideSchreibweisen(const QString& muster) {
    QStringList teile;
    for (const QString& m : muster.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString klein = m.trimmed().toLower();
        const QString gross = m.trimmed().toUpper();
        teile << klein;
        if (gross != klein)
            teile << gross;
    }
    return teile.join(QLatin1Char(' '));
}

QStringList qtFilterListe(const QString& hostFilter) {
    const QStringList teile = hostFilter.split(QLatin1Char('|'));
    QStringList liste;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        QString beschreibung = teile[i];
        const QString muster = teile[i + 1];
        if (beschreibung.isEmpty())
            continue;
        // Qt reads the patterns from the parentheses of the description.
        const qsizetype auf = beschreibung.lastIndexOf(QLatin1Char('('));
        if (auf >= 0)
            beschreibung = beschreibung.left(auf).trimmed();
        liste << QStringLiteral("%1 (%2)").arg(beschreibung, beideSchreibweisen(muster));
    }
    return liste;
}

} // namespace tabulo
