#pragma once

#include <QAbstractTableModel>

namespace tabulo {

class Arbeitsbereich;

// The action list as the five columns of the list view. It reads the workspace's vector
// directly, so a list of 100,000 actions costs the view only the rows it shows.
class AktionenModell : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit AktionenModell(Arbeitsbereich& ab, QObject* parent = nullptr);

    // index, flags and hasChildren answer without asking rowCount and columnCount through
    // virtual calls: a tree view calls them for every row when it lays the list out.
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void neuAufbauen();

    Arbeitsbereich& m_ab;
    // The row count the views were last told; the vector has already changed when the
    // workspace announces it.
    int m_zeilen = 0;
};

} // namespace tabulo
