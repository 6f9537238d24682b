#include "Prozess.h"

#include "Flotte.h"
#include "actions/Aktionen.h"
#include "app/Anwendung.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/StartVorlesen.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/files/StandardDatei.h"
#include "overview/Form1.h"
#include "ui/QtRueckfrage.h"
#include "vehicles/Form2.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryFile>
#include <QWindow>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tabulo::bench {

namespace {

constexpr const char* KindSchalter = "--tabulo-kind";

qint64 jetztNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Peak resident set of this process in KiB.
qint64 spitzenspeicherKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Until every given window is exposed and its first paint is done.
void warteBisGezeigt(std::initializer_list<QWidget*> fenster) {
    for (int runde = 0; runde < 1000; ++runde) {
        QCoreApplication::processEvents();
        bool alle = true;
        for (QWidget* w : fenster)
            alle = alle && w->windowHandle() && w->windowHandle()->isExposed();
        if (alle)
            break;
    }
    QCoreApplication::processEvents();
}

void melden(qint64 gezeigt, qint64 fahrzeuge, qint64 aktionen) {
    std::printf("gezeigt %lld hwm %lld fahrzeuge %lld aktionen %lld\n", static_cast<long long>(gezeigt),
                static_cast<long long>(spitzenspeicherKiB()), static_cast<long long>(fahrzeuge),
                static_cast<long long>(aktionen));
    std::fflush(stdout);
}

// A window without text never looks for a font: Qt loads the font configuration on the first
// text it measures (the bare window only when it quits, after its time was taken).
int leeresFenster(int argc, char** argv, bool mitText) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    if (mitText)
        fenster.setCentralWidget(new QLabel(QStringLiteral("Status\u00fcbersicht")));
    fenster.show();
    warteBisGezeigt({&fenster});
    melden(jetztNs(), 0, 0);
    return 0;
}

// The program's own start: the settings store, the start-up on the working directory's files,
// and when asked the action window, which reads the action file on its first opening. As in
// main(), the vehicle file is read ahead while the windows are built.
int tabulo(int argc, char** argv, bool mitAktionen) {
    QApplication app(argc, argv);
    StartVorlesen vorlesen(standardDateiImArbeitsordner(QStringLiteral("Fahrzeug.bin")));
    SystemSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    QtRueckfrage rueckfrage;
    Anwendung anwendung(ab, rueckfrage);
    rueckfrage.setzeEltern(&anwendung.form1());
    anwendung.starten(&vorlesen);
    if (mitAktionen) {
        anwendung.aktionenZeigen();
        warteBisGezeigt({&anwendung.form1(), &anwendung.form2(), anwendung.aktionen()});
    } else {
        warteBisGezeigt({&anwendung.form1(), &anwendung.form2()});
    }
    melden(jetztNs(), static_cast<qint64>(ab.fahrzeuge.size()), static_cast<qint64>(ab.aktionen.size()));
    return 0;
}

} // namespace

int kindAusfuehren(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], KindSchalter) != 0)
        return -1;
    if (std::strcmp(argv[2], "leer") == 0)
        return leeresFenster(argc, argv, false);
    if (std::strcmp(argv[2], "text") == 0)
        return leeresFenster(argc, argv, true);
    if (std::strcmp(argv[2], "tabulo") == 0)
        return tabulo(argc, argv, false);
    if (std::strcmp(argv[2], "aktionen") == 0)
        return tabulo(argc, argv, true);
    // For profiling a child by hand: the fleet's files into a folder, its settings into the
    // configuration folder XDG_CONFIG_HOME names.
    if (std::strcmp(argv[2], "dateien") == 0 && argc >= 4) {
        QCoreApplication app(argc, argv);
        flotteFuerProzesseSchreiben(QString::fromLocal8Bit(argv[3]));
        return 0;
    }
    return 2;
}

