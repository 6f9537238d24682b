#include "core/check/BefundModell.h"

namespace tabulo {

void BefundModell::setzen(Befunde befunde) {
    beginResetModel();
    m_befunde = std::move(befunde);
    endResetModel();
}

int BefundModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_befunde.size());
}

int BefundModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : AnzahlSpalten;
}

QVariant BefundModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Befund& b = m_befunde[index.row()];
    if (rolle == SortierRolle) {
        switch (index.column()) {
        case SpSchwere:
            return static_cast<int>(b.schwere);
        case SpDatei:
            return static_cast<int>(b.tabelle);
        case SpStelle:
            return static_cast<int>(b.tabelle) * 1000000 + b.nummer;
        default:
            break;
        }
    } else if (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
    case SpSchwere:
        return schwereText(b.schwere);
    case SpDatei:
        return tabellenDatei(b.tabelle);
    case SpStelle:
        return b.stelle;
    case SpText:
        return b.text;
    default:
        return b.klartext;
    }
}

QVariant BefundModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    static const char* const titel[] = {"Schwere", "Datei", "Stelle", "Befund", "Kennung"};
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 || abschnitt >= AnzahlSpalten)
        return {};
    return QString::fromLatin1(titel[abschnitt]);
}

BefundFilter::BefundFilter(QObject* eltern) : QSortFilterProxyModel(eltern) {
    setSortRole(BefundModell::SortierRolle);
}

void BefundFilter::zeigen(Schwere schwere, bool an) {
    m_zeigen[static_cast<int>(schwere)] = an;
    invalidateFilter();
}

const Befund* BefundFilter::befund(const QModelIndex& index) const {
    const auto* modell = qobject_cast<const BefundModell*>(sourceModel());
    const QModelIndex quelle = mapToSource(index);
    if (!modell || !quelle.isValid())
        return nullptr;
    return &modell->befunde()[quelle.row()];
}

bool BefundFilter::filterAcceptsRow(int zeile, const QModelIndex&) const {
    const auto* modell = qobject_cast<const BefundModell*>(sourceModel());
    return modell && zeile < modell->rowCount() && zeigt(modell->befunde()[zeile].schwere);
}

} // namespace tabulo
