#include "core/common/Schreibweisen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/files/StandardDatei.h"
#include "core/overview/StatusBefehle.h"
#include "core/places/OrteLadenSpeichern.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {

namespace {
const QString Titel = QStringLiteral("Mehrere Schreibweisen");
} // namespace

QString standardDateiMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const QString& ordner,
                            const QString& name) {
    const QStringList varianten = schreibweisen(ordner, name);
    const QString pfad = pfadVerbinden(ordner, varianten.isEmpty() ? name : varianten.front());
    if (varianten.size() < 2)
        return pfad;
    const QString schluessel = QFileInfo(pfad).absoluteFilePath();
    if (ab.gemeldeteSchreibweisen.contains(schluessel))
        return pfad;
    ab.gemeldeteSchreibweisen.append(schluessel);
    rueckfrage.meldung(
        Titel,
        QStringLiteral("Im Ordner \"%1\" gibt es mehrere Dateien, deren Namen sich nur in der "
                       "Gro\u00df- und Kleinschreibung unterscheiden:\n\n%2\n\nTabulo liest und "
                       "speichert nur \"%3\"; die anderen bleiben unver\u00e4ndert.")
            .arg(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath()), varianten.join(QLatin1Char('\n')),
                 varianten.front()),
        Symbol::Ausrufezeichen);
    return pfad;
}

void startDateienMelden(Arbeitsbereich& ab, Rueckfrage& rueckfrage) {
    for (const QString& name :
         {QStringLiteral("Fahrzeug.bin"), statustext::StartDateiname, orteText::Standarddatei})
        standardDateiMelden(ab, rueckfrage, ab.startverzeichnis, name);
}

} // namespace tabulo
