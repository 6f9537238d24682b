#pragma once

#include <QAbstractTableModel>

namespace tabulo {

// A flat list shown as rows of a fixed number of columns. A tree view asks index, flags and
// hasChildren for every row each time it lays the list out (10,000 vehicles, 100,000 actions);
// they are answered here from the row count the views were last told, without the virtual
// rowCount and columnCount calls the base class makes for each.
class ZeilenTabelle : public QAbstractTableModel {
    Q_OBJECT

public:
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;

protected:
    ZeilenTabelle(int spalten, QObject* parent) : QAbstractTableModel(parent), m_spalten(spalten) {}

    // The row count the views were last told; set it between the begin and end of a change.
    int m_anzahl = 0;

private:
    const int m_spalten;
};

} // namespace tabulo
