#include "app/Anwendung.h"

#include "actions/Aktionen.h"
#include "app/BeendenFrage.h"
#include "app/FremdeAenderungen.h"
#include "core/actions/AktionenBefehle.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Schreibweisen.h"
#include "core/common/StartLesen.h"
#include "core/common/Ungespeichert.h"
#include "core/files/StandardDatei.h"
#include "core/overview/FeldBearbeiten.h"
#include "core/places/OrteBefehle.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "overview/FeldEdit.h"
#include "overview/Form1.h"
#include "places/Ortskennungen.h"
#include "tools/Drucken.h"
#include "tools/Pruefen.h"
#include "tools/Werkzeuge.h"
#include "ui/CsvBefehle.h"
#include "ui/Fortschrittsstreifen.h"
#include "ui/Sanduhr.h"
#include "ui/Twips.h"
#include "ui/VerlaufBefehle.h"
#include "ui/ZiehSteuerung.h"
#include "vehicles/FahrzeugEdit.h"
#include "vehicles/Form2.h"
#include "vehicles/Form2Anordnung.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <utility>

namespace tabulo {

namespace {
constexpr qint16 StartFertigWert = 10;
} // namespace

Anwendung::Anwendung(Arbeitsbereich& ab, Rueckfrage& rueckfrage)
    : m_ab(ab), m_rueckfrage(rueckfrage), m_ziehen(std::make_unique<ZiehSteuerung>()),
      m_form1(std::make_unique<Form1>(ab, rueckfrage, *m_ziehen)),
      m_form2(std::make_unique<Form2>(ab, rueckfrage)) {
    m_form2->setzeFortschritt(m_form1->statusBar());
    m_form2->setzeZiehSteuerung(*m_ziehen);
    connect(m_form1.get(), &Form1::einfuegemodusGewaehlt, m_form2.get(), &Form2::einfuegemodusGeaendert);
    orteVerbinden();
    fahrzeugeVerbinden();
    werkzeugeVerbinden();
    aktionenVerbinden();
    csvVerbinden();
    verlaufBefehleBinden(ab, m_form1->menue.MenueRueckgaengig, m_form1->menue.MenueWiederholen);
    verlaufTasten(m_form2.get());
    connect(m_form1.get(), &Form1::feldBearbeiten, this, &Anwendung::feldBearbeiten);
    m_fremdeAenderungen = new FremdeAenderungen(ab, rueckfrage, *m_form1);
    // Every way of closing the main window passes the quit question; when it lets the close go
    // ahead, the whole program ends.
    connect(new BeendenFrage(*m_form1, ab, rueckfrage, m_form1->statusBar()), &BeendenFrage::zugestimmt, this,
            &Anwendung::beenden);
}

Anwendung::~Anwendung() = default;

void Anwendung::starten(StartVorlesen* vorgelesen) {
    Form1& form1 = *m_form1;
    // A repeated start does nothing more.
    if (m_ab.startFertig == StartFertigWert) {
        form1.show();
        return;
    }
    form1.startBeginnen();

    // Heute and Startverzeichnis.
    m_ab.setzeHeute(uhr());
    m_ab.startverzeichnis = QDir::currentPath();

    // The main window comes up early, with the progress strip, while the files are read.
    form1.show();
    Fortschrittsstreifen& streifen = form1.statusBar();
    streifen.zeigen();
    m_ab.listenZiehen = 0;

    // Vehicle list: "Fahrzeug.bin" from the working directory; "status.bin" below needs it.
    fahrzeugeBeimStartLesen(m_ab, standardDateiImArbeitsordner(QStringLiteral("Fahrzeug.bin")), streifen,
                            vorgelesen);
    // The main window's top edge not above 500 twips, so the vehicle list window fits above it.
    if (form1.frameGeometry().top() < qRound(px(500)))
        form1.move(form1.frameGeometry().left(), qRound(px(500)));
    form2Platzieren();

    // Insert modes.
    m_ab.einfuegemodus = NachUnten;
    m_ab.listenmodus = AktuellesFenster;

    // Settings: directions, status colours, window titles, BOS and Landeskennung names.
    m_ab.einstellungenLesen();
    // An editor opened before the start takes the names now; a later one fills itself.
    if (m_fahrzeugEdit)
        m_fahrzeugEdit->listenFuellen();

    // The tabs and fields become visible.
    form1.felderZeigen();

    // Overview: "status.bin" with the vehicle lookup, then the list of vehicles not placed.
    statusBeimStartLesen(m_ab, standardDateiImArbeitsordner(QStringLiteral("status.bin")), streifen,
                         vorgelesen);
    FahrzeuglisteAktualisieren(m_ab);

    // Place identifiers: "orte.bin".
    OrteStartLesen(m_ab);

    // The vehicle list window beside the main window.
    m_form2->show();
    m_form2->setEnabled(true);

    // Everything read counts as saved, and there is nothing to take back.
    m_ab.alleFreigeben();
    m_ab.verlauf.leeren();
    streifen.verbergen();
    m_ab.startFertig = StartFertigWert;
    form1.startBeenden();
    // Files read here under one of several spellings: said once the windows are up.
    startDateienMelden(m_ab, m_rueckfrage);
}

// No window outlives the main window: the others go with it, dialogs that disable it included,
// and nothing is left on screen to change a list that can no longer be saved.
void Anwendung::beenden() {
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster != m_form1.get())
            fenster->hide();
    ende();
}

