#include "tools/DruckauswahlDialog.h"

#include "core/common/Arbeitsbereich.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

DruckauswahlDialog::DruckauswahlDialog(const Arbeitsbereich& ab, const Druckauswahl& vorgabe, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DruckauswahlDialog"));
    setWindowTitle(QStringLiteral("Drucken"));

    auto* uebersicht = new QGroupBox(QStringLiteral("Status\u00fcbersicht, eine Seite je Fenster"));
    auto* raster = new QGridLayout(uebersicht);
    for (int w = 1; w <= AnzahlFenster; ++w) {
        auto* box = new QCheckBox(QStringLiteral("&%1  %2").arg(w).arg(ab.fensterTitel[w - 1]));
        box->setObjectName(QStringLiteral("Fenster%1").arg(w));
        box->setChecked(vorgabe.fenster[w - 1]);
        raster->addWidget(box, (w - 1) % 4, (w - 1) / 4);
        Fenster[w - 1] = box;
    }
    auto* alle = new QPushButton(QStringLiteral("A&lle"));
    auto* keines = new QPushButton(QStringLiteral("&Keines"));
    auto* knoepfeFenster = new QHBoxLayout;
    knoepfeFenster->addWidget(alle);
    knoepfeFenster->addWidget(keines);
    knoepfeFenster->addStretch();
    raster->addLayout(knoepfeFenster, 4, 0, 1, 2);

    auto* tabellen = new QGroupBox(QStringLiteral("Tabellen"));
    auto* spalte = new QVBoxLayout(tabellen);
    Fahrzeuge = new QCheckBox(QStringLiteral("&Fahrzeugliste"));
    Orte = new QCheckBox(QStringLiteral("&Ortskennungen"));
    AktionenTabelle = new QCheckBox(QStringLiteral("A&ktionen"));
    Fahrzeuge->setChecked(vorgabe.fahrzeuge);
    Orte->setChecked(vorgabe.orte);
    AktionenTabelle->setChecked(vorgabe.aktionen && ab.aktionenMenueAktiv);
    AktionenTabelle->setEnabled(ab.aktionenMenueAktiv);
    if (!ab.aktionenMenueAktiv)
        AktionenTabelle->setToolTip(QStringLiteral(
            "Die Aktionen werden mit dem ersten \u00d6ffnen des Fensters \u201eAktionen\u201c gelesen."));
    for (QCheckBox* box : {Fahrzeuge, Orte, AktionenTabelle})
        spalte->addWidget(box);
    spalte->addStretch();

    Knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    Knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));

    auto* oben = new QHBoxLayout;
    oben->addWidget(uebersicht, 2);
    oben->addWidget(tabellen, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(Knoepfe);

    connect(alle, &QPushButton::clicked, this, [this] {
        for (QCheckBox* b : Fenster)
            b->setChecked(true);
    });
    connect(keines, &QPushButton::clicked, this, [this] {
        for (QCheckBox* b : Fenster)
            b->setChecked(false);
    });
    for (QCheckBox* b : Fenster)
        connect(b, &QCheckBox::toggled, this, &DruckauswahlDialog::pruefen);
    for (QCheckBox* b : {Fahrzeuge, Orte, AktionenTabelle})
        connect(b, &QCheckBox::toggled, this, &DruckauswahlDialog::pruefen);
    connect(Knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pruefen();
}

Druckauswahl DruckauswahlDialog::auswahl() const {
    Druckauswahl a;
    for (int w = 0; w < AnzahlFenster; ++w)
        a.fenster[w] = Fenster[w]->isChecked();
    a.fahrzeuge = Fahrzeuge->isChecked();
    a.orte = Orte->isChecked();
    a.aktionen = AktionenTabelle->isEnabled() && AktionenTabelle->isChecked();
    return a;
}

// Nothing chosen, nothing to print.
void DruckauswahlDialog::pruefen() {
    Knoepfe->button(QDialogButtonBox::Ok)->setEnabled(!auswahl().leer());
}

} // namespace tabulo
