#include "places/Ortskennungen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/places/OrtEingabe.h"
#include "core/places/OrteBefehle.h"
#include "ui/Farben.h"
#include "ui/Schriften.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

namespace {

constexpr int pixel(int twips) {
    return twips / 15;
}

const char* const BosTitel[OrtBosKaesten] = {"NN(0)",   "POL(1)",   "BGS(2)",  "BKA(3)", "KAT(4)",
                                             "ZOLL(5)", "BF/FF(6)", "THW(7)",  "ASB(8)", "DRK(9)",
                                             "JUH(A)",  "MHD(B)",   "DLRG(C)", "RD(D)",  "ZVS(E)"};

// The inputs fill the top of the window; the list starts below them.
constexpr int ListeLinks = 60;
constexpr int ListeOben = 2490;

QGroupBox* rahmen(const char* name, const QString& titel, QWidget* eltern) {
    auto* r = new QGroupBox(titel, eltern);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

// Frames with tight margins: the inputs have to fit above the list.
template <typename L> L* eng(L* layout) {
    layout->setContentsMargins(6, 2, 6, 3);
    layout->setSpacing(4);
    return layout;
}

template <typename T> T* benannt(T* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

void ziffernListe(QComboBox* liste) {
    for (int k = 0; k < 16; ++k)
        liste->addItem(QString(hexZeichen(k)));
    liste->setCurrentIndex(-1);
}

void auswaehlen(QComboBox* liste, int index) {
    liste->setCurrentIndex(index >= 0 && index < liste->count() ? index : -1);
}

} // namespace

QRect ortFenster::okListe(int clientBreite, int clientHoehe) {
    const int aussenBreite = clientBreite + RahmenBreite;
    const int aussenHoehe = clientHoehe + RahmenHoehe;
    return {ListeLinks, ListeOben, std::max(0, aussenBreite - 225), std::max(0, aussenHoehe - 3105)};
}

Ortskennungen::Ortskennungen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent)
    : QWidget(parent), m_ab(ab), m_rueckfrage(rueckfrage) {
    setObjectName(QStringLiteral("Ortskennungen"));
    setWindowTitle(QStringLiteral("Ortskennungen bearbeiten"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(arial(8.25));
    aufbauen();
    setMinimumSize(pixel(ortFenster::MindestBreiteAussen - ortFenster::RahmenBreite),
                   pixel(ListeOben + ortFenster::MindestListenHoehe + 120));
    resize(pixel(ortFenster::Breite), pixel(ortFenster::Hoehe));

    connect(&ab, &Arbeitsbereich::orteVeraendert, this, &Ortskennungen::tabelleAnzeigen);
    connect(&ab, &Arbeitsbereich::namenVeraendert, this, &Ortskennungen::namenUebernehmen);
    connect(OKListe, &QListWidget::itemClicked, this, &Ortskennungen::OKListe_Click);
    connect(OKListe, &QListWidget::currentRowChanged, this, &Ortskennungen::OKListe_Click);
    connect(Uebernehmen, &QPushButton::clicked, this, &Ortskennungen::Uebernehmen_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &Ortskennungen::Abbrechen_Click);
    connect(ButtonImport, &QPushButton::clicked, this, &Ortskennungen::ButtonImport_Click);

    namenUebernehmen();
    tabelleAnzeigen();
}

void Ortskennungen::aufbauen() {
    m_kopf = new QWidget(this);
    auto* kopf = new QVBoxLayout(m_kopf);
    kopf->setContentsMargins(4, 2, 4, 2);
    kopf->setSpacing(2);

    auto* zeile1 = new QHBoxLayout;
    LKFrame = rahmen("LKFrame", QStringLiteral("Landeskennung"), m_kopf);
    Landeskennung = benannt(new QComboBox(LKFrame), QStringLiteral("Landeskennung"));
    Landeskennung->setMinimumContentsLength(14);
    eng(new QHBoxLayout(LKFrame))->addWidget(Landeskennung);
    OKFrame = rahmen("OKFrame", QStringLiteral("Ortskennung"), m_kopf);
    auto* okZeile = eng(new QHBoxLayout(OKFrame));
    for (int i = 0; i < 2; ++i) {
        Ortskennung[i] = benannt(new QComboBox(OKFrame), QStringLiteral("Ortskennung(%1)").arg(i + 1));
        ziffernListe(Ortskennung[i]);
        okZeile->addWidget(Ortskennung[i]);
    }
    Frame1 = rahmen("Frame1", QStringLiteral("Klartext"), m_kopf);
    Klartext = benannt(new QLineEdit(Frame1), QStringLiteral("Klartext"));
    Klartext->setMaxLength(OrtKlartextLaenge);
    eng(new QHBoxLayout(Frame1))->addWidget(Klartext);
    zeile1->addWidget(LKFrame);
    zeile1->addWidget(OKFrame);
    zeile1->addWidget(Frame1, 1);

    auto* zeile2 = new QHBoxLayout;
    Frame2 = rahmen("Frame2", QStringLiteral("BOS"), m_kopf);
    auto* kaesten = eng(new QGridLayout(Frame2));
    kaesten->setVerticalSpacing(0);
    for (int d = 0; d < OrtBosKaesten; ++d) {
        BOS[d] = benannt(new QCheckBox(QString::fromLatin1(BosTitel[d]), Frame2),
                         QStringLiteral("BOS(%1)").arg(d));
        // Five to a column: 0-4, 5-9, A-E.
        kaesten->addWidget(BOS[d], d % 5, d / 5);
    }
    auto* knoepfe = new QVBoxLayout;
    knoepfe->setSpacing(3);
    Uebernehmen = benannt(new QPushButton(QStringLiteral("\u00dcbernehmen / Neu Anlegen"), m_kopf),
                          QStringLiteral("Uebernehmen"));
    Abbrechen = benannt(new QPushButton(QStringLiteral("Abbrechen / Schlie\u00dfen"), m_kopf),
                        QStringLiteral("Abbrechen"));
    ButtonImport = benannt(new QPushButton(QStringLiteral("Ortskennungen Importieren"), m_kopf),
                           QStringLiteral("ButtonImport"));
    auto* anzahlZeile = new QHBoxLayout;
    Text1 = benannt(new QLabel(QStringLiteral("Anzahl Ortskennungen (max. 250):"), m_kopf),
                    QStringLiteral("Text1"));
    Anzahl = benannt(new QLabel(QStringLiteral("0"), m_kopf), QStringLiteral("Anzahl"));
    anzahlZeile->addWidget(Text1);
    anzahlZeile->addWidget(Anzahl, 1);
    knoepfe->addWidget(Uebernehmen);
    knoepfe->addWidget(Abbrechen);
    knoepfe->addWidget(ButtonImport);
    knoepfe->addStretch(1);
    knoepfe->addLayout(anzahlZeile);
    zeile2->addWidget(Frame2, 1);
    zeile2->addLayout(knoepfe);

    kopf->addLayout(zeile1);
    kopf->addLayout(zeile2);

    OKListe = benannt(new QListWidget(this), QStringLiteral("OKListe"));
    OKListe->setFont(fixedsys());
    OKListe->setSelectionMode(QAbstractItemView::SingleSelection);
}

void Ortskennungen::namenUebernehmen() {
    const int gewaehlt = Landeskennung->currentIndex();
    Landeskennung->clear();
    for (int k = 0; k < 16; ++k)
        Landeskennung->addItem(QString(hexZeichen(k)) + QLatin1Char(' ') + m_ab.landName[k]);
    Landeskennung->setCurrentIndex(gewaehlt);
}

void Ortskennungen::eintragZeigen(int slot) {
    show();
    raise();
    activateWindow();
    if (slot < 0 || slot >= OKListe->count())
        return;
    OKListe->setCurrentRow(slot);
    OKListe->scrollToItem(OKListe->item(slot));
}

void Ortskennungen::tabelleAnzeigen() {
    const QStringList& zeilen = m_ab.orte.liste;
    const QSignalBlocker sperre(OKListe);
    while (OKListe->count() > zeilen.size())
        delete OKListe->takeItem(OKListe->count() - 1);
    for (int i = 0; i < zeilen.size(); ++i) {
        if (i < OKListe->count()) {
            if (OKListe->item(i)->text() != zeilen[i])
                OKListe->item(i)->setText(zeilen[i]);
        } else {
            OKListe->addItem(zeilen[i]);
        }
    }
    Anzahl->setText(zahlText(m_ab.orte.anzahl));
    QPalette p = Anzahl->palette();
    p.setColor(QPalette::WindowText, qtFarbe(anzahlFarbe(m_ab.orte.anzahl)));
    Anzahl->setPalette(p);
}

OrtEingabe Ortskennungen::eingabe() const {
    OrtEingabe e;
    e.landeskennung = Landeskennung->currentIndex();
    e.ortskennung1 = Ortskennung[0]->currentIndex();
    e.ortskennung2 = Ortskennung[1]->currentIndex();
    e.klartext = Klartext->text();
    for (int d = 0; d < OrtBosKaesten; ++d)
        if (BOS[d]->isChecked())
            e.bos |= static_cast<quint16>(1u << d);
    return e;
}

void Ortskennungen::OKListe_Click() {
    const int zeile = OKListe->currentRow();
    if (zeile < 0)
        return;
    const OrtEingabe e = ortAusZeile(m_ab.orte, zeile);
    auswaehlen(Landeskennung, e.landeskennung);
    auswaehlen(Ortskennung[0], e.ortskennung1);
    auswaehlen(Ortskennung[1], e.ortskennung2);
    Klartext->setText(e.klartext);
    for (int d = 0; d < OrtBosKaesten; ++d)
        BOS[d]->setChecked(e.bos & (1u << d));
}

void Ortskennungen::Uebernehmen_Click() {
    OrtUebernehmen(m_ab, eingabe());
}

// Only hides: enabling the other windows here would free them while a dialog that disabled
// them is still open.
void Ortskennungen::Abbrechen_Click() {
    hide();
}

void Ortskennungen::ButtonImport_Click() {
    OrteImportierenBefehl(m_ab, m_rueckfrage);
}

void Ortskennungen::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // Window systems that ignore the minimum size get the window snapped back.
    if (width() < minimumWidth()) {
        resize(minimumWidth(), height());
        return;
    }
    const int breite = width() * 15;
    const int hoehe = height() * 15;
    m_kopf->setGeometry(0, 0, width(), pixel(ListeOben));
    const QRect liste = ortFenster::okListe(breite, hoehe);
    OKListe->setGeometry(pixel(liste.x()), pixel(liste.y()), pixel(liste.width()), pixel(liste.height()));
}

} // namespace tabulo
