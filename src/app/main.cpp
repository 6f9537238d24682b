#include "app/Anwendung.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/StartVorlesen.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/files/StandardDatei.h"
#include "overview/Form1.h"
#include "ui/QtRueckfrage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <windows.h>

// Under Wine the system's rasteriser drops the thin stem of small letters (a capital I in the
// lists vanishes); Qt's own FreeType engine draws them. Windows itself keeps its native engine.
static void unterWineFreeTypeNehmen() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool wine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    if (wine && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}
#endif

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    unterWineFreeTypeNehmen();
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulo"));

    // The standard buttons and dialogs speak German whatever the system locale says.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    // A large vehicle file is read while the windows are being built.
    tabulo::StartVorlesen vorlesen(tabulo::standardDateiImArbeitsordner(QStringLiteral("Fahrzeug.bin")));

    tabulo::SystemSpeicher speicher;
    tabulo::DateiSchreiber schreiber;
    tabulo::Arbeitsbereich ab(speicher, schreiber);

    tabulo::QtRueckfrage rueckfrage;
    tabulo::Anwendung anwendung(ab, rueckfrage);
    rueckfrage.setzeEltern(&anwendung.form1());
    anwendung.starten(&vorlesen);
    return app.exec();
}
