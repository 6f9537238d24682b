#pragma once

#include "core/check/Befund.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace tabulo {

class Arbeitsbereich;
class BefundFilter;
class BefundModell;

// "Prüfen": the findings of a check of the editor's tables, sortable by every column and
// filtered by severity. A double click asks to go to the place of a finding; the shell knows
// the windows that show it. Created at its first opening, only hidden afterwards.
class Pruefen : public QWidget {
    Q_OBJECT

public:
    explicit Pruefen(Arbeitsbereich& ab, QWidget* parent = nullptr);

    QTreeView* Liste = nullptr;
    std::array<QCheckBox*, 3> Zeigen{}; // Fehler, Warnungen, Hinweise
    QLabel* Anzahl = nullptr;
    QPushButton* ButtonPruefen = nullptr;
    QPushButton* ButtonSchliessen = nullptr;

    // Checks the tables as they stand now and lists the findings.
    void pruefen();

    BefundModell& modell() const { return *m_modell; }
    BefundFilter& filter() const { return *m_filter; }

signals:
    // Go to the place of a finding: field, row, place entry or action (-1: the table itself).
    void stelleZeigen(Tabelle tabelle, int nummer);

private:
    void Liste_DblClick(const QModelIndex& index);

    Arbeitsbereich& m_ab;
    BefundModell* m_modell = nullptr;
    BefundFilter* m_filter = nullptr;
};

} // namespace tabulo
