#pragma once

#include <QTreeView>

namespace tabulo {

class FahrzeugZeilenModell;

// A list view of the vehicle list window in report style: eight columns with their design
// widths, a click on a column header sorts by it, Delete and double click are passed on.
class FahrzeugListView : public QTreeView {
    Q_OBJECT

public:
    explicit FahrzeugListView(FahrzeugZeilenModell& modell, QWidget* parent = nullptr);

    FahrzeugZeilenModell& zeilenModell() const { return m_modell; }
    // The selected row, -1 for none; and the vehicle list entry it shows.
    int gewaehlteZeile() const;
    int gewaehltesFahrzeug() const;

    static constexpr int SpaltenBreiteTwips[8] = {1764, 1217, 441, 1129, 2540, 2540, 2540, 2540};

signals:
    // Delete key with a selected row.
    void loeschen(int fahrzeug);
    // Double click on a row.
    void bearbeiten(int fahrzeug);
    // Left button pressed while the list has no rows.
    void leerGedrueckt();
    // "In Übersicht zeigen" (context menu or Ctrl+U) on the selected row.
    void inUebersichtZeigen(int fahrzeug);

protected:
    void dataChanged(const QModelIndex& oben, const QModelIndex& unten,
                     const QList<int>& rollen = {}) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void spalteGeklickt(int spalte);
    void sortierAnzeigeSetzen();

    FahrzeugZeilenModell& m_modell;
};

} // namespace tabulo
