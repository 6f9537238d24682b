#include "tools/FrmEinstellungen.h"

#include "core/settings/Einstellungsbuendel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

namespace {
template <typename T> T* benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

FrmEinstellungen::FrmEinstellungen(Arbeitsbereich& ab, Rueckfrage& rueckfrage)
    : QWidget(nullptr, Qt::Window), m_ab(ab), m_rueckfrage(rueckfrage) {
    setObjectName(QStringLiteral("FrmEinstellungen"));
    setWindowTitle(QStringLiteral("Einstellungen Laden / Speichern"));
    setAttribute(Qt::WA_DeleteOnClose);

    chkEinstellungen = benannt(new QCheckBox(QStringLiteral("Einstellungen")), "chkEinstellungen");
    chkFenstertitel = benannt(new QCheckBox(QStringLiteral("Fenstertitel")), "chkFenstertitel");
    chkStatusfarben = benannt(new QCheckBox(QStringLiteral("Statusfarben")), "chkStatusfarben");
    const BuendelGruppen vorgabe;
    chkEinstellungen->setChecked(vorgabe.einstellungen);
    chkFenstertitel->setChecked(vorgabe.fenstertitel);
    chkStatusfarben->setChecked(vorgabe.statusfarben);
    lblEinstellungen = benannt(new QLabel, "lblEinstellungen");
    lblFenstertitel = benannt(new QLabel, "lblFenstertitel");
    lblStatusfarben = benannt(new QLabel, "lblStatusfarben");

    auto* gruppen = new QGridLayout;
    gruppen->setHorizontalSpacing(16);
    gruppen->addWidget(chkEinstellungen, 0, 0);
    gruppen->addWidget(lblEinstellungen, 0, 1);
    gruppen->addWidget(chkFenstertitel, 1, 0);
    gruppen->addWidget(lblFenstertitel, 1, 1);
    gruppen->addWidget(chkStatusfarben, 2, 0);
    gruppen->addWidget(lblStatusfarben, 2, 1);
    // Room for the longest result, so the window does not grow after a load.
    gruppen->setColumnMinimumWidth(
        1,
        lblEinstellungen->fontMetrics().horizontalAdvance(ergebnisText(BuendelErgebnis::NichtGefunden)) + 8);

    auto* label1 = benannt(
        new QLabel(QStringLiteral("Nur die markierten Einstellungen werden beim Laden ber\u00fccksichtigt.")),
        "Label1");
    label1->setWordWrap(true);

    btnLaden = benannt(new QPushButton(QStringLiteral("Laden...")), "btnLaden");
    btnSpeichern = benannt(new QPushButton(QStringLiteral("Speichern...")), "btnSpeichern");
    btnSchliessen = benannt(new QPushButton(QStringLiteral("Schlie\u00dfen")), "btnSchliessen");
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnLaden);
    knoepfe->addWidget(btnSpeichern);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnSchliessen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(gruppen);
    spalte->addWidget(label1);
    spalte->addSpacing(4);
    spalte->addLayout(knoepfe);
    setFixedSize(sizeHint());

    connect(btnLaden, &QPushButton::clicked, this, &FrmEinstellungen::btnLaden_Click);
    connect(btnSpeichern, &QPushButton::clicked, this, &FrmEinstellungen::btnSpeichern_Click);
    connect(btnSchliessen, &QPushButton::clicked, this, &FrmEinstellungen::btnSchliessen_Click);
}

static BuendelGruppen gewaehlt(const FrmEinstellungen& f) {
    return {f.chkEinstellungen->isChecked(), f.chkFenstertitel->isChecked(), f.chkStatusfarben->isChecked()};
}

void FrmEinstellungen::btnLaden_Click() {
    const auto ergebnis = EinstellungsbuendelLaden(m_ab, m_rueckfrage, gewaehlt(*this));
    if (!ergebnis)
        return;
    lblEinstellungen->setText(ergebnisText(ergebnis->einstellungen));
    lblFenstertitel->setText(ergebnisText(ergebnis->fenstertitel));
    lblStatusfarben->setText(ergebnisText(ergebnis->statusfarben));
}

void FrmEinstellungen::btnSpeichern_Click() {
    EinstellungsbuendelSpeichern(m_ab, m_rueckfrage, gewaehlt(*this));
}

void FrmEinstellungen::btnSchliessen_Click() {
    close();
}

} // namespace tabulo
