#pragma once

#include "app/Anwendung.h"
#include "core/common/StartVorlesen.h"
#include "core/files/StandardDatei.h"
#include "core/overview/FeldInhalt.h"
#include "overview/FensterAnsicht.h"
#include "overview/FensterTab.h"
#include "overview/Form1.h"
#include "support/Saetze.h"
#include "support/TestArbeitsbereich.h"
#include "tools/Werkzeuge.h"
#include "vehicles/Form2.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace tabulo::test {

// The whole program on a scratch working directory, an in-memory settings store and scripted
// dialogs (GUI tests only). Files and settings are put in place before `starten()`.
struct AnwendungsUmfeld : TestArbeitsbereich {
    AnwendungsUmfeld() : TestArbeitsbereich(Felder::Entwurf) { QDir::setCurrent(ordner.path()); }

    std::unique_ptr<Anwendung> anwendung;

    void einstellung(const QString& sektion, const QString& schluessel, const QString& wert) {
        speicher.speichern(anwendung::Velastat, sektion, schluessel, wert);
    }
    // With `vorlesen` the vehicle file is read ahead while the windows are built, as main() does.
    Form1& starten(bool vorlesen = false) {
        std::optional<StartVorlesen> vorgelesen;
        if (vorlesen)
            vorgelesen.emplace(standardDateiImArbeitsordner(QStringLiteral("Fahrzeug.bin")));
        anwendung = std::make_unique<Anwendung>(ab, rueckfrage);
        anwendung->uhr = [] { return QDate(2024, 3, 7); };
        anwendung->starten(vorgelesen ? &*vorgelesen : nullptr);
        Form1& f = anwendung->form1();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        return f;
    }
    Menue& menue() const { return anwendung->form1().menue; }
    Werkzeuge& werkzeuge() const { return anwendung->werkzeuge(); }
    // Main window above, vehicle list window below, both on the headless screen (800 x 600),
    // where drags find their targets; the windows must not overlap.
    void anordnen() {
        Form1& f = anwendung->form1();
        f.move(0, 0);
        f.resize(600, 300); // the smallest the grid allows
        QWidget& f2 = anwendung->form2();
        f2.move(0, f.frameGeometry().bottom() + 10);
        f2.resize(600, 590 - f2.y());
        QTest::qWait(20);
    }
    // Two vehicles in the start folder's vehicle file.
    void zweiFahrzeuge() {
        datei("Fahrzeug.bin",
              fahrzeugDatei({fahrzeug("6A000001", "RTW 1", "3"), fahrzeug("6A000002", "NEF 2", "4")}));
    }
    // Every field from `von` on shows its own index as text.
    void felderNummerieren(int von = 0) {
        for (int i = von; i < AnzahlFelder; ++i)
            feldMitText(ab.felder[i], QString::number(i));
        ab.felderGeaendert();
    }
    // A point on the field's `Text` label, in screen coordinates.
    QPoint feldGlobal(int feld) const {
        FensterAnsicht& a = anwendung->form1().tabFrame(fensterVon(feld));
        return a.mapToGlobal(a.textRechteck(feld).center().toPoint());
    }
    QPoint tabGlobal(int tab) const {
        QTabBar& leiste = anwendung->form1().fensterTab().leiste();
        return leiste.mapToGlobal(leiste.tabRect(tab - 1).center());
    }
    // What a field shows: the vehicle's identifier, "-" when free, else its text.
    QString zeigt(int feld) const {
        const Feld& x = ab.felder[feld];
        return x.feldtyp == FeldFahrzeug ? x.kennung : x.feldtyp == FeldFrei ? QStringLiteral("-") : x.text;
    }
};

// Windows closed with delete-on-close are gone after this.
inline void geloeschteAufraeumen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tabulo::test
