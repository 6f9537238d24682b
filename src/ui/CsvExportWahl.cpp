#include "ui/CsvExportWahl.h"

#include "ui/CsvFormatWahl.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

CsvExportWahl::CsvExportWahl(const QString& titel, CsvFormat format, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CsvExportWahl"));
    setWindowTitle(titel);
    Format = new CsvFormatWahl(this);
    Format->setzeFormat(format);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("Weiter..."), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("Weiter"));
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(
        new QLabel(QStringLiteral("Eine Tabellenkalkulation in deutscher Einstellung \u00f6ffnet "
                                  "Semikolon und UTF-8 direkt."),
                   this));
    spalte->addWidget(Format);
    spalte->addWidget(knoepfe);
}

CsvFormat CsvExportWahl::format() const {
    return Format->format();
}

} // namespace tabulo
