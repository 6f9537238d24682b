#pragma once

#include "core/common/CsvTabelle.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tabulo {

class CsvFormatWahl;

// "CSV importieren": shows the first rows of a file and lets the user assign each file column to
// a column of the table or "ignorieren". Separator, code and the header row are detected and can
// be changed; the rows are read again at once. One dialog serves all three tables.
class CsvZuordnung : public QDialog {
    Q_OBJECT

public:
    CsvZuordnung(CsvTabelle tabelle, QByteArray bytes, const QString& dateiname, QWidget* parent = nullptr);

    const CsvDaten& daten() const { return m_daten; }
    bool kopfzeile() const;
    std::vector<int> zuordnung() const;

    CsvFormatWahl* Format = nullptr;
    QCheckBox* Kopfzeile = nullptr;
    QTableWidget* Vorschau = nullptr;
    QLabel* Hinweis = nullptr;
    QPushButton* Importieren = nullptr;
    std::vector<QComboBox*> Spalte; // one per file column, above it

private:
    void neuLesen();
    void vorschauFuellen(const std::vector<int>& zuordnung);
    void spalteGewaehlt(int dateiSpalte);
    void pruefen();

    CsvTabelle m_tabelle;
    QByteArray m_bytes;
    CsvDaten m_daten;
};

} // namespace tabulo
