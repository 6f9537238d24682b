#include "ui/Dateiwache.h"

#include "core/common/Arbeitsbereich.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QWindow>

namespace tabulo {

Dateiwache::Dateiwache(Arbeitsbereich& ab, QObject* parent) : QObject(parent), m_ab(ab) {
    m_verzoegerung.setSingleShot(true);
    m_verzoegerung.setInterval(300);
    connect(&m_verzoegerung, &QTimer::timeout, this, &Dateiwache::pruefen);
    const auto spaeter = [this] { m_verzoegerung.start(); };
    connect(&m_waechter, &QFileSystemWatcher::fileChanged, this, spaeter);
    // A file replaced by renaming another onto it is seen through its folder.
    connect(&m_waechter, &QFileSystemWatcher::directoryChanged, this, spaeter);
    connect(&ab, &Arbeitsbereich::dateienVeraendert, this, [this] {
        pfadeFolgen();
        m_verzoegerung.start();
    });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* fenster) {
        if (fenster)
            pruefen();
    });
    pfadeFolgen();
}

void Dateiwache::pfadeFolgen() {
    QStringList pfade;
    for (const auto& [dokument, pfad] : m_ab.dateien.aktuelleDateien()) {
        pfade << pfad;
        pfade << QFileInfo(pfad).absolutePath();
    }
    pfade.removeDuplicates();
    QStringList alt = m_waechter.files() + m_waechter.directories();
    for (const QString& p : alt)
        if (!pfade.contains(p))
            m_waechter.removePath(p);
    for (const QString& p : pfade)
        if (!alt.contains(p) && QFileInfo::exists(p))
            m_waechter.addPath(p);
}

void Dateiwache::pruefen() {
    for (const auto& [dokument, pfad] : m_ab.dateien.aktuelleDateien()) {
        const auto art = m_ab.dateien.pruefen(pfad);
        if (!art || *art == DateiAenderung::Unveraendert) {
            if (m_gemeldet.erase(dokument))
                emit wiederGleich(dokument);
            continue;
        }
        const QFileInfo info(pfad);
        const Gemeldet jetzt{info.exists(), info.size(), info.lastModified()};
        const auto it = m_gemeldet.find(dokument);
        if (it != m_gemeldet.end() && it->second == jetzt)
            continue;
        m_gemeldet[dokument] = jetzt;
        emit geaendert(dokument, pfad, *art);
    }
    // A file written anew under the same name is a new file to the watcher.
    pfadeFolgen();
}

} // namespace tabulo
