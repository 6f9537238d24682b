#include "ui/CsvFormatWahl.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

namespace tabulo {

CsvFormatWahl::CsvFormatWahl(QWidget* parent) : QWidget(parent) {
    Trenner = new QComboBox(this);
    Trenner->setObjectName(QStringLiteral("Trenner"));
    Trenner->addItem(QStringLiteral("Semikolon (;)"), QChar(u';'));
    Trenner->addItem(QStringLiteral("Komma (,)"), QChar(u','));
    Trenner->addItem(QStringLiteral("Tabulator"), QChar(u'\t'));
    Kodierung = new QComboBox(this);
    Kodierung->setObjectName(QStringLiteral("Kodierung"));
    Kodierung->addItem(QStringLiteral("UTF-8"), int(CsvKodierung::Utf8));
    Kodierung->addItem(QStringLiteral("Windows-1252"), int(CsvKodierung::Ansi));
    auto* reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->addWidget(new QLabel(QStringLiteral("Trennzeichen:"), this));
    reihe->addWidget(Trenner);
    reihe->addSpacing(12);
    reihe->addWidget(new QLabel(QStringLiteral("Zeichensatz:"), this));
    reihe->addWidget(Kodierung);
    reihe->addStretch(1);
    connect(Trenner, &QComboBox::currentIndexChanged, this, &CsvFormatWahl::geaendert);
    connect(Kodierung, &QComboBox::currentIndexChanged, this, &CsvFormatWahl::geaendert);
}

void CsvFormatWahl::setzeFormat(CsvFormat format) {
    const QSignalBlocker a(Trenner), b(Kodierung);
    Trenner->setCurrentIndex(std::max(0, Trenner->findData(format.trenner)));
    Kodierung->setCurrentIndex(std::max(0, Kodierung->findData(int(format.kodierung))));
}

CsvFormat CsvFormatWahl::format() const {
    return CsvFormat{Trenner->currentData().toChar(),
                     static_cast<CsvKodierung>(Kodierung->currentData().toInt())};
}

} // namespace tabulo
