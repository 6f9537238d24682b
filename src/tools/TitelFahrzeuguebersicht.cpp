#include "tools/TitelFahrzeuguebersicht.h"

#include "core/common/Arbeitsbereich.h"
#include "core/overview/Fenstertitel.h"
#include "tools/Steuerelemente.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

namespace {
constexpr int TitelLaenge = 60;
}

TitelFahrzeuguebersicht::TitelFahrzeuguebersicht(Arbeitsbereich& ab) : m_ab(ab) {
    setObjectName(QStringLiteral("TitelFahrzeuguebersicht"));
    setWindowTitle(QStringLiteral("Titel der Fahrzeug\u00fcbersicht \u00c4ndern"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* raster = new QGridLayout;
    for (int i = 0; i < AnzahlFenster; ++i) {
        auto* label = new QLabel(QStringLiteral("\u00dcbersicht %1:").arg(i + 1));
        Titel[i] = new QLineEdit;
        Titel[i]->setObjectName(QStringLiteral("Titel%1").arg(i + 1));
        textZeigen(Titel[i], m_ab.fensterTitel[i], TitelLaenge);
        label->setBuddy(Titel[i]);
        raster->addWidget(label, i, 0);
        raster->addWidget(Titel[i], i, 1);
    }
    raster->setColumnMinimumWidth(1, 320);

    Speichern = new QPushButton(QStringLiteral("Speichern"));
    Speichern->setObjectName(QStringLiteral("Speichern"));
    Abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Abbrechen->setShortcut(Qt::Key_Escape);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Speichern);
    knoepfe->addWidget(Abbrechen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addSpacing(6);
    spalte->addLayout(knoepfe);

    connect(Speichern, &QPushButton::clicked, this, &TitelFahrzeuguebersicht::Speichern_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &TitelFahrzeuguebersicht::Abbrechen_Click);
}

void TitelFahrzeuguebersicht::Speichern_Click() {
    std::array<QString, AnzahlFenster> titel;
    for (int i = 0; i < AnzahlFenster; ++i)
        titel[i] = Titel[i]->text();
    TitelSpeichern(m_ab, titel);
    close();
}

void TitelFahrzeuguebersicht::Abbrechen_Click() {
    close();
}

} // namespace tabulo
