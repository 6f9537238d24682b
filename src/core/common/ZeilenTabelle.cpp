#include "core/common/ZeilenTabelle.h"

namespace tabulo {

QModelIndex ZeilenTabelle::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= m_anzahl || column < 0 || column >= m_spalten)
        return {};
    return createIndex(row, column);
}

Qt::ItemFlags ZeilenTabelle::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const bool drin = index.model() == this && index.row() < m_anzahl && index.column() < m_spalten;
    return (drin ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags) | Qt::ItemNeverHasChildren;
}

bool ZeilenTabelle::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() && m_anzahl > 0;
}

int ZeilenTabelle::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_anzahl;
}

int ZeilenTabelle::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_spalten;
}

} // namespace tabulo
