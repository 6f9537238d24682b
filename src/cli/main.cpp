#include "cli/Kommandozeile.h"

#include <QCoreApplication>
#include <cstdio>

// tabulo-cli: the check and the file views of the editor for scripts; no display needed.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList argumente = QCoreApplication::arguments();
    argumente.removeFirst();
    tabulo::cli::Ausgabe ausgabe;
    const int code = tabulo::cli::ausfuehren(argumente, ausgabe);
    const QByteArray aus = ausgabe.aus.toUtf8(), fehler = ausgabe.fehler.toUtf8();
    std::fwrite(aus.constData(), 1, size_t(aus.size()), stdout);
    std::fwrite(fehler.constData(), 1, size_t(fehler.size()), stderr);
    return std::fflush(stdout) == 0 ? code : tabulo::cli::NichtSchreibbar;
}
