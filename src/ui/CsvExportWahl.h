#pragma once

#include "core/files/Csv.h"

#include <QDialog>

namespace tabulo {

class CsvFormatWahl;

// "... als CSV exportieren": separator and code before the file is chosen, preset with the
// choice made last.
class CsvExportWahl : public QDialog {
    Q_OBJECT

public:
    CsvExportWahl(const QString& titel, CsvFormat format, QWidget* parent = nullptr);
    CsvFormat format() const;

    CsvFormatWahl* Format = nullptr;
};

} // namespace tabulo
