// The demo fleet read the way the program starts and written back by save-all, in a folder
// whose name has blanks and umlauts and with the files named in another case: the same bytes
// come back, onto the same files.
#include "core/files/StandardDatei.h"
#include "core/common/AllesSpeichern.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/common/StartLesen.h"
#include "support/TestArbeitsbereich.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(DemoRundreise, StartUndAllesSpeichernInOrdnerMitUmlautenUndBlanks) {
    TestArbeitsbereich u(TestArbeitsbereich::Felder::Entwurf);
    const QString ordner = u.pfad(QStringLiteral("Leitstelle S\u00fcd (Wache \u00e4\u00f6\u00fc \u00df)"));
    struct Datei {
        const char* demo;
        const char* hier; // as someone saved it on a system that ignores case
    };
    const Datei dateien[] = {
        {"Status.BIN", "STATUS.bin"}, {"Fahrzeug.BIN", "fahrzeug.BIN"}, {"Orte.BIN", "Orte.bin"}};
    const QDir demo(QStringLiteral(TABULO_DEMO));
    for (const Datei& d : dateien)
        dateiAnlegen(QDir(ordner).filePath(d.hier), dateiInhalt(demo.filePath(d.demo)));

    const Arbeitsordner dort(ordner);
    u.ab.startverzeichnis = QDir::currentPath();
    ASSERT_GT(fahrzeugeBeimStartLesen(u.ab, standardDateiImArbeitsordner("Fahrzeug.bin"), u.fortschritt), 0);
    statusBeimStartLesen(u.ab, standardDateiImArbeitsordner("status.bin"), u.fortschritt);
    OrteStartLesen(u.ab);
    ASSERT_GT(u.ab.orte.anzahl, 0);

    ASSERT_TRUE(AllesSpeichern(u.ab, u.rueckfrage, u.fortschritt));
    EXPECT_TRUE(u.rueckfrage.fragen.isEmpty());
    QStringList erwartet;
    for (const Datei& d : dateien) {
        SCOPED_TRACE(d.hier);
        EXPECT_EQ(dateiInhalt(QDir(ordner).filePath(d.hier)), dateiInhalt(demo.filePath(d.demo)));
        erwartet << d.hier;
    }
    QStringList da = QDir(ordner).entryList(QDir::Files);
    da.sort();
    erwartet.sort();
    EXPECT_EQ(da, erwartet);
}
