#pragma once

#include "core/files/Dateistand.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <map>

namespace tabulo {

class Arbeitsbereich;

// Watches the file each document was last read from or written to, and says when another
// program has changed one. The file system's notices miss changes on network shares, so every
// window that gets the focus looks as well. It never reloads anything itself.
class Dateiwache : public QObject {
    Q_OBJECT

public:
    explicit Dateiwache(Arbeitsbereich& ab, QObject* parent = nullptr);

    // Compares every document's file with what the program last read or wrote.
    void pruefen();

signals:
    // A document's file changed; each state on disk is told once.
    void geaendert(quint16 dokument, const QString& pfad, DateiAenderung art);
    // The document's file is as the program knows it again (it was saved or read).
    void wiederGleich(quint16 dokument);

private:
    void pfadeFolgen();

    Arbeitsbereich& m_ab;
    QFileSystemWatcher m_waechter;
    QTimer m_verzoegerung; // a writer's bursts give one look
    struct Gemeldet {
        bool vorhanden;
        qint64 groesse;
        QDateTime zeit;
        bool operator==(const Gemeldet&) const = default;
    };
    std::map<quint16, Gemeldet> m_gemeldet;
};

} // namespace tabulo
