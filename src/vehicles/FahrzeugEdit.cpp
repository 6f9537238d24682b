#include "vehicles/FahrzeugEdit.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/vehicles/FahrzeugBearbeitung.h"
#include "ui/Fortschrittsstreifen.h"
#include "ui/Schriften.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabulo {

namespace {

QComboBox* liste(QWidget* eltern, const QString& name) {
    auto* c = new QComboBox(eltern);
    c->setObjectName(name);
    c->setEditable(false);
    return c;
}

QLineEdit* textfeld(QWidget* eltern, const QString& name, int laenge) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    e->setMaxLength(laenge);
    return e;
}

QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    return l;
}

QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& titel) {
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(name);
    return g;
}

} // namespace

FahrzeugEdit::FahrzeugEdit(Arbeitsbereich& ab, QWidget* parent) : SperrFenster(parent), m_ab(ab) {
    setObjectName(QStringLiteral("FahrzeugEdit"));
    setWindowTitle(QStringLiteral("Fahrzeug Editieren"));
    setFont(arial(8.25));
    setAttribute(Qt::WA_QuitOnClose, false);
    aufbauen();
    listenFuellen();
}

void FahrzeugEdit::aufbauen() {
    Frame1 = rahmen(this, QStringLiteral("Frame1"), QStringLiteral("BOS-Kennung"));
    Frame2 = rahmen(this, QStringLiteral("Frame2"), QStringLiteral("Landeskennung"));
    Frame3 = rahmen(this, QStringLiteral("Frame3"), QStringLiteral("Ortskennung"));
    Frame4 = rahmen(this, QStringLiteral("Frame4"), QStringLiteral("Fahrzeugkennung"));
    BOSKennung = liste(Frame1, QStringLiteral("BOSKennung"));
    Landeskennung = liste(Frame2, QStringLiteral("Landeskennung"));
    (new QHBoxLayout(Frame1))->addWidget(BOSKennung);
    (new QHBoxLayout(Frame2))->addWidget(Landeskennung);
    auto* ort = new QHBoxLayout(Frame3);
    for (int i : {1, 2}) {
        Ortskennung[i] = liste(Frame3, QStringLiteral("Ortskennung%1").arg(i));
        ort->addWidget(Ortskennung[i]);
    }
    auto* fz = new QHBoxLayout(Frame4);
    for (int i = 1; i <= 4; ++i) {
        Fahrzeugkennung[i] = liste(Frame4, QStringLiteral("Fahrzeugkennung%1").arg(i));
        fz->addWidget(Fahrzeugkennung[i]);
    }
    BOSKennung->setMinimumContentsLength(16);
    Landeskennung->setMinimumContentsLength(16);

    Label1 = beschriftung(this, QStringLiteral("Label1"), QStringLiteral("Rufname"));
    Rufname = textfeld(this, QStringLiteral("Rufname"), 10);
    Label2 = beschriftung(this, QStringLiteral("Label2"), QStringLiteral("Zusatzinformation"));
    Zusatzinformation = textfeld(this, QStringLiteral("Zusatzinformation"), 20);
    Label3 = beschriftung(this, QStringLiteral("Label3"), QStringLiteral("Status"));
    Status = liste(this, QStringLiteral("Status"));
    for (int s = 0; s <= 9; ++s)
        Status->addItem(zahlText(s));
    Label4 = beschriftung(this, QStringLiteral("Label4"), QStringLiteral("Zeit"));
    Zeit = textfeld(this, QStringLiteral("Zeit"), 8);
    Zeit->setText(QStringLiteral("12345678"));
    ZeitDatum = new QPushButton(QStringLiteral("=01.01.01"), this);
    ZeitDatum->setObjectName(QStringLiteral("ZeitDatum"));
    Label5 = beschriftung(this, QStringLiteral("Label5"), QStringLiteral("Bemerkung"));
    Bemerkung = textfeld(this, QStringLiteral("Bemerkung"), 256);
    StatusBar = new Fortschrittsstreifen(this);
    StatusBar->setFixedHeight(17);
    Uebernehmen = new QPushButton(QStringLiteral("\u00dcbernehmen"), this);
    Uebernehmen->setObjectName(QStringLiteral("Uebernehmen"));
    Abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(Frame1, 0, 0, 1, 2);
    raster->addWidget(Frame2, 0, 2, 1, 3);
    raster->addWidget(Frame3, 1, 0, 1, 2);
    raster->addWidget(Frame4, 1, 2, 1, 3);
    raster->addWidget(Label1, 2, 0);
    raster->addWidget(Rufname, 2, 1);
    raster->addWidget(Label2, 2, 2);
    raster->addWidget(Zusatzinformation, 2, 3, 1, 2);
    raster->addWidget(Label3, 3, 0);
    raster->addWidget(Status, 3, 1);
    raster->addWidget(Label4, 3, 2);
    raster->addWidget(Zeit, 3, 3);
    raster->addWidget(ZeitDatum, 3, 4);
    raster->addWidget(Label5, 4, 0);
    raster->addWidget(Bemerkung, 4, 1, 1, 4);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(StatusBar, 1);
    knoepfe->addWidget(Uebernehmen);
    knoepfe->addWidget(Abbrechen);
    raster->addLayout(knoepfe, 5, 0, 1, 5);

    connect(Uebernehmen, &QPushButton::clicked, this, &FahrzeugEdit::Uebernehmen_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &FahrzeugEdit::Abbrechen_Click);
    connect(ZeitDatum, &QPushButton::clicked, this, &FahrzeugEdit::ZeitDatum_Click);
}