Ortskennungen& Anwendung::ortskennungen() const {
    if (!m_ortskennungen) {
        m_ortskennungen = std::make_unique<Ortskennungen>(m_ab, m_rueckfrage);
        verlaufTasten(m_ortskennungen.get());
    }
    return *m_ortskennungen;
}

FahrzeugEdit& Anwendung::fahrzeugEdit() const {
    if (!m_fahrzeugEdit)
        m_fahrzeugEdit = std::make_unique<FahrzeugEdit>(m_ab);
    return *m_fahrzeugEdit;
}

// The field editor is created on first use and kept.
void Anwendung::feldBearbeiten(int feld) {
    if (!m_feldEdit) {
        m_feldEdit = std::make_unique<FeldEdit>(m_ab);
        connect(m_feldEdit.get(), &FeldEdit::fahrzeugInListeZeigen, this, &Anwendung::fahrzeugInListeZeigen);
    }
    m_feldEdit->oeffnen(FeldBearbeiten(m_ab, feld), sperrFenster(false));
}

void Anwendung::orteVerbinden() {
    const Menue& m = m_form1->menue;
    connect(m.MenueOrtskennungen, &QAction::triggered, this, [this] {
        Ortskennungen& fenster = ortskennungen();
        fenster.show();
        fenster.raise();
        fenster.activateWindow();
    });
    connect(m.MenueLadenOrte, &QAction::triggered, this, [this] {
        OrteLadenBefehl(m_ab, m_rueckfrage,
                        ladenMitAllesSpeichern(m_ab, m_rueckfrage, m_form1->statusBar(), DokOrtskennungen));
    });
    connect(m.MenueSpeichernOrte, &QAction::triggered, this,
            [this] { OrteSpeichernBefehl(m_ab, m_rueckfrage); });
    connect(m.MenueUndoOrte, &QAction::triggered, this, [this] { OrteUndoBefehl(m_ab, m_rueckfrage); });
}

void Anwendung::fahrzeugeVerbinden() {
    const Menue& m = m_form1->menue;
    connect(m.MenueLadenFzg, &QAction::triggered, this, [this] {
        MenueLadenFzg(m_ab, m_rueckfrage,
                      ladenMitAllesSpeichern(m_ab, m_rueckfrage, m_form1->statusBar(), DokFahrzeugliste));
    });
    connect(m.MenueSpeichernFzg, &QAction::triggered, this,
            [this] { MenueSpeichernFzg(m_ab, m_rueckfrage, m_form1->statusBar()); });
    connect(m.MenueUndoFahrzeug, &QAction::triggered, this,
            [this] { MenueUndoFahrzeug(m_ab, m_rueckfrage); });
    const QList<QWidget*> sperren = {m_form1.get(), m_form2.get()};
    connect(m_form2.get(), &Form2::fahrzeugBearbeiten, this,
            [this, sperren](int f) { fahrzeugEdit().oeffnenFuer(f, sperren); });
    connect(m_form2.get(), &Form2::neuesFahrzeug, this,
            [this, sperren] { fahrzeugEdit().oeffnenNeu(sperren); });
}

