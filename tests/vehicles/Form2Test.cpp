#include "vehicles/Form2.h"

#include "app/Anwendung.h"
#include "core/vehicles/FahrzeugModelle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "overview/Form1.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"
#include "vehicles/FahrzeugEdit.h"
#include "vehicles/FahrzeugListView.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class Form2Test : public ::testing::Test, protected TestArbeitsbereich {
protected:
    Anwendung app{ab, rueckfrage};
    Form2& form = app.form2();

    void SetUp() override {
        befuellen();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    // Anton stands in fields 0 and 60; Caesar and Berta are not placed.
    void befuellen() {
        ab.fahrzeuge = {fahrzeug("33333333", "Caesar"), fahrzeug("11111111", "Anton"),
                        fahrzeug("22222222", "Berta")};
        fahrzeugInFeld(ab, 0, ab.fahrzeuge[1]);
        fahrzeugInFeld(ab, 60, ab.fahrzeuge[1]);
        FahrzeuglisteAktualisieren(ab);
        ab.alleFreigeben();
    }
    static QRect zeile(FahrzeugListView* view, int z) { return view->visualRect(view->model()->index(z, 0)); }
    static QStringList spalte(FahrzeugListView* view, int s) {
        QStringList texte;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texte << view->model()->index(r, s).data().toString();
        return texte;
    }
};

} // namespace

// "Entf" in the full list deletes the vehicle and frees its fields; in the second list it only
// takes it off the list. The count line and the mode buttons follow.
TEST_F(Form2Test, EntfLoeschtDasGewaehlteFahrzeug) {
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (2 von 3):");
    form.ModusButton[2]->click();
    EXPECT_EQ(ab.listenmodus, 2);
    QTest::keyClick(form.ListView1, Qt::Key_Delete); // nothing selected: nothing happens
    EXPECT_EQ(ab.fahrzeuge.size(), 3u);
    for (const bool zweiteListe : {false, true}) {
        SCOPED_TRACE(zweiteListe);
        befuellen();
        FahrzeugListView* view = zweiteListe ? form.ListView2 : form.ListView1;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, zeile(view, 1).center());
        QTest::keyClick(view, Qt::Key_Delete);
        EXPECT_EQ(kennungen(), zweiteListe ? QStringList({"33333333", "11111111"})
                                           : QStringList({"33333333", "22222222"}));
        EXPECT_EQ(ab.felder[60].feldtyp == FeldFrei, !zweiteListe);
        EXPECT_EQ(form.List2Label->text(),
                  zweiteListe ? "Nicht aufgenommen (1 von 2):" : "Nicht aufgenommen (2 von 2):");
    }
}

// A column click sorts the list it belongs to; a second click turns the order round.
TEST_F(Form2Test, SpaltenklickSortiertUndKehrtUm) {
    const auto kopfKlicken = [](FahrzeugListView* view, int spalte) {
        QHeaderView* kopf = view->header();
        const int x = kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2;
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(x, kopf->height() / 2));
    };
    kopfKlicken(form.ListView1, 1);
    EXPECT_EQ(kennungen(), (QStringList{"11111111", "22222222", "33333333"}));
    kopfKlicken(form.ListView1, 1);
    EXPECT_EQ(kennungen(), (QStringList{"33333333", "22222222", "11111111"}));
    kopfKlicken(form.ListView2, 0);
    EXPECT_EQ(form.ListView2->model()->index(0, 0).data().toString(), "Berta");
}

// A double click in the second list opens the editor for that vehicle, a click into an empty list
// for a new one. The import button and the undo item reach their commands.
TEST_F(Form2Test, EditorImportUndUndo) {
    QTest::mouseClick(form.ListView2->viewport(), Qt::LeftButton, {}, zeile(form.ListView2, 1).center());
    QTest::mouseDClick(form.ListView2->viewport(), Qt::LeftButton, {}, zeile(form.ListView2, 1).center());
    FahrzeugEdit& edit = app.fahrzeugEdit();
    ASSERT_TRUE(edit.isVisible());
    EXPECT_EQ(edit.Rufname->text(), "Berta");
    edit.close();
    ab.fahrzeuge.clear();
    ab.listenZiehen = 1;
    FahrzeuglisteAktualisieren(ab);
    QTest::mousePress(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(edit.isVisible());
    EXPECT_TRUE(edit.Rufname->text().isEmpty());
    EXPECT_EQ(ab.listenZiehen, 0);
    edit.Abbrechen->click();

    datei("Fahrzeug.BIN", fahrzeugDatei({fahrzeug("44444444", "Dora")}));
    QDir::setCurrent(ordner.path());
    rueckfrage.dateien = {datei("import.bin", fahrzeugDatei({fahrzeug("55555555")}))};
    form.ButtonImport->click();
    EXPECT_EQ(kennungen(), QStringList{"55555555"});
    EXPECT_EQ(rueckfrage.dateiDialoge.back().titel, "Fahrzeugliste Importieren");
    app.form1().menue.MenueUndoFahrzeug->trigger(); // the folder's Fahrzeug.BIN again
    EXPECT_EQ(kennungen(), QStringList{"44444444"});
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (1 von 1):");
}

// Typing filters both lists; Ctrl+U steps through the fields of the chosen vehicle; Escape clears.
TEST_F(Form2Test, SuchenUndInUebersichtZeigen) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(form.Suche->hasFocus());
    QTest::keyClicks(form.Suche, "an");
    EXPECT_EQ(spalte(form.ListView1, 0), QStringList{"Anton"});
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (0 von 1, gefiltert):");

    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, zeile(form.ListView1, 0).center());
    QTest::keyClick(form.ListView1, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(app.form1().aktuellesFenster(), 1);
    EXPECT_EQ(ab.rahmenFarbe[0], farbe::Zielmarke);
    QTest::keyClick(form.ListView1, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(app.form1().aktuellesFenster(), 2); // field 60
    EXPECT_EQ(ab.rahmenFarbe[60], farbe::Zielmarke);

    QTest::keyClick(form.Suche, Qt::Key_Escape);
    EXPECT_EQ(form.Suche->text(), "");
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (2 von 3):");
}

// Export, a change in the file, and the import back through the mapping dialog, from the menu.
TEST_F(Form2Test, CsvHinUndZurueck) {
    // Accepts the next dialog that comes up (the format choice, the mapping).
    const auto bestaetigen = [] {
        auto* warten = new QTimer;
        QObject::connect(warten, &QTimer::timeout, [warten] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                    warten->deleteLater();
                    d->accept();
                    return;
                }
        });
        warten->start(5);
    };
    // A test before may have ended the program's event loop, which leaves every further local
    // loop (the dialogs' exec) ending at once; running the main loop once lets that go.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    const QString csv = pfad("f.csv");
    rueckfrage.dateien = {csv};
    bestaetigen();
    app.form1().menue.MenueExportFzg->trigger();
    QByteArray bytes = dateiInhalt(csv);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBFRufname;Kennung;Stat;")) << bytes.left(60).toStdString();
    datei("f.csv", bytes.replace("Anton", "Toni"));

    rueckfrage.dateien = {csv};
    rueckfrage.antworten = {Antwort::Ja};
    bestaetigen();
    app.form1().menue.MenueImportFzg->trigger();
    EXPECT_EQ(ab.fahrzeuge[1].rufname.trimmed(), "Toni");
    EXPECT_EQ(ab.felder[60].fahrzeug.trimmed(), "Toni");
    EXPECT_EQ(rueckfrage.fragen.back().text,
              "0 hinzugef\u00fcgt, 3 aktualisiert, 0 \u00fcbersprungen, 0 abgewiesen.");
}
