#include "actions/Aktionen.h"

#include "core/actions/AktionenBefehle.h"
#include "core/actions/AktionenModell.h"
#include "core/actions/Aktionsliste.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/common/Text.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tabulo {

namespace {

int pixel(int twips) {
    return qRound(px(twips));
}

// Designed client area, and the list view's place in it.
constexpr int BreiteTwips = 8445;
constexpr int HoeheTwips = 5730;
constexpr int ListeLinksTwips = 30;
constexpr int ListeObenTwips = 2235;
// The smallest window, 8565 x 4000 twips with the frame of the host's windows (120 twips of
// borders across, 405 of caption and borders down), as the inside that Qt sizes.
constexpr int MinBreiteTwips = 8565 - 120;
constexpr int MinHoeheTwips = 4000 - 405;
constexpr int SpaltenTwips[Aktion::AnzahlSpalten] = {1764, 847, 1129, 6174, 1217};

const QString Titel = QStringLiteral("Aktionen Bearbeiten");
const QString StartVorlage = QStringLiteral("C:\\Programme\\Velastat\\Kestrix.exe *?");

QListWidget* auswahlListe(const char* name, int breite) {
    auto* liste = new QListWidget;
    liste->setObjectName(QString::fromLatin1(name));
    liste->setSelectionMode(QAbstractItemView::MultiSelection);
    liste->setMinimumWidth(breite);
    liste->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return liste;
}

QGroupBox* rahmen(const QString& titel, const QList<QWidget*>& inhalt) {
    auto* box = new QGroupBox(titel);
    auto* zeile = new QHBoxLayout(box);
    zeile->setContentsMargins(3, 2, 3, 3);
    zeile->setSpacing(2);
    for (QWidget* w : inhalt)
        zeile->addWidget(w);
    return box;
}

QPushButton* knopf(const char* name, const QString& text) {
    auto* k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    return k;
}

template <size_t N> void auswahlLesen(const QListWidget* liste, std::array<bool, N>& auswahl) {
    for (size_t i = 0; i < N && static_cast<int>(i) < liste->count(); ++i)
        auswahl[i] = liste->item(static_cast<int>(i))->isSelected();
}

template <size_t N> void auswahlSetzen(QListWidget* liste, const std::array<bool, N>& auswahl) {
    for (size_t i = 0; i < N && static_cast<int>(i) < liste->count(); ++i)
        liste->item(static_cast<int>(i))->setSelected(auswahl[i]);
}

} // namespace

Aktionen::Aktionen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ab(ab), m_rueckfrage(rueckfrage), m_fortschritt(fortschritt) {
    setObjectName(QStringLiteral("Aktionen"));
    setWindowTitle(Titel);
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(arial(8));
    aufbauen();
    listenFuellen();
    AktionenAusfuehren->setChecked(aktionenErlaubt(m_ab.speicher()));
    anzahlZeigen();

    connect(&m_ab, &Arbeitsbereich::aktionenVeraendert, this, &Aktionen::anzahlZeigen);
    connect(ButtonSuchen, &QPushButton::clicked, this, &Aktionen::ButtonSuchen_Click);
    connect(ButtonAutoGen, &QPushButton::clicked, this, &Aktionen::ButtonAutoGen_Click);
    connect(ButtonImport, &QPushButton::clicked, this, &Aktionen::ButtonImport_Click);
    connect(ButtonAlleLoeschen, &QPushButton::clicked, this, &Aktionen::ButtonAlleLoeschen_Click);
    connect(AktionenAusfuehren, &QCheckBox::clicked, this, &Aktionen::AktionenAusfuehren_Click);
    connect(ButtonExit, &QPushButton::clicked, this, &QWidget::hide);
}

Aktionen::~Aktionen() = default;

