#pragma once

#include "core/check/Befund.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace tabulo {

// The findings as a list: severity, file, place, text and the decoded identifier. Sorting goes by
// the severity's rank and the place's number, not by their texts.
class BefundModell : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Spalte { SpSchwere, SpDatei, SpStelle, SpText, SpKennung, AnzahlSpalten };
    static constexpr int SortierRolle = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setzen(Befunde befunde);
    const Befunde& befunde() const { return m_befunde; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    Befunde m_befunde;
};

// Shows only the findings of the chosen severities.
class BefundFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit BefundFilter(QObject* eltern = nullptr);

    void zeigen(Schwere schwere, bool an);
    bool zeigt(Schwere schwere) const { return m_zeigen[static_cast<int>(schwere)]; }

    // The finding behind a row of the filtered list, null for none.
    const Befund* befund(const QModelIndex& index) const;

protected:
    bool filterAcceptsRow(int zeile, const QModelIndex& eltern) const override;

private:
    bool m_zeigen[3] = {true, true, true};
};

} // namespace tabulo
