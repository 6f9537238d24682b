#include "overview/Form1.h"

#include "core/common/Arbeitsbereich.h"
#include "overview/FeldZiehen.h"
#include "overview/FensterAnsicht.h"
#include "overview/FensterTab.h"
#include "overview/Modusleiste.h"
#include "ui/Fortschrittsstreifen.h"
#include "ui/Twips.h"
#include "ui/ZiehSteuerung.h"

#include <QEvent>
#include <QMenuBar>
#include <QTimer>

namespace tabulo {

namespace {
// The window's border, caption and menu around the client area, in twips (design: outer
// 9255 x 6825 around a client area of 9165 x 6165).
constexpr double RahmenBreite = 90;
constexpr double RahmenHoehe = 660;
constexpr double EntwurfBreite = 9165, EntwurfHoehe = 6165;
constexpr double FensterLinks = 210, FensterOben = 840;
constexpr double TabLinks = 105, TabOben = 525;
} // namespace

Form1::Form1(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent)
    : Form1(ab, rueckfrage, *new ZiehSteuerung, parent) {
    m_eigeneZiehSteuerung.reset(&m_ziehen);
}

Form1::Form1(Arbeitsbereich& ab, Rueckfrage& rueckfrage, ZiehSteuerung& ziehen, QWidget* parent)
    : QMainWindow(parent), m_ab(ab), m_rueckfrage(rueckfrage), m_ziehen(ziehen) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(fensterTitel());
    menue.aufbauen(menuBar());
    aufbauen();
    befehleVerbinden();
}

Form1::~Form1() = default;

QString Form1::fensterTitel() {
    return QStringLiteral("Tabulo v%1.%2.%3")
        .arg(TABULO_VERSION_MAJOR)
        .arg(TABULO_VERSION_MINOR)
        .arg(TABULO_VERSION_PATCH);
}

void Form1::aufbauen() {
    // The bare surface of the window also carries the field drags.
    m_feldZiehen = new FeldZiehen(m_ab, m_ziehen, this);
    QWidget* flaeche = m_feldZiehen;
    flaeche->setObjectName(QStringLiteral("Flaeche"));
    setCentralWidget(flaeche);
    // Below the minimum the window snaps back (the grid takes at least 6000 x 5000 twips).
    flaeche->setMinimumSize(qCeil(px(MindestBreite - RahmenBreite)), qCeil(px(MindestHoehe - RahmenHoehe)));

    m_statusBar = new Fortschrittsstreifen(flaeche);
    m_statusBar->setGeometry(pxGanz(60, 105, 2100, 255));

    m_modusleiste = new Modusleiste(m_ab, flaeche);
    m_modusleiste->setGeometry(
        pxGanz(Modusleiste::Links, Modusleiste::Oben, Modusleiste::Breite, Modusleiste::Hoehe));
    connect(m_modusleiste, &Modusleiste::modusGewaehlt, this, &Form1::einfuegemodusGewaehlt);

    m_fensterTab = new FensterTab(m_ab, m_wahl, m_ziehen, flaeche);
    connect(m_fensterTab, &FensterTab::fensterGewechselt, this, &Form1::fensterZeigen);
    connect(m_fensterTab, &FensterTab::nachVorn, this, [this] {
        raise();
        activateWindow();
    });
    for (int w = 1; w <= AnzahlFenster; ++w) {
        m_ansichten[w - 1] = new FensterAnsicht(m_ab, w, m_feldZiehen, flaeche);
        connect(m_ansichten[w - 1], &FensterAnsicht::feldDoppelklick, this, &Form1::feldBearbeiten);
        connect(m_ansichten[w - 1], &FensterAnsicht::fahrzeugInListeZeigen, this,
                &Form1::fahrzeugInListeZeigen);
        m_ansichten[w - 1]->setVisible(w == m_wahl.aktuellesFenster());
    }
    geometrieSetzen(m_groesse.raster());
    resize(qRound(px(EntwurfBreite)), qRound(px(EntwurfHoehe)) + menuBar()->sizeHint().height());
}

void Form1::fensterZeigen(int fenster) {
    // Exactly one window frame is visible: the new one first, then the old one goes.
    m_ansichten[fenster - 1]->show();
    for (int w = 1; w <= AnzahlFenster; ++w)
        if (w != fenster)
            m_ansichten[w - 1]->hide();
}

void Form1::feldZeigen(int feld) {
    if (feld < 0 || feld >= AnzahlFelder)
        return;
    m_fensterTab->tabWaehlen(fensterVon(feld));
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    // Marked as a drop target is; a drag that takes the box over in the meantime keeps it.
    const Farbe vorher = m_ab.rahmenFarbe[feld];
    m_ab.rahmenFarbe[feld] = farbe::Zielmarke;
    m_ab.rahmenGeaendert();
    QTimer::singleShot(2000, this, [this, feld, vorher] {
        if (m_ab.rahmenFarbe[feld] != farbe::Zielmarke)
            return;
        m_ab.rahmenFarbe[feld] = vorher;
        m_ab.rahmenGeaendert();
    });
}

void Form1::startBeginnen() {
    m_fensterTab->hide();
    for (FensterAnsicht* a : m_ansichten)
        a->hide();
    setCursor(Qt::WaitCursor);
}

void Form1::felderZeigen() {
    m_fensterTab->show();
    m_ansichten[m_wahl.aktuellesFenster() - 1]->show();
    m_fensterTab->raise();
    for (FensterAnsicht* a : m_ansichten)
        a->raise();
    repaint();
}

void Form1::startBeenden() {
    unsetCursor();
    m_groesse.startBeendet(formBreite(), formHoehe());
}

// Taken from the window itself: the overview's surface never shrinks below its minimum, the
// window may (the window system need not heed the size hint).
double Form1::formBreite() const {
    return twips(width()) + RahmenBreite;
}
double Form1::formHoehe() const {
    return twips(height() - menuBar()->height()) + RahmenHoehe;
}

void Form1::rasterAnwenden() {
    const Rasterfuehrung::Schritt s =
        m_groesse.groesse(formBreite(), formHoehe(), isMinimized(), m_ab.startFertig == 10);
    // The size hint alone does not hold the window: without a window manager anyone may resize it.
    if (s.zurueckSetzen)
        resize(qCeil(px(s.breite - RahmenBreite)), qCeil(px(s.hoehe - RahmenHoehe)) + menuBar()->height());
    if (s.neuesRaster)
        geometrieSetzen(m_groesse.raster());
}

void Form1::geometrieSetzen(const Rasterlayout& raster) {
    m_fensterTab->setGeometry(pxGanz(TabLinks, TabOben, raster.tabBreite, raster.tabHoehe));
    for (FensterAnsicht* a : m_ansichten) {
        a->setGeometry(pxGanz(FensterLinks, FensterOben, raster.fensterBreite, raster.fensterHoehe));
        a->setzeRaster(raster);
    }
}

void Form1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    rasterAnwenden();
}

void Form1::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // Restoring from the task bar brings back the size the grid was laid out for.
    if (e->type() == QEvent::WindowStateChange)
        rasterAnwenden();
}

} // namespace tabulo