void Anwendung::aktionenVerbinden() {
    m_sanduhr = std::make_unique<Sanduhr>(m_form1->statusBar());
    const Menue& m = m_form1->menue;
    connect(m.MenuAktionen, &QAction::triggered, this, &Anwendung::aktionenZeigen);
    connect(m.MenueLadenAktionen, &QAction::triggered, this, [this] {
        AktionenLadenBefehl(m_ab, m_rueckfrage, *m_sanduhr,
                            ladenMitAktionenSpeichern(m_ab, m_rueckfrage, QDir::currentPath()));
    });
    connect(m.MenueSpeichernAktionen, &QAction::triggered, this,
            [this] { AktionenSpeichernBefehl(m_ab, m_rueckfrage); });
}

void Anwendung::csvVerbinden() {
    const Menue& m = m_form1->menue;
    const std::pair<QAction*, CsvTabelle> exporte[] = {{m.MenueExportFzg, CsvTabelle::Fahrzeuge},
                                                       {m.MenueExportOrte, CsvTabelle::Orte},
                                                       {m.MenueExportAktionen, CsvTabelle::Aktionen}};
    for (const auto& [eintrag, tabelle] : exporte)
        connect(eintrag, &QAction::triggered, this,
                [this, t = tabelle] { csvExportBefehl(m_ab, m_rueckfrage, t, m_form1.get()); });
    const std::pair<QAction*, CsvTabelle> importe[] = {{m.MenueImportFzg, CsvTabelle::Fahrzeuge},
                                                       {m.MenueImportOrte, CsvTabelle::Orte},
                                                       {m.MenueImportAktionen, CsvTabelle::Aktionen}};
    for (const auto& [eintrag, tabelle] : importe)
        connect(eintrag, &QAction::triggered, this,
                [this, t = tabelle] { csvImportBefehl(m_ab, m_rueckfrage, t, m_form1.get()); });
    connect(m_form2.get(), &Form2::inUebersichtZeigen, this, &Anwendung::fahrzeugInUebersicht);
    connect(m_form1.get(), &Form1::fahrzeugInListeZeigen, this,
            [this](int feld) { fahrzeugInListeZeigen(m_ab.felder[feld].kennung); });
}

void Anwendung::fahrzeugInListeZeigen(const QString& kennung) {
    const int f = fahrzeugZeileMitKennung(m_ab, kennung);
    if (f >= 0)
        m_form2->fahrzeugZeigen(f);
    else
        m_rueckfrage.meldung(
            QStringLiteral("In Fahrzeugliste zeigen"),
            QStringLiteral("Die Kennung \"%1\" steht nicht in der Fahrzeugliste.").arg(kennung.trimmed()));
}

void Anwendung::fahrzeugInUebersicht(int fahrzeug) {
    if (fahrzeug < 0 || fahrzeug >= static_cast<int>(m_ab.fahrzeuge.size()))
        return;
    const Fahrzeug& f = m_ab.fahrzeuge[static_cast<size_t>(fahrzeug)];
    // Again on the same vehicle: the next of its fields; else its first.
    const int zuletzt = m_zuletztGezeigtesFeld;
    const bool weiter = zuletzt >= 0 && naechstesFeldMit(m_ab, f.kennung, zuletzt - 1) == zuletzt;
    const int feld = naechstesFeldMit(m_ab, f.kennung, weiter ? zuletzt : -1);
    if (feld < 0) {
        m_rueckfrage.meldung(
            QStringLiteral("In \u00dcbersicht zeigen"),
            QStringLiteral("%1 steht in keinem Feld der \u00dcbersicht.").arg(fahrzeugName(f)));
        return;
    }
    m_zuletztGezeigtesFeld = feld;
    m_form1->feldZeigen(feld);
}

void Anwendung::aktionenZeigen() {
    if (!m_aktionen) {
        AktionenStart(m_ab, m_rueckfrage, *m_sanduhr);
        m_form1->menue.MenueLadenAktionen->setEnabled(true);
        m_form1->menue.MenueSpeichernAktionen->setEnabled(true);
        m_form1->menue.MenueExportAktionen->setEnabled(true);
        m_form1->menue.MenueImportAktionen->setEnabled(true);
        m_aktionen = std::make_unique<Aktionen>(m_ab, m_rueckfrage, m_form1->statusBar());
        verlaufTasten(m_aktionen.get());
    }
    m_aktionen->show();
    m_aktionen->raise();
    m_aktionen->activateWindow();
}

