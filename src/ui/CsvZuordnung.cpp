#include "ui/CsvZuordnung.h"

#include "ui/CsvFormatWahl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tabulo {

namespace {
constexpr int VorschauZeilen = 20;
constexpr int VorschauZeichen = 120; // a cell of a megabyte would only slow the table down
} // namespace

CsvZuordnung::CsvZuordnung(CsvTabelle tabelle, QByteArray bytes, const QString& dateiname, QWidget* parent)
    : QDialog(parent), m_tabelle(tabelle), m_bytes(std::move(bytes)) {
    setObjectName(QStringLiteral("CsvZuordnung"));
    setWindowTitle(QStringLiteral("%1 aus CSV importieren").arg(csvTabellenName(tabelle)));
    Format = new CsvFormatWahl(this);
    Kopfzeile = new QCheckBox(QStringLiteral("Erste Zeile enth\u00e4lt Spaltennamen"), this);
    Kopfzeile->setObjectName(QStringLiteral("Kopfzeile"));
    Vorschau = new QTableWidget(this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Vorschau->verticalHeader()->setDefaultSectionSize(Vorschau->fontMetrics().height() + 8);
    Hinweis = new QLabel(this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setWordWrap(true);
    auto* knoepfe = new QDialogButtonBox(this);
    Importieren = knoepfe->addButton(QStringLiteral("Importieren"), QDialogButtonBox::AcceptRole);
    Importieren->setObjectName(QStringLiteral("Importieren"));
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(
        QStringLiteral(
            "Datei: %1\nOrdnen Sie jeder Spalte der Datei eine Spalte der %2 zu oder \"ignorieren\".")
            .arg(dateiname, csvTabellenName(tabelle)),
        this));
    spalte->addWidget(Format);
    spalte->addWidget(Kopfzeile);
    spalte->addWidget(Vorschau, 1);
    spalte->addWidget(Hinweis);
    spalte->addWidget(knoepfe);
    resize(760, 440);

    m_daten = csvLesen(m_bytes);
    Format->setzeFormat(m_daten.format);
    Kopfzeile->setChecked(csvKopfzeileVermutet(m_daten, tabelle));
    vorschauFuellen(csvZuordnungVorschlagen(m_daten, tabelle, Kopfzeile->isChecked()));
    connect(Format, &CsvFormatWahl::geaendert, this, &CsvZuordnung::neuLesen);
    connect(Kopfzeile, &QCheckBox::toggled, this,
            [this] { vorschauFuellen(csvZuordnungVorschlagen(m_daten, m_tabelle, Kopfzeile->isChecked())); });
}

bool CsvZuordnung::kopfzeile() const {
    return Kopfzeile->isChecked();
}

std::vector<int> CsvZuordnung::zuordnung() const {
    std::vector<int> z;
    for (const QComboBox* c : Spalte)
        z.push_back(c->currentData().toInt());
    return z;
}

void CsvZuordnung::neuLesen() {
    m_daten = csvLesen(m_bytes, Format->format());
    vorschauFuellen(csvZuordnungVorschlagen(m_daten, m_tabelle, Kopfzeile->isChecked()));
}

// Row 0 holds the pick lists; the file's rows follow, the header row greyed when it is one.
void CsvZuordnung::vorschauFuellen(const std::vector<int>& zuordnung) {
    const QStringList spalten = csvSpalten(m_tabelle);
    const int zeilen = std::min<int>(VorschauZeilen, static_cast<int>(m_daten.zeilen.size()));
    Vorschau->clear();
    Vorschau->setRowCount(0);
    Spalte.clear();
    Vorschau->setColumnCount(m_daten.spalten);
    Vorschau->setRowCount(zeilen + 1);
    QStringList nummern{QStringLiteral("Spalte")};
    for (int r = 0; r < zeilen; ++r)
        nummern.append(QString::number(m_daten.zeilen[static_cast<size_t>(r)].zeile));
    Vorschau->setVerticalHeaderLabels(nummern);
    for (int d = 0; d < m_daten.spalten; ++d) {
        auto* wahl = new QComboBox(Vorschau);
        wahl->addItem(QStringLiteral("ignorieren"), -1);
        for (int s = 0; s < spalten.size(); ++s)
            if (csvSpalteEinlesbar(m_tabelle, s))
                wahl->addItem(spalten[s], s);
        wahl->setCurrentIndex(std::max(0, wahl->findData(zuordnung[static_cast<size_t>(d)])));
        connect(wahl, &QComboBox::currentIndexChanged, this, [this, d] { spalteGewaehlt(d); });
        Vorschau->setCellWidget(0, d, wahl);
        Spalte.push_back(wahl);
        for (int r = 0; r < zeilen; ++r) {
            const QStringList& felder = m_daten.zeilen[static_cast<size_t>(r)].felder;
            QString text = d < felder.size() ? felder[d].left(VorschauZeichen) : QString();
            text.replace(QLatin1Char('\n'), QChar(0x21B5)).remove(QLatin1Char('\r'));
            auto* zelle = new QTableWidgetItem(text);
            if (r == 0 && Kopfzeile->isChecked())
                zelle->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            Vorschau->setItem(r + 1, d, zelle);
        }
    }
    Vorschau->resizeColumnsToContents();
    for (int d = 0; d < m_daten.spalten; ++d)
        Vorschau->setColumnWidth(d, std::clamp(Vorschau->columnWidth(d), 110, 260));
    pruefen();
}

// A table column takes one file column: choosing it elsewhere lets it go here.
void CsvZuordnung::spalteGewaehlt(int dateiSpalte) {
    const int ziel = Spalte[static_cast<size_t>(dateiSpalte)]->currentData().toInt();
    for (int d = 0; d < static_cast<int>(Spalte.size()); ++d)
        if (d != dateiSpalte && ziel >= 0 && Spalte[static_cast<size_t>(d)]->currentData().toInt() == ziel) {
            const QSignalBlocker still(Spalte[static_cast<size_t>(d)]);
            Spalte[static_cast<size_t>(d)]->setCurrentIndex(0);
        }
    pruefen();
}

void CsvZuordnung::pruefen() {
    QString hinweis = m_daten.fehler;
    if (hinweis.isEmpty() && m_daten.zeilen.size() <= (kopfzeile() ? 1u : 0u))
        hinweis = QStringLiteral("Die Datei enth\u00e4lt keine Zeilen zum Importieren.");
    if (hinweis.isEmpty()) {
        const std::vector<int> z = zuordnung();
        const QStringList spalten = csvSpalten(m_tabelle);
        for (int pflicht : csvPflichtSpalten(m_tabelle))
            if (std::find(z.begin(), z.end(), pflicht) == z.end()) {
                hinweis = QStringLiteral("Die Spalte \"%1\" ist keiner Spalte der Datei zugeordnet.")
                              .arg(spalten[pflicht]);
                break;
            }
    }
    Hinweis->setText(
        hinweis.isEmpty()
            ? QStringLiteral("%1 Zeilen werden gelesen.").arg(m_daten.zeilen.size() - (kopfzeile() ? 1 : 0))
            : hinweis);
    Importieren->setEnabled(hinweis.isEmpty());
}

} // namespace tabulo
