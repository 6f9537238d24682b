#include "tools/Pruefen.h"

#include "core/check/BefundModell.h"
#include "core/check/Pruefung.h"
#include "core/common/Arbeitsbereich.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tabulo {

namespace {
template <typename T> T* benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

Pruefen::Pruefen(Arbeitsbereich& ab, QWidget* parent) : QWidget(parent, Qt::Window), m_ab(ab) {
    setObjectName(QStringLiteral("Pruefen"));
    setWindowTitle(QStringLiteral("Pr\u00fcfen"));
    m_modell = new BefundModell(this);
    m_filter = new BefundFilter(this);
    m_filter->setSourceModel(m_modell);

    Liste = benannt(new QTreeView, "Liste");
    Liste->setModel(m_filter);
    Liste->setRootIsDecorated(false);
    Liste->setUniformRowHeights(true);
    Liste->setAllColumnsShowFocus(true);
    Liste->setSortingEnabled(true);
    Liste->sortByColumn(BefundModell::SpSchwere, Qt::AscendingOrder);
    Liste->setToolTip(QStringLiteral("Doppelklick zeigt die Stelle"));
    Liste->header()->resizeSection(BefundModell::SpSchwere, 70);
    Liste->header()->resizeSection(BefundModell::SpDatei, 110);
    Liste->header()->resizeSection(BefundModell::SpStelle, 140);
    Liste->header()->resizeSection(BefundModell::SpText, 420);
    connect(Liste, &QTreeView::doubleClicked, this, &Pruefen::Liste_DblClick);

    auto* leiste = new QHBoxLayout;
    const char* const namen[] = {"ZeigenFehler", "ZeigenWarnungen", "ZeigenHinweise"};
    const QString titel[] = {QStringLiteral("Fehler"), QStringLiteral("Warnungen"),
                             QStringLiteral("Hinweise")};
    for (int s = 0; s < 3; ++s) {
        Zeigen[s] = benannt(new QCheckBox(titel[s]), namen[s]);
        Zeigen[s]->setChecked(true);
        connect(Zeigen[s], &QCheckBox::toggled, this,
                [this, s](bool an) { m_filter->zeigen(static_cast<Schwere>(s), an); });
        leiste->addWidget(Zeigen[s]);
    }
    Anzahl = benannt(new QLabel, "Anzahl");
    leiste->addSpacing(12);
    leiste->addWidget(Anzahl, 1);
    ButtonPruefen = benannt(new QPushButton(QStringLiteral("&Erneut pr\u00fcfen")), "ButtonPruefen");
    ButtonSchliessen = benannt(new QPushButton(QStringLiteral("Schlie\u00dfen")), "ButtonSchliessen");
    leiste->addWidget(ButtonPruefen);
    leiste->addWidget(ButtonSchliessen);
    connect(ButtonPruefen, &QPushButton::clicked, this, &Pruefen::pruefen);
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::hide);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Liste, 1);
    spalte->addLayout(leiste);
    resize(1200, 420);
}

void Pruefen::pruefen() {
    m_modell->setzen(tabellenPruefen(pruefgutAusArbeitsbereich(m_ab)));
    Anzahl->setText(befundZaehlung(m_modell->befunde()));
    for (int s = 0; s < BefundModell::AnzahlSpalten; ++s)
        if (s != BefundModell::SpText)
            Liste->resizeColumnToContents(s);
}

void Pruefen::Liste_DblClick(const QModelIndex& index) {
    if (const Befund* b = m_filter->befund(index))
        emit stelleZeigen(b->tabelle, b->nummer);
}

} // namespace tabulo
