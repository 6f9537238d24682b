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
