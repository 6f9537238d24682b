#include "actions/Aktionen.h"
#include "app/Anwendung.h"
#include "app/Form1.h"
#include "files/AktionDatei.h"
#include "files/DateiSchreiber.h"
#include "files/EinstellungsSpeicher.h"
#include "model/AktionenModell.h"
#include "model/Arbeitsbereich.h"
#include "model/FahrzeuglisteDatei.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

// On the demo fleet: generate for a range of vehicles and statuses, delete some, save, load
// again, and get the same list and the same bytes.
TEST(AktionenAblauf, GenerierenLoeschenSpeichernLaden) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    SpeicherImSpeicher speicher;
    speicher.speichern(anwendung::Velastat, sektion::Richtungskennung, "0", "FZ->LST");
    speicher.speichern(anwendung::Velastat, sektion::Richtungskennung, "1", "LST->FZ");
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    ab.einstellungenLesen();
    SkriptRueckfrage rueckfrage;
    const QString demo = QDir::cleanPath(QStringLiteral(TABULO_FIXTURES "/../../examples/demo/Fahrzeug.BIN"));
    ASSERT_TRUE(FahrzeuglisteLaden(ab, rueckfrage, demo));
    Anwendung app(ab, rueckfrage);
    app.form1().menue.MenuAktionen->trigger();
    Aktionen& f = *app.aktionen();

    // Fire brigade (BOS 6), Ortskennung 12, statuses 3 and 4, both directions.
    f.BOSKennung->item(6)->setSelected(true);
    f.Ortskennung1->item(1)->setSelected(true);
    f.Ortskennung2->item(2)->setSelected(true);
    f.Stati->item(3)->setSelected(true);
    f.Stati->item(4)->setSelected(true);
    f.RK->item(1)->setSelected(true);
    QTest::mouseClick(f.ButtonAutoGen, Qt::LeftButton);
    ASSERT_EQ(ab.aktionen.size(), 36u); // nine vehicles with Ortskennung 12
    for (const Aktion& a : ab.aktionen)
        ASSERT_TRUE(a.kennung.startsWith("6A12")) << a.kennung.toStdString();
    EXPECT_EQ(ab.aktionen[0].rufname, "Flo MU 111");
    EXPECT_EQ(ab.aktionen[1].richtung, "LST->FZ");

    for (int z : {0, 5, 35})
        f.ListView1->selectionModel()->select(f.modell().index(z, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(f.ListView1, Qt::Key_Delete);
    const std::vector<Aktion> gespeichert = ab.aktionen;
    ASSERT_EQ(gespeichert.size(), 33u);

    rueckfrage.dateien = {ordner.filePath("Aktion.BIN")};
    app.form1().menue.MenueSpeichernAktionen->trigger();
    const QByteArray bytes = dateiInhalt(ordner.filePath("Aktion.BIN"));
    ASSERT_EQ(bytes.size(), 33 * AktionSatzLaenge);
    // The second entry left: Flo MU 111, status 4, direction 0.
    EXPECT_EQ(bytes.mid(AktionSatzLaenge, 10), QByteArray("6A12110140"));
    EXPECT_EQ(bytes.mid(AktionSatzLaenge + 10, 127),
              QByteArray("C:\\Programme\\Velastat\\Kestrix.exe 6A1211014").leftJustified(127, ' '));

    rueckfrage.antworten = {Antwort::Ok};
    QTest::mouseClick(f.ButtonAlleLoeschen, Qt::LeftButton);
    rueckfrage.dateien = {ordner.filePath("Aktion.BIN")};
    app.form1().menue.MenueLadenAktionen->trigger();
    EXPECT_EQ(ab.aktionen, gespeichert);
    rueckfrage.dateien = {ordner.filePath("nochmal.bin")};
    app.form1().menue.MenueSpeichernAktionen->trigger();
    EXPECT_EQ(dateiInhalt(ordner.filePath("nochmal.bin")), bytes);
    QDir::setCurrent(vorher);
}
