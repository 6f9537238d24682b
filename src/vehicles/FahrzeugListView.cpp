#include "vehicles/FahrzeugListView.h"

#include "core/vehicles/FahrzeugModelle.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tabulo {

FahrzeugListView::FahrzeugListView(FahrzeugZeilenModell& modell, QWidget* parent)
    : QTreeView(parent), m_modell(modell) {
    setModel(&modell);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true); // keeps 10,000 rows as fast as 10
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Saved entries are padded with blanks; an ellipsis on every padded text would only be noise.
    setTextElideMode(Qt::ElideNone);
    setToolTip(QStringLiteral("Doppelklick zum Bearbeiten oder Drag & Drop zur Fahrzeug\u00fcbersicht"));
    QHeaderView* kopf = header();
    kopf->setStretchLastSection(false);
    kopf->setSectionsMovable(false);
    kopf->setSectionsClickable(true);
    kopf->setSectionResizeMode(QHeaderView::Interactive);
    kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int s = 0; s < 8; ++s)
        setColumnWidth(s, (SpaltenBreiteTwips[s] + 7) / 15);
    connect(kopf, &QHeaderView::sectionClicked, this, &FahrzeugListView::spalteGeklickt);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex&) {
        const int f = gewaehltesFahrzeug();
        if (f >= 0)
            emit bearbeiten(f);
    });
    sortierAnzeigeSetzen();
    // Ctrl+U: no key the list itself uses (letters jump to rows, Delete deletes).
    auto* zeigen = new QAction(QStringLiteral("In \u00dcbersicht zeigen"), this);
    zeigen->setObjectName(QStringLiteral("InUebersichtZeigen"));
    zeigen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    zeigen->setShortcutContext(Qt::WidgetShortcut);
    addAction(zeigen);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(zeigen, &QAction::triggered, this, [this] {
        const int f = gewaehltesFahrzeug();
        if (f >= 0)
            emit inUebersichtZeigen(f);
    });
}

int FahrzeugListView::gewaehlteZeile() const {
    if (!selectionModel())
        return -1;
    const QModelIndexList zeilen = selectionModel()->selectedRows();
    return zeilen.isEmpty() ? -1 : zeilen.first().row();
}

int FahrzeugListView::gewaehltesFahrzeug() const {
    const int zeile = gewaehlteZeile();
    return zeile < 0 ? -1 : m_modell.fahrzeugIndex(zeile);
}

// Every refresh reports all rows as changed. The tree view would measure each of 10,000 rows to
// find the area to repaint; only the rows in sight need it, so the range is cut to them first.
void FahrzeugListView::dataChanged(const QModelIndex& oben, const QModelIndex& unten,
                                   const QList<int>& rollen) {
    constexpr int WenigeZeilen = 64;
    if (!isVisible() || !oben.isValid() || !unten.isValid() || oben.parent().isValid() ||
        unten.row() - oben.row() < WenigeZeilen) {
        QTreeView::dataChanged(oben, unten, rollen);
        return;
    }
    const QModelIndex erste = indexAt(QPoint(0, 0));
    const QModelIndex letzte = indexAt(QPoint(0, viewport()->height() - 1));
    const int von = std::max(oben.row(), erste.isValid() ? erste.row() : 0);
    const int bis = std::min(unten.row(), letzte.isValid() ? letzte.row() : model()->rowCount() - 1);
    if (von <= bis)
        QTreeView::dataChanged(model()->index(von, oben.column()), model()->index(bis, unten.column()),
                               rollen);
}

void FahrzeugListView::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete && e->modifiers() == Qt::NoModifier) {
        const int f = gewaehltesFahrzeug();
        if (f >= 0)
            emit loeschen(f);
        return;
    }
    QTreeView::keyPressEvent(e);
}

void FahrzeugListView::mousePressEvent(QMouseEvent* e) {
    QTreeView::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && m_modell.rowCount() == 0)
        emit leerGedrueckt();
}

void FahrzeugListView::spalteGeklickt(int spalte) {
    m_modell.spalteGeklickt(spalte);
    sortierAnzeigeSetzen();
}

void FahrzeugListView::sortierAnzeigeSetzen() {
    const Sortierung s = m_modell.sortierung();
    header()->setSortIndicatorShown(s.aktiv);
    if (s.aktiv)
        header()->setSortIndicator(s.spalte, s.absteigend ? Qt::DescendingOrder : Qt::AscendingOrder);
}

} // namespace tabulo
