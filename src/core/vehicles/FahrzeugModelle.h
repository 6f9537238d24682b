#pragma once

#include "core/common/Arbeitsbereich.h"
#include "core/common/ZeilenTabelle.h"

#include <functional>
#include <vector>

namespace tabulo {

// Count line above the list of vehicles not placed: "Nicht aufgenommen (n von m):".
QString nichtAufgenommenText(const Arbeitsbereich& ab);
// The same of the rows shown while a filter is on: "Nicht aufgenommen (n von m, gefiltert):".
QString nichtAufgenommenText(int nichtAufgenommen, int alle, bool gefiltert);

// Whether the filter text occurs, ignoring case, in the call name, identifier, info or remark.
bool fahrzeugPasst(const Fahrzeug& f, QStringView filter);

// The vehicle list as rows of eight columns, shared by the two list views of the vehicle list
// window. Rows map to entries of the vehicle list.
class FahrzeugZeilenModell : public ZeilenTabelle {
    Q_OBJECT

public:
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Entry of the vehicle list shown in a row, -1 for none.
    virtual int fahrzeugIndex(int zeile) const = 0;
    // The column header was clicked: sort by it (a second click turns the order round).
    virtual void spalteGeklickt(int spalte) = 0;
    virtual Sortierung sortierung() const = 0;

    // Shows only the entries the text fits (fahrzeugPasst); an empty text shows all.
    void setzeFilter(const QString& filter);
    const QString& filter() const { return m_filter; }

protected:
    explicit FahrzeugZeilenModell(Arbeitsbereich& ab, QObject* parent);
    // Moves the rows into the new order (row r shows old row folge[r]), keeping selections.
    void umordnen(const std::vector<int>& folge, const std::function<void()>& anwenden);
    // The rows anew, after the filter changed.
    virtual void filterAnwenden() = 0;

    Arbeitsbereich& m_ab;
    QString m_filter;
};

// `ListView1`: every vehicle, in list order. Sorting reorders the list itself.
class FahrzeugModell : public FahrzeugZeilenModell {
    Q_OBJECT

public:
    explicit FahrzeugModell(Arbeitsbereich& ab, QObject* parent = nullptr);

    int fahrzeugIndex(int zeile) const override;
    void spalteGeklickt(int spalte) override;
    Sortierung sortierung() const override { return m_ab.sortierung; }
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void filterAnwenden() override;
    void sortieren();
    void fahrzeugeVeraendert();
    std::vector<int> gefiltert() const;
    bool m_sortiertGerade = false;
    std::vector<int> m_zeilen; // the entries shown while a filter is on
};

// `ListView2`: the vehicles no field shows, as of the last refresh, in list order or sorted
// by its own column choice.
class NichtAufgenommenModell : public FahrzeugZeilenModell {
    Q_OBJECT

public:
    explicit NichtAufgenommenModell(Arbeitsbereich& ab, QObject* parent = nullptr);

    int fahrzeugIndex(int zeile) const override;
    void spalteGeklickt(int spalte) override;
    Sortierung sortierung() const override { return m_sortierung; }
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void filterAnwenden() override;
    void sortieren();
    std::vector<int> zeilenBilden() const;
    void fahrzeugeVeraendert();
    std::vector<int> m_zeilen;
    Sortierung m_sortierung;
};

} // namespace tabulo
