#pragma once

#include "core/common/ZeilenTabelle.h"

namespace tabulo {

class Arbeitsbereich;

// The action list as the five columns of the list view. It reads the workspace's vector
// directly, so a list of 100,000 actions costs the view only the rows it shows.
class AktionenModell : public ZeilenTabelle {
    Q_OBJECT

public:
    explicit AktionenModell(Arbeitsbereich& ab, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void neuAufbauen();

    Arbeitsbereich& m_ab;
};

} // namespace tabulo