// Started with posix_spawn, which borrows the parent's memory until the exec instead of copying
// its page tables as a fork does: this process holds fleets of hundreds of MiB, and what a fork
// costs for them would be added to the case's start and the baseline's alike.
ProzessMessung prozessMessen(Kind kind, const QString& ordner) {
    ProzessMessung m;
    const QByteArray programm = QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray verzeichnis = QFile::encodeName(ordner);
    const char* art = kind == Kind::Tabulo              ? "tabulo"
                      : kind == Kind::TabuloUndAktionen ? "aktionen"
                      : kind == Kind::FensterMitText    ? "text"
                                                        : "leer";
    char* argumente[] = {const_cast<char*>(programm.constData()), const_cast<char*>(KindSchalter),
                         const_cast<char*>(art), nullptr};
    QTemporaryFile fehlerDatei;
    int rohr[2];
    if (!fehlerDatei.open() || pipe2(rohr, O_CLOEXEC) != 0) {
        m.fehler = QStringLiteral("no pipe for the child");
        return m;
    }
    const QByteArray fehlerPfad = QFile::encodeName(fehlerDatei.fileName());
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, fehlerPfad.constData(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addchdir_np(&aktionen, verzeichnis.constData());
    pid_t pid = 0;
    const qint64 beginn = jetztNs();
    const int gestartet = posix_spawn(&pid, programm.constData(), &aktionen, nullptr, argumente, environ);
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    QByteArray ausgabe;
    if (gestartet == 0) {
        char puffer[4096];
        for (;;) {
            const ssize_t n = read(rohr[0], puffer, sizeof puffer);
            if (n > 0)
                ausgabe.append(puffer, n);
            else if (n == 0 || errno != EINTR)
                break;
        }
    }
    close(rohr[0]);
    int status = 0;
    pid_t beendet = -1;
    if (gestartet == 0)
        while ((beendet = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
        }
    if (gestartet != 0 || beendet != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        m.fehler = QStringLiteral("child failed: ") + QString::fromLocal8Bit(fehlerDatei.readAll());
        return m;
    }
    const QList<QByteArray> teile = ausgabe.trimmed().split(' ');
    if (teile.size() < 8 || teile[0] != "gezeigt") {
        m.fehler = QStringLiteral("child said nothing");
        return m;
    }
    m.ms = double(teile[1].toLongLong() - beginn) / 1e6;
    m.mib = double(teile[3].toLongLong()) / 1024.0;
    if ((kind == Kind::Tabulo || kind == Kind::TabuloUndAktionen) && teile[5].toLongLong() == 0) {
        m.fehler = QStringLiteral("the child read no vehicles");
        return m;
    }
    if (kind == Kind::TabuloUndAktionen && teile[7].toLongLong() == 0) {
        m.fehler = QStringLiteral("the child read no actions");
        return m;
    }
    m.ok = true;
    return m;
}

ProzessMessung befehlMessen(const QStringList& befehl, const QString& ordner, int hoechsterCode) {
    ProzessMessung m;
    QList<QByteArray> teile;
    for (const QString& t : befehl)
        teile << QFile::encodeName(t);
    std::vector<char*> argumente;
    for (QByteArray& t : teile)
        argumente.push_back(t.data());
    argumente.push_back(nullptr);
    const QByteArray verzeichnis = QFile::encodeName(ordner);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&aktionen, verzeichnis.constData());
    pid_t pid = 0;
    const qint64 beginn = jetztNs();
    const int gestartet = posix_spawnp(&pid, argumente[0], &aktionen, nullptr, argumente.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    int status = 0;
    pid_t beendet = -1;
    if (gestartet == 0)
        while ((beendet = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
        }
    const qint64 ende = jetztNs();
    if (gestartet != 0 || beendet != pid || !WIFEXITED(status) || WEXITSTATUS(status) > hoechsterCode) {
        m.fehler =
            QStringLiteral("%1 failed (exit %2)").arg(befehl.join(QLatin1Char(' '))).arg(WEXITSTATUS(status));
        return m;
    }
    m.ms = double(ende - beginn) / 1e6;
    m.ok = true;
    return m;
}

} // namespace tabulo::bench