// From the main window's middle, 1000 twips higher, but not above 300 twips.
void Anwendung::form2Platzieren() {
    const QRect haupt = m_form1->frameGeometry();
    const QPoint ort = form2::ortNebenHauptfenster(
        QRect(haupt.topLeft() * form2::TwipsProPixel, haupt.size() * form2::TwipsProPixel));
    m_form2->move(form2::px(ort.x()), form2::px(ort.y()));
}

void Anwendung::werkzeugeVerbinden() {
    m_werkzeuge =
        std::make_unique<Werkzeuge>(m_ab, m_rueckfrage, [this](bool mit) { return sperrFenster(mit); });
    const Menue& m = m_form1->menue;
    Werkzeuge* w = m_werkzeuge.get();
    connect(m.MenueUmwandeln, &QAction::triggered, w, &Werkzeuge::MenueUmwandeln_Click);
    connect(m.MenueZeitenSetzen, &QAction::triggered, w, &Werkzeuge::MenueZeitenSetzen_Click);
    connect(m.MenueEinstellungen, &QAction::triggered, w, &Werkzeuge::MenueEinstellungen_Click);
    connect(m.MenuTitelFahrzeuguebersicht, &QAction::triggered, w,
            &Werkzeuge::MenuTitelFahrzeuguebersicht_Click);
    connect(m.MenueEinstellungenLS, &QAction::triggered, w, &Werkzeuge::MenueEinstellungenLS_Click);
    connect(m.MenueInfo, &QAction::triggered, w, &Werkzeuge::MenueInfo_Click);
    connect(m.MenueHandbuch, &QAction::triggered, w, &Werkzeuge::MenueHandbuch_Click);
    connect(m.MenuePruefen, &QAction::triggered, this, &Anwendung::pruefenZeigen);
    m_drucken = std::make_unique<Drucken>(m_ab, m_rueckfrage, m_form1.get());
    m_drucken->uhr = [this] { return uhr(); };
    connect(m.MenueDrucken, &QAction::triggered, m_drucken.get(), &Drucken::MenueDrucken_Click);
    connect(m.MenueSeitenansicht, &QAction::triggered, m_drucken.get(), &Drucken::MenueSeitenansicht_Click);
    connect(m.MenuePdf, &QAction::triggered, m_drucken.get(), &Drucken::MenuePdf_Click);
}

// Every opening checks the tables as they stand then.
void Anwendung::pruefenZeigen() {
    if (!m_pruefen) {
        m_pruefen = std::make_unique<Pruefen>(m_ab);
        connect(m_pruefen.get(), &Pruefen::stelleZeigen, this, &Anwendung::stelleZeigen);
    }
    m_pruefen->pruefen();
    m_pruefen->show();
    m_pruefen->raise();
    m_pruefen->activateWindow();
}

// The place of a finding in the window that shows it; the action window opens as its menu
// command opens it, reading the file the check read.
void Anwendung::stelleZeigen(Tabelle tabelle, int nummer) {
    switch (tabelle) {
    case Tabelle::Status:
        m_form1->feldZeigen(nummer);
        break;
    case Tabelle::Fahrzeuge:
        m_form2->fahrzeugZeigen(nummer);
        break;
    case Tabelle::Orte:
        ortskennungen().eintragZeigen(nummer);
        break;
    case Tabelle::Aktionen:
        aktionenZeigen();
        m_aktionen->aktionZeigen(nummer);
        break;
    case Tabelle::Einstellungen:
        break;
    }
}

void Anwendung::verlaufTasten(QWidget* fenster) const {
    fenster->addActions({m_form1->menue.MenueRueckgaengig, m_form1->menue.MenueWiederholen});
}

QList<QWidget*> Anwendung::sperrFenster(bool mitOrtskennungen) const {
    QList<QWidget*> fenster{m_form1.get(), m_form2.get()};
    // A place window not yet opened has nothing to disable.
    if (mitOrtskennungen && m_ortskennungen)
        fenster.append(m_ortskennungen.get());
    return fenster;
}

} // namespace tabulo
