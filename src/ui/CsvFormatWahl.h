#pragma once

#include "core/files/Csv.h"

#include <QWidget>

class QComboBox;

namespace tabulo {

// The separator and the code of a text table, as two pick lists in one row; shared by the
// export's choice and the import's mapping.
class CsvFormatWahl : public QWidget {
    Q_OBJECT

public:
    explicit CsvFormatWahl(QWidget* parent = nullptr);

    void setzeFormat(CsvFormat format);
    CsvFormat format() const;

    QComboBox* Trenner = nullptr;
    QComboBox* Kodierung = nullptr;

signals:
    void geaendert();
};

} // namespace tabulo