void Aktionen::aufbauen() {
    setMinimumSize(pixel(MinBreiteTwips), pixel(MinHoeheTwips));

    TextAktion = new QLineEdit(StartVorlage);
    TextAktion->setObjectName(QStringLiteral("TextAktion"));
    TextAktion->setCursorPosition(0);
    Label1 = new QLabel(QStringLiteral("* = FMS Kennung, ? = Status"));
    Label1->setObjectName(QStringLiteral("Label1"));
    ButtonSuchen = knopf("ButtonSuchen", QStringLiteral("Suchen"));
    auto* aktionRahmen = new QGroupBox(QStringLiteral("Aktion"));
    auto* aktionGitter = new QGridLayout(aktionRahmen);
    aktionGitter->setContentsMargins(4, 2, 4, 3);
    aktionGitter->setVerticalSpacing(2);
    aktionGitter->addWidget(TextAktion, 0, 0);
    aktionGitter->addWidget(ButtonSuchen, 0, 1);
    aktionGitter->addWidget(Label1, 1, 0, 1, 2);

    ButtonImport = knopf("ButtonImport", QStringLiteral("Aktionen Importieren"));
    ButtonAlleLoeschen = knopf("ButtonAlleLoeschen", QStringLiteral("Alle L\u00f6schen"));
    AktionenAusfuehren = new QCheckBox(QStringLiteral("Aktionen Ausf\u00fchren"));
    AktionenAusfuehren->setObjectName(QStringLiteral("AktionenAusfuehren"));
    ButtonExit = knopf("ButtonExit", QStringLiteral("Fenster Schlie\u00dfen"));
    Anzahl = new QLabel;
    Anzahl->setObjectName(QStringLiteral("Anzahl"));

    auto* knoepfeOben = new QHBoxLayout;
    knoepfeOben->addWidget(ButtonImport);
    knoepfeOben->addWidget(ButtonAlleLoeschen);
    auto* knoepfeUnten = new QHBoxLayout;
    knoepfeUnten->addWidget(AktionenAusfuehren);
    knoepfeUnten->addWidget(ButtonExit);
    // The count never widens the column, however long it gets.
    Anzahl->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* links = new QVBoxLayout;
    links->setSpacing(3);
    links->addWidget(aktionRahmen);
    links->addLayout(knoepfeOben);
    links->addLayout(knoepfeUnten);
    links->addWidget(Anzahl);
    links->addStretch();

    BOSKennung = auswahlListe("BOSKennung", 80);
    Landeskennung = auswahlListe("Landeskennung", 80);
    Ortskennung1 = auswahlListe("Ortskennung1", 29);
    Ortskennung2 = auswahlListe("Ortskennung2", 29);
    Stati = auswahlListe("Stati", 29);
    RK = auswahlListe("RK", 62);
    RK->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // two items always fit
    // The name lists take the room that is left; the digit lists stay narrow.
    BOSKennung->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Landeskennung->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ButtonAutoGen = knopf("ButtonAutoGen", QStringLiteral("Go!"));
    auto* richtung = rahmen(QStringLiteral("Richtung"), {RK});
    auto* richtungSpalte = new QVBoxLayout;
    richtungSpalte->setSpacing(3);
    richtungSpalte->addWidget(richtung);
    richtungSpalte->addWidget(ButtonAutoGen);
    auto* generieren = new QGroupBox(QStringLiteral("Automatisch Generieren"));
    auto* genZeile = new QHBoxLayout(generieren);
    genZeile->setContentsMargins(4, 2, 4, 4);
    genZeile->setSpacing(3);
    genZeile->addWidget(rahmen(QStringLiteral("BOS-Kennung"), {BOSKennung}));
    genZeile->addWidget(rahmen(QStringLiteral("Landeskennung"), {Landeskennung}));
    genZeile->addWidget(rahmen(QStringLiteral("Ortskennung"), {Ortskennung1, Ortskennung2}));
    genZeile->addWidget(rahmen(QStringLiteral("Stati"), {Stati}));
    genZeile->addLayout(richtungSpalte);

    auto* oben = new QWidget;
    oben->setFixedHeight(pixel(ListeObenTwips));
    auto* obenZeile = new QHBoxLayout(oben);
    obenZeile->setContentsMargins(4, 3, 4, 3);
    obenZeile->setSpacing(6);
    obenZeile->addLayout(links);
    obenZeile->addWidget(generieren, 1);

    ListView1 = new QTreeView;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true); // keeps 100,000 rows as fast as ten
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->installEventFilter(this);

    // The list keeps its left edge and fills the window below the controls.
    auto* fenster = new QVBoxLayout(this);
    fenster->setContentsMargins(pixel(ListeLinksTwips), 0, pixel(ListeLinksTwips), 0);
    fenster->setSpacing(0);
    fenster->addWidget(oben);
    fenster->addWidget(ListView1, 1);
    // The model comes after the view is in its layout: every geometry change before that would
    // lay out all its rows once more (100,000 of them on a fleet).
    m_modell = new AktionenModell(m_ab, this);
    ListView1->setModel(m_modell);
    ListView1->header()->setStretchLastSection(false);
    for (int s = 0; s < Aktion::AnzahlSpalten; ++s)
        ListView1->header()->resizeSection(s, pixel(SpaltenTwips[s]));

    // The designed size, unless this platform's fonts need a little more room for the frames.
    resize(std::max(pixel(BreiteTwips), oben->minimumSizeHint().width() + 2 * pixel(ListeLinksTwips)),
           pixel(HoeheTwips));
}

