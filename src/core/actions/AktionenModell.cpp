#include "core/actions/AktionenModell.h"

#include "core/common/Arbeitsbereich.h"

namespace tabulo {

AktionenModell::AktionenModell(Arbeitsbereich& ab, QObject* parent)
    : QAbstractTableModel(parent), m_ab(ab), m_zeilen(static_cast<int>(ab.aktionen.size())) {
    connect(&m_ab, &Arbeitsbereich::aktionenVeraendert, this, &AktionenModell::neuAufbauen);
}

void AktionenModell::neuAufbauen() {
    beginResetModel();
    m_zeilen = static_cast<int>(m_ab.aktionen.size());
    endResetModel();
}

QModelIndex AktionenModell::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= m_zeilen || column < 0 || column >= Aktion::AnzahlSpalten)
        return {};
    return createIndex(row, column);
}

Qt::ItemFlags AktionenModell::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const bool drin =
        index.model() == this && index.row() < m_zeilen && index.column() < Aktion::AnzahlSpalten;
    return (drin ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags) | Qt::ItemNeverHasChildren;
}

bool AktionenModell::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() && m_zeilen > 0;
}

int AktionenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_zeilen;
}

int AktionenModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Aktion::AnzahlSpalten;
}

QVariant AktionenModell::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_zeilen ||
        index.row() >= static_cast<int>(m_ab.aktionen.size()))
        return {};
    return m_ab.aktionen[static_cast<size_t>(index.row())].spalte(index.column());
}

QVariant AktionenModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return aktionSpaltenTitel(section);
}

} // namespace tabulo
