#include "vehicles/Form2.h"

#include "app/Anwendung.h"
#include "app/Form1.h"
#include "model/FahrzeugModelle.h"
#include "model/Fahrzeugliste.h"
#include "support/Fahrzeuge.h"
#include "support/SkriptRueckfrage.h"
#include "support/Umgebung.h"
#include "vehicles/FahrzeugEdit.h"
#include "vehicles/FahrzeugListView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

class Form2Test : public ::testing::Test {
protected:
    QString vorher = QDir::currentPath();
    QTemporaryDir ordner;
    TestArbeitsbereich t;
    Arbeitsbereich& ab = t.ab;
    SkriptRueckfrage rf;
    Anwendung app{ab, rf};
    Form2& form = app.form2();

    void SetUp() override {
        ab.fahrzeuge = {fahrzeug("33333333", "Caesar"), fahrzeug("11111111", "Anton"),
                        fahrzeug("22222222", "Berta")};
        fahrzeugInFeld(ab, 0, ab.fahrzeuge[1]);
        fahrzeugInFeld(ab, 60, ab.fahrzeuge[1]);
        FahrzeuglisteAktualisieren(ab);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override { QDir::setCurrent(vorher); }

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

TEST_F(Form2Test, AufbauUndZaehlzeile) {
    EXPECT_EQ(form.windowTitle(), "Fahrzeugliste");
    const int breiten[] = {118, 81, 29, 75, 169, 169, 169, 169};
    for (FahrzeugListView* view : {form.ListView1, form.ListView2}) {
        for (int s = 0; s < 8; ++s)
            EXPECT_EQ(view->columnWidth(s), breiten[s]) << s;
        EXPECT_EQ(view->toolTip(),
                  QStringLiteral("Doppelklick zum Bearbeiten oder Drag & Drop zur Fahrzeug\u00fcbersicht"));
    }
    QAbstractItemModelTester pruefer1(form.ListView1->model());
    QAbstractItemModelTester pruefer2(form.ListView2->model());
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (2 von 3):");
    EXPECT_EQ(spalte(form.ListView2, 0), (QStringList{"Caesar", "Berta"}));
    EXPECT_EQ(form.ModusLabel->text(), QStringLiteral("Aufr\u00fccken bis Ende"));
    EXPECT_TRUE(form.ModusButton[1]->isChecked());
    form.ModusButton[2]->click();
    EXPECT_EQ(ab.listenmodus, 2);
    form.ModusButton[1]->click();
    EXPECT_EQ(ab.listenmodus, 1);
}

TEST_F(Form2Test, MindesthoeheUndMitwachsendeListen) {
    form.resize(500, 50);
    EXPECT_EQ(form.height(), 193); // 3300 twips outside
    form.resize(600, 500);
    EXPECT_EQ(form.ListView1->width(), 600 - 4);
}

TEST_F(Form2Test, EntfInDerGesamtlisteGibtFelderFrei) {
    QTest::keyClick(form.ListView1, Qt::Key_Delete); // nothing selected: nothing happens
    EXPECT_EQ(ab.fahrzeuge.size(), 3u);
    zeileWaehlen(form.ListView1, 1);
    QTest::keyClick(form.ListView1, Qt::Key_Delete);
    EXPECT_EQ(t.kennungen(), (QStringList{"33333333", "22222222"}));
    EXPECT_EQ(ab.felder[0].text, "Frei");
    EXPECT_EQ(ab.felder[60].feldtyp, FeldFrei);
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste | DokStatusuebersicht);
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (2 von 2):");
}

TEST_F(Form2Test, EntfInDerNichtAufgenommenListe) {
    zeileWaehlen(form.ListView2, 1);
    QTest::keyClick(form.ListView2, Qt::Key_Delete);
    EXPECT_EQ(t.kennungen(), (QStringList{"33333333", "11111111"}));
    EXPECT_EQ(ab.felder[0].kennung, "11111111");
    EXPECT_EQ(ab.ungespeichert, DokFahrzeugliste);
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (1 von 2):");
}

TEST_F(Form2Test, SpaltenklickSortiertUndKehrtUm) {
    kopfKlicken(form.ListView1, 1);
    EXPECT_EQ(t.kennungen(), (QStringList{"11111111", "22222222", "33333333"}));
    EXPECT_EQ(form.ListView1->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    kopfKlicken(form.ListView1, 1);
    EXPECT_EQ(t.kennungen(), (QStringList{"33333333", "22222222", "11111111"}));
    EXPECT_EQ(form.ListView1->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    kopfKlicken(form.ListView1, 0); // by name, in the order last used
    EXPECT_EQ(spalte(form.ListView1, 0), (QStringList{"Caesar", "Berta", "Anton"}));
    EXPECT_EQ(form.ListView1->header()->sortIndicatorSection(), 0);

    kopfKlicken(form.ListView2, 0);
    EXPECT_EQ(spalte(form.ListView2, 0), (QStringList{"Berta", "Caesar"}));
    EXPECT_EQ(spalte(form.ListView1, 0), (QStringList{"Caesar", "Berta", "Anton"}));
}

TEST_F(Form2Test, DoppelklickOeffnetDenEditorUndSperrtBeideFenster) {
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
}

TEST_F(Form2Test, MausInLeererListeOeffnetNeuesFahrzeug) {
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(app.fahrzeugEdit().isVisible()); // rows there: nothing by itself
    ab.fahrzeuge.clear();
    ab.listenZiehen = 1;
    FahrzeuglisteAktualisieren(ab);
    QTest::mousePress(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    FahrzeugEdit& edit = app.fahrzeugEdit();
    ASSERT_TRUE(edit.isVisible());
    EXPECT_EQ(ab.listenZiehen, 0);
    EXPECT_EQ(edit.Zeit->text(), "07.03.26");
    EXPECT_FALSE(form.isEnabled());
    edit.Abbrechen->click();
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(Form2Test, MenuebefehleUndImport) {
    const QString datei = ordner.filePath("Fahrzeug.BIN");
    dateiAnlegen(datei, fahrzeugDatei({fahrzeug("44444444", "Dora")}));
    rf.dateien = {datei};
    app.form1().menue.MenueLadenFzg->trigger();
    EXPECT_EQ(t.kennungen(), QStringList{"44444444"});
    EXPECT_EQ(form.List2Label->text(), "Nicht aufgenommen (1 von 1):");

    dateiAnlegen(ordner.filePath("import.bin"),
                 fahrzeugDatei({fahrzeug("44444444", "Emil"), fahrzeug("55555555")}));
    rf.dateien = {ordner.filePath("import.bin")};
    rf.antworten = {Antwort::Ja};
    form.ButtonImport->click();
    EXPECT_EQ(t.kennungen(), (QStringList{"44444444", "55555555"}));
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "Emil      ");
    ASSERT_EQ(rf.fragen.size(), 1);
    EXPECT_EQ(rf.dateiDialoge.back().titel, "Fahrzeugliste Importieren");

    const QString ziel = ordner.filePath("neu.bin");
    rf.dateien = {ziel};
    app.form1().menue.MenueSpeichernFzg->trigger();
    EXPECT_EQ(dateiInhalt(ziel).size(), 2 * 408);
    EXPECT_FALSE(ab.istUngespeichert(DokFahrzeugliste));

    app.form1().menue.MenueUndoFahrzeug->trigger(); // the folder's Fahrzeug.BIN again
    EXPECT_EQ(t.kennungen(), QStringList{"44444444"});
    EXPECT_EQ(ab.fahrzeuge[0].rufname, "Dora      ");
}
