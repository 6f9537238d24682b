#include "support/FehlerSchreiber.h"

#include <QDir>
#include <QSaveFile>

namespace tabulo::test {

SchreibErgebnis FehlerSchreiber::schreiben(const QString& pfad, const QByteArray& daten) const {
    if (!m_muster.isEmpty() && !QDir::fromNativeSeparators(pfad).contains(m_muster, Qt::CaseInsensitive))
        return DateiSchreiber::schreiben(pfad, daten);
    ++versuche;
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return {false, datei.errorString()};
    if (m_art == Art::NachBytes && daten.size() > m_bytes) {
        datei.write(daten.left(m_bytes));
        datei.cancelWriting();
        return {false, QStringLiteral(
                           "Auf dem Datentr\u00e4ger ist nicht gen\u00fcgend Speicherplatz verf\u00fcgbar.")};
    }
    datei.write(daten);
    if (m_art == Art::BeimAbschluss) {
        datei.cancelWriting();
        return {false, QStringLiteral("Die Datei konnte nicht umbenannt werden.")};
    }
    if (!datei.commit())
        return {false, datei.errorString()};
    return {};
}

} // namespace tabulo::test
