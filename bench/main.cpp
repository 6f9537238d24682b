#include "Prozess.h"
#include "Ziele.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool hatSchalter(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, std::strlen(name)) == 0)
            return true;
    return false;
}

// The offscreen platform warns on every window it shows; that would bury the results.
void meldungFiltern(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (text.contains(QLatin1String("propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(art, ort, text)));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(meldungFiltern);
    const int kind = tabulo::bench::kindAusfuehren(argc, argv);
    if (kind >= 0)
        return kind;

    // Settings written or read by any case (and by the child processes) stay in here.
    QTemporaryDir einstellungen;
    qputenv("XDG_CONFIG_HOME", einstellungen.path().toLocal8Bit());

    // Case and baseline repeat in random order, so that a burst of load elsewhere on the machine
    // does not fall on one of them only.
    std::vector<char*> argumente(argv, argv + argc);
    std::string wiederholungen = "--benchmark_repetitions=5";
    std::string mischen = "--benchmark_enable_random_interleaving=true";
    if (!hatSchalter(argc, argv, "--benchmark_repetitions"))
        argumente.push_back(wiederholungen.data());
    if (!hatSchalter(argc, argv, "--benchmark_enable_random_interleaving"))
        argumente.push_back(mischen.data());
    int anzahl = static_cast<int>(argumente.size());
    argumente.push_back(nullptr);

    QApplication app(anzahl, argumente.data());
    ::benchmark::Initialize(&anzahl, argumente.data());
    if (::benchmark::ReportUnrecognizedArguments(anzahl, argumente.data()))
        return 1;
    tabulo::bench::ZielBericht bericht;
    ::benchmark::RunSpecifiedBenchmarks(&bericht);
    ::benchmark::Shutdown();
    return 0;
}
