#include "vehicles/Form2.h"

#include "app/Anwendung.h"
#include "core/vehicles/FahrzeugModelle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "overview/Form1.h"
#include "support/Fahrzeuge.h"
#include "support/TestArbeitsbereich.h"
#include "vehicles/FahrzeugEdit.h"
#include "vehicles/FahrzeugListView.h"

#include <QAbstractItemModelTester>
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
    void befuellen() {
        ab.fahrzeuge = {fahrzeug("33333333", "Caesar"), fahrzeug("11111111", "Anton"),
                        fahrzeug("22222222", "Berta")};
        fahrzeugInFeld(ab, 0, ab.fahrzeuge[1]);
        fahrzeugInFeld(ab, 60, ab.fahrzeuge[1]);
        FahrzeuglisteAktualisieren(ab);
        ab.alleFreigeben();
    }

    static QStringList spalte(FahrzeugListView* view, int s) {
        QStringList texte;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texte << view->model()->index(r, s).data().toString();
        return texte;
    }
    static void zeileWaehlen(FahrzeugListView* view, int zeile) {
        const QRect r = view->visualRect(view->model()->index(zeile, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    static void kopfKlicken(FahrzeugListView* view, int spalte) {
        QHeaderView* kopf = view->header();
        const int x = kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2;
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(x, kopf->height() / 2));
    }
};

} // namespace

TEST_F(Form2Test, AufbauZaehlzeileUndModuswahl) {
    const int breiten[] = {118, 81, 29, 75, 169, 169, 169, 169};
    for (FahrzeugListView* view : {form.ListView1, form.ListView2})
        for (int s = 0; s < 8; ++s)
            EXPECT_EQ(view->columnWidth(s), breiten[s]) << s;
    QAbstractItemModelTester pruefer1(form.ListView1->model());
    QAbstractItemModelTester pruefer2(form.ListView2->model());
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (2 von 3):");
    EXPECT_EQ(spalte(form.ListView2, 0), (QStringList{"Caesar", "Berta"}));
    EXPECT_TRUE(form.ModusButton[1]->isChecked());
    form.ModusButton[2]->click();
    EXPECT_EQ(ab.listenmodus, 2);
    form.ModusButton[1]->click();
    EXPECT_EQ(ab.listenmodus, 1);
    form.resize(500, 50);
    EXPECT_EQ(form.height(), 217); // 3300 twips outside, and the filter row
    form.resize(600, 500);
    EXPECT_EQ(form.ListView1->width(), 600 - 4);
}

// "Entf" in the full list removes the vehicle and frees its fields; in the second list it only
// leaves the list.
TEST_F(Form2Test, EntfLoeschtDasGewaehlteFahrzeug) {
    QTest::keyClick(form.ListView1, Qt::Key_Delete); // nothing selected: nothing happens
    EXPECT_EQ(ab.fahrzeuge.size(), 3u);
    struct Fall {
        bool zweiteListe;
        QStringList kennungen;
        quint16 ungespeichert;
        QString zaehlzeile;
    };
    for (const Fall& fall :
         {Fall{false, {"33333333", "22222222"}, DokFahrzeugliste | DokStatusuebersicht, "(2 von 2)"},
          Fall{true, {"33333333", "11111111"}, DokFahrzeugliste, "(1 von 2)"}}) {
        SCOPED_TRACE(fall.zweiteListe);
        befuellen();
        FahrzeugListView* view = fall.zweiteListe ? form.ListView2 : form.ListView1;
        zeileWaehlen(view, 1);
        QTest::keyClick(view, Qt::Key_Delete);
        EXPECT_EQ(kennungen(), fall.kennungen);
        for (int feld : {0, 60})
            EXPECT_EQ(ab.felder[feld].feldtyp == FeldFrei, !fall.zweiteListe) << feld;
        EXPECT_EQ(ab.ungespeichert, fall.ungespeichert);
        EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen " + fall.zaehlzeile + ":");
    }
}

TEST_F(Form2Test, SpaltenklickSortiertUndKehrtUm) {
    kopfKlicken(form.ListView1, 1);
    EXPECT_EQ(kennungen(), (QStringList{"11111111", "22222222", "33333333"}));
    kopfKlicken(form.ListView1, 1);
    EXPECT_EQ(kennungen(), (QStringList{"33333333", "22222222", "11111111"}));
    EXPECT_EQ(form.ListView1->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    kopfKlicken(form.ListView2, 0);
    EXPECT_EQ(spalte(form.ListView2, 0), (QStringList{"Berta", "Caesar"}));
    EXPECT_EQ(spalte(form.ListView1, 0), (QStringList{"Caesar", "Berta", "Anton"}));
}

// A double click on a row and a click into an empty list open the editor; both windows stay
// disabled until it closes.
TEST_F(Form2Test, EditorAusDerListeSperrtBeideFenster) {
    zeileWaehlen(form.ListView2, 1);
    const QRect r = form.ListView2->visualRect(form.ListView2->model()->index(1, 0));
    QTest::mouseDClick(form.ListView2->viewport(), Qt::LeftButton, {}, r.center());
    FahrzeugEdit& edit = app.fahrzeugEdit();
    ASSERT_TRUE(edit.isVisible());
    EXPECT_EQ(edit.Rufname->text(), "Berta");
    EXPECT_FALSE(form.isEnabled());
    EXPECT_FALSE(app.form1().isEnabled());
    edit.close();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_TRUE(app.form1().isEnabled());

    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(edit.isVisible()); // rows there: nothing by itself
    ab.fahrzeuge.clear();
    ab.listenZiehen = 1;
    FahrzeuglisteAktualisieren(ab);
    QTest::mousePress(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(edit.isVisible());
    EXPECT_EQ(ab.listenZiehen, 0);
    EXPECT_EQ(edit.Zeit->text(), "07.03.26");
    EXPECT_FALSE(form.isEnabled());
    edit.Abbrechen->click();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_TRUE(app.form1().isEnabled());
}

TEST_F(Form2Test, MenuebefehleUndImport) {
    rueckfrage.dateien = {datei("Fahrzeug.BIN", fahrzeugDatei({fahrzeug("44444444", "Dora")}))};
    app.form1().menue.MenueLadenFzg->trigger();
    EXPECT_EQ(kennungen(), QStringList{"44444444"});
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (1 von 1):");

    rueckfrage.dateien = {
        datei("import.bin", fahrzeugDatei({fahrzeug("44444444", "Emil"), fahrzeug("55555555")}))};
    rueckfrage.antworten = {Antwort::Ja};
    form.ButtonImport->click();
    EXPECT_EQ(kennungen(), (QStringList{"44444444", "55555555"}));
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "Emil      ");
    ASSERT_EQ(rueckfrage.fragen.size(), 1);
    EXPECT_EQ(rueckfrage.dateiDialoge.back().titel, "Fahrzeugliste Importieren");

    const QString ziel = pfad("neu.bin");
    rueckfrage.dateien = {ziel};
    app.form1().menue.MenueSpeichernFzg->trigger();
    EXPECT_EQ(dateiInhalt(ziel).size(), 2 * 408);
    EXPECT_FALSE(ab.istUngespeichert(DokFahrzeugliste));

    app.form1().menue.MenueUndoFahrzeug->trigger(); // the folder's Fahrzeug.BIN again
    EXPECT_EQ(kennungen(), QStringList{"44444444"});
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "Dora      ");
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

    zeileWaehlen(form.ListView1, 0);
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
