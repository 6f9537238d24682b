#include "app/Anwendung.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/StartVorlesen.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/files/StandardDatei.h"
#include "overview/Form1.h"
#include "ui/QtRueckfrage.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulo"));
    // The installed menu entry and icon; on Windows the icon comes from the exe.
    QApplication::setDesktopFileName(QStringLiteral("de.tabulo.Tabulo"));
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("de.tabulo.Tabulo")));

    // The standard buttons and dialogs speak German whatever the system locale says.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    // A large vehicle file is read while the windows are being built.
    tabulo::StartVorlesen vorlesen(tabulo::standardDateiImArbeitsordner(QStringLiteral("Fahrzeug.bin")));

    tabulo::QtEinstellungsSpeicher speicher;
    tabulo::DateiSchreiber schreiber;
    tabulo::Arbeitsbereich ab(speicher, schreiber);

    tabulo::QtRueckfrage rueckfrage;
    tabulo::Anwendung anwendung(ab, rueckfrage);
    rueckfrage.setzeEltern(&anwendung.form1());
    anwendung.starten(&vorlesen);
    return app.exec();
}