std::array<QComboBox*, 8> FahrzeugEdit::kennungsListen() const {
    return {BOSKennung,         Landeskennung,      Ortskennung[1],     Ortskennung[2],
            Fahrzeugkennung[1], Fahrzeugkennung[2], Fahrzeugkennung[3], Fahrzeugkennung[4]};
}

void FahrzeugEdit::listenFuellen() {
    const auto listen = kennungsListen();
    for (int i = 0; i < AnzahlKennungsListen; ++i) {
        QComboBox* c = listen[i];
        const int gewaehlt = c->currentIndex();
        c->clear();
        for (int k = 0; k < 16; ++k) {
            const QString ziffer(hexZeichen(k));
            if (i == 0)
                c->addItem(ziffer + QLatin1Char(' ') + m_ab.bosName[k]);
            else if (i == 1)
                c->addItem(ziffer + QLatin1Char(' ') + m_ab.landName[k]);
            else
                c->addItem(ziffer);
        }
        c->setCurrentIndex(gewaehlt);
    }
}

void FahrzeugEdit::oeffnenFuer(int fahrzeug, const QList<QWidget*>& sperren) {
    if (fahrzeug < 0 || fahrzeug >= static_cast<int>(m_ab.fahrzeuge.size()))
        return;
    const EditorAnzeige a = editorAnzeigeFuer(m_ab.fahrzeuge[fahrzeug]);
    const auto listen = kennungsListen();
    for (int i = 0; i < AnzahlKennungsListen; ++i)
        listen[i]->setCurrentIndex(a.ziffern[i]);
    Status->setCurrentIndex(a.status);
    Rufname->setText(a.rufname);
    Zeit->setText(a.zeit);
    Zusatzinformation->setText(a.info);
    Bemerkung->setText(a.bemerkung);
    ZeitDatum->setText(QLatin1Char('=') + m_ab.heute);
    oeffnen(sperren);
}

void FahrzeugEdit::oeffnenNeu(const QList<QWidget*>& sperren) {
    m_ab.listenZiehen = 0;
    Status->setCurrentIndex(2);
    Rufname->clear();
    Zusatzinformation->clear();
    Zeit->setText(m_ab.heute);
    // The identifier lists and the remark keep what they last held.
    ZeitDatum->setText(QLatin1Char('=') + m_ab.heute);
    oeffnen(sperren);
}

FahrzeugEingabe FahrzeugEdit::eingabe() const {
    FahrzeugEingabe e;
    const auto listen = kennungsListen();
    for (int i = 0; i < AnzahlKennungsListen; ++i)
        e.kennung[i] = listen[i]->currentIndex() < 0 ? QString() : listen[i]->currentText();
    e.status = Status->currentIndex() < 0 ? QString() : Status->currentText();
    e.rufname = Rufname->text();
    e.info = Zusatzinformation->text();
    e.zeit = Zeit->text();
    e.bemerkung = Bemerkung->text();
    return e;
}

void FahrzeugEdit::Uebernehmen_Click() {
    FahrzeugUebernehmen(m_ab, eingabe(), *StatusBar);
    hide();
}

void FahrzeugEdit::Abbrechen_Click() {
    hide();
}

void FahrzeugEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        Abbrechen_Click();
        return;
    }
    SperrFenster::keyPressEvent(e);
}

void FahrzeugEdit::ZeitDatum_Click() {
    Zeit->setText(m_ab.heute);
}

} // namespace tabulo