void Aktionen::listenFuellen() {
    for (int d = 0; d < 16; ++d) {
        const QString ziffer(hexZeichen(d));
        BOSKennung->addItem(ziffer + QLatin1Char(' ') + m_ab.bosName[static_cast<size_t>(d)]);
        Landeskennung->addItem(ziffer + QLatin1Char(' ') + m_ab.landName[static_cast<size_t>(d)]);
        Landeskennung->item(d)->setSelected(true);
        Ortskennung1->addItem(ziffer);
        Ortskennung2->addItem(ziffer);
    }
    for (int s = 0; s < 10; ++s)
        Stati->addItem(zahlText(s));
    RK->addItem(m_ab.richtungsname[0]);
    RK->addItem(m_ab.richtungsname[1]);
    RK->item(0)->setSelected(true);
}

void Aktionen::aktionZeigen(int zeile) {
    show();
    raise();
    activateWindow();
    const QModelIndex index = m_modell->index(zeile, 0);
    if (!index.isValid())
        return;
    ListView1->setCurrentIndex(index);
    ListView1->scrollTo(index);
}

void Aktionen::anzahlZeigen() {
    const AnzahlAnzeige anzeige = anzahlAnzeige(m_ab);
    Anzahl->setText(anzeige.text);
    QPalette farben = Anzahl->palette();
    farben.setColor(QPalette::WindowText, anzeige.rot ? QColor(Qt::red) : QColor(Qt::black));
    Anzahl->setPalette(farben);
}

GenerierAuswahl Aktionen::auswahl() const {
    GenerierAuswahl a;
    auswahlLesen(BOSKennung, a.bos);
    auswahlLesen(Landeskennung, a.land);
    auswahlLesen(Ortskennung1, a.ort1);
    auswahlLesen(Ortskennung2, a.ort2);
    auswahlLesen(Stati, a.stati);
    auswahlLesen(RK, a.richtung);
    a.vorlage = TextAktion->text();
    return a;
}

void Aktionen::auswahlZeigen(const GenerierAuswahl& a) {
    auswahlSetzen(BOSKennung, a.bos);
    auswahlSetzen(Landeskennung, a.land);
    auswahlSetzen(Ortskennung1, a.ort1);
    auswahlSetzen(Ortskennung2, a.ort2);
    auswahlSetzen(Stati, a.stati);
    auswahlSetzen(RK, a.richtung);
}

void Aktionen::ButtonSuchen_Click() {
    if (const auto pfad = AktionSuchen(m_rueckfrage))
        TextAktion->setText(*pfad);
}

void Aktionen::ButtonAutoGen_Click() {
    GenerierAuswahl a = auswahl();
    AktionenGenerieren(m_ab, a);
    auswahlZeigen(a);
}

void Aktionen::ButtonImport_Click() {
    AktionenImportierenBefehl(m_ab, m_rueckfrage, m_fortschritt);
}

void Aktionen::ButtonAlleLoeschen_Click() {
    if (m_rueckfrage.frage(Titel, QStringLiteral("Wollen Sie wirklich alle Aktionen l\u00f6schen?"),
                           Knoepfe::OkAbbrechen, Symbol::Ausrufezeichen) == Antwort::Ok)
        AlleAktionenLoeschen(m_ab);
}

void Aktionen::AktionenAusfuehren_Click(bool an) {
    aktionenErlaubtSpeichern(m_ab.speicher(), an);
}

void Aktionen::ListView1_EntfTaste() {
    const QItemSelection auswahl = ListView1->selectionModel()->selection();
    if (auswahl.isEmpty())
        return;
    std::vector<bool> markiert(m_ab.aktionen.size(), false);
    for (const QItemSelectionRange& bereich : auswahl)
        for (int z = bereich.top(); z <= bereich.bottom(); ++z)
            if (z >= 0 && static_cast<size_t>(z) < markiert.size())
                markiert[static_cast<size_t>(z)] = true;
    AktionenEntfernen(m_ab, markiert);
}

bool Aktionen::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == ListView1 && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        ListView1_EntfTaste();
        return true;
    }
    return QWidget::eventFilter(objekt, e);
}

void Aktionen::closeEvent(QCloseEvent* e) {
    // Only hidden: the list and the selections wait for the next showing.
    e->ignore();
    hide();
}

} // namespace tabulo
