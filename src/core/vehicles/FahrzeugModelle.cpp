#include "core/vehicles/FahrzeugModelle.h"

#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/FahrzeugSortierung.h"
#include "core/vehicles/Fahrzeugliste.h"

#include <numeric>

namespace tabulo {

QString nichtAufgenommenText(const Arbeitsbereich& ab) {
    return QStringLiteral("Nicht aufgenommen (%1 von %2):")
        .arg(ab.nichtAufgenommen.size())
        .arg(ab.fahrzeuge.size());
}

QString nichtAufgenommenText(int nichtAufgenommen, int alle, bool gefiltert) {
    return QStringLiteral("Nicht aufgenommen (%1 von %2%3):")
        .arg(nichtAufgenommen)
        .arg(alle)
        .arg(gefiltert ? QStringLiteral(", gefiltert") : QString());
}

bool fahrzeugPasst(const Fahrzeug& f, QStringView filter) {
    return filter.isEmpty() || f.rufname.contains(filter, Qt::CaseInsensitive) ||
           f.kennung.contains(filter, Qt::CaseInsensitive) || f.info.contains(filter, Qt::CaseInsensitive) ||
           f.bemerkung.contains(filter, Qt::CaseInsensitive);
}

void FahrzeugZeilenModell::setzeFilter(const QString& filter) {
    if (filter == m_filter)
        return;
    m_filter = filter;
    filterAnwenden();
}

FahrzeugZeilenModell::FahrzeugZeilenModell(Arbeitsbereich& ab, QObject* parent)
    : ZeilenTabelle(Fahrzeug::AnzahlSpalten, parent), m_ab(ab) {}

QVariant FahrzeugZeilenModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() < 0 || index.column() >= Fahrzeug::AnzahlSpalten)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == 2 ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const int f = fahrzeugIndex(index.row());
    if (f < 0)
        return {};
    return m_ab.fahrzeuge[f].spalte(index.column());
}

QVariant FahrzeugZeilenModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= Fahrzeug::AnzahlSpalten)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return fahrzeugSpaltenTitel(section);
    if (role == Qt::TextAlignmentRole)
        return section == 2 ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void FahrzeugZeilenModell::umordnen(const std::vector<int>& folge, const std::function<void()>& anwenden) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> neuePosition(folge.size());
    for (int r = 0; r < static_cast<int>(folge.size()); ++r)
        neuePosition[folge[r]] = r;
    const QModelIndexList alt = persistentIndexList();
    QModelIndexList neu;
    neu.reserve(alt.size());
    for (const QModelIndex& i : alt) {
        const bool gueltig = i.row() >= 0 && i.row() < static_cast<int>(neuePosition.size());
        neu.append(gueltig ? index(neuePosition[i.row()], i.column()) : QModelIndex());
    }
    anwenden();
    changePersistentIndexList(alt, neu);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// ---- ListView1

FahrzeugModell::FahrzeugModell(Arbeitsbereich& ab, QObject* parent) : FahrzeugZeilenModell(ab, parent) {
    m_anzahl = static_cast<int>(ab.fahrzeuge.size());
    connect(&ab, &Arbeitsbereich::fahrzeugeVeraendert, this, &FahrzeugModell::fahrzeugeVeraendert);
}

int FahrzeugModell::fahrzeugIndex(int zeile) const {
    if (zeile < 0 || zeile >= m_anzahl)
        return -1;
    const int f = m_filter.isEmpty() ? zeile : m_zeilen[static_cast<size_t>(zeile)];
    return f < static_cast<int>(m_ab.fahrzeuge.size()) ? f : -1;
}

std::vector<int> FahrzeugModell::gefiltert() const {
    std::vector<int> zeilen;
    if (m_filter.isEmpty())
        return zeilen;
    for (int f = 0; f < static_cast<int>(m_ab.fahrzeuge.size()); ++f)
        if (fahrzeugPasst(m_ab.fahrzeuge[static_cast<size_t>(f)], m_filter))
            zeilen.push_back(f);
    return zeilen;
}

void FahrzeugModell::filterAnwenden() {
    beginResetModel();
    m_zeilen = gefiltert();
    m_anzahl =
        m_filter.isEmpty() ? static_cast<int>(m_ab.fahrzeuge.size()) : static_cast<int>(m_zeilen.size());
    endResetModel();
}

void FahrzeugModell::fahrzeugeVeraendert() {
    if (m_sortiertGerade)
        return;
    if (!m_filter.isEmpty()) {
        std::vector<int> neu = gefiltert();
        if (neu == m_zeilen) {
            if (m_anzahl > 0)
                emit dataChanged(index(0, 0), index(m_anzahl - 1, Fahrzeug::AnzahlSpalten - 1),
                                 {Qt::DisplayRole});
            return;
        }
        filterAnwenden();
        return;
    }
    const int neu = static_cast<int>(m_ab.fahrzeuge.size());
    if (neu == m_anzahl) {
        // Same rows, new texts: views keep their selection and scroll position.
        if (neu > 0)
            emit dataChanged(index(0, 0), index(neu - 1, Fahrzeug::AnzahlSpalten - 1), {Qt::DisplayRole});
        return;
    }
    beginResetModel();
    m_anzahl = neu;
    endResetModel();
}

void FahrzeugModell::spalteGeklickt(int spalte) {
    Aufzeichnung schritt(m_ab, QStringLiteral("Fahrzeugliste sortiert"));
    m_ab.sortierung = nachSpaltenKlick(m_ab.sortierung, spalte);
    sortieren();
}

void FahrzeugModell::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= Fahrzeug::AnzahlSpalten)
        return;
    Aufzeichnung schritt(m_ab, QStringLiteral("Fahrzeugliste sortiert"));
    m_ab.sortierung = Sortierung{true, column, order == Qt::DescendingOrder};
    sortieren();
}

void FahrzeugModell::sortieren() {
    const std::vector<int> folge = sortierFolge(m_ab.fahrzeuge, m_ab.sortierung);
    if (m_filter.isEmpty()) {
        umordnen(folge, [&] { listeUmordnen(m_ab, m_ab.fahrzeuge, folge); });
    } else {
        // The rows shown are a part of the list: they are found anew in its new order.
        listeUmordnen(m_ab, m_ab.fahrzeuge, folge);
        filterAnwenden();
    }
    // The rows moved: the list of vehicles not placed refers to them by position.
    m_sortiertGerade = true;
    FahrzeuglisteAktualisieren(m_ab);
    m_sortiertGerade = false;
}

// ---- ListView2

NichtAufgenommenModell::NichtAufgenommenModell(Arbeitsbereich& ab, QObject* parent)
    : FahrzeugZeilenModell(ab, parent) {
    m_zeilen = zeilenBilden();
    m_anzahl = static_cast<int>(m_zeilen.size());
    connect(&ab, &Arbeitsbereich::fahrzeugeVeraendert, this, &NichtAufgenommenModell::fahrzeugeVeraendert);
}

int NichtAufgenommenModell::fahrzeugIndex(int zeile) const {
    if (zeile < 0 || zeile >= static_cast<int>(m_zeilen.size()))
        return -1;
    const int f = m_zeilen[zeile];
    return f < static_cast<int>(m_ab.fahrzeuge.size()) ? f : -1;
}

std::vector<int> NichtAufgenommenModell::zeilenBilden() const {
    std::vector<int> zeilen;
    zeilen.reserve(m_ab.nichtAufgenommen.size());
    for (int f : m_ab.nichtAufgenommen)
        if (f >= 0 && f < static_cast<int>(m_ab.fahrzeuge.size()) &&
            fahrzeugPasst(m_ab.fahrzeuge[static_cast<size_t>(f)], m_filter))
            zeilen.push_back(f);
    if (m_sortierung.aktiv)
        zeilen = sortierFolge(m_ab.fahrzeuge, zeilen, m_sortierung);
    return zeilen;
}

void NichtAufgenommenModell::fahrzeugeVeraendert() {
    std::vector<int> neu = zeilenBilden();
    if (neu == m_zeilen) {
        if (m_anzahl > 0)
            emit dataChanged(index(0, 0), index(m_anzahl - 1, Fahrzeug::AnzahlSpalten - 1),
                             {Qt::DisplayRole});
        return;
    }
    beginResetModel();
    m_zeilen = std::move(neu);
    m_anzahl = static_cast<int>(m_zeilen.size());
    endResetModel();
}

void NichtAufgenommenModell::filterAnwenden() {
    beginResetModel();
    m_zeilen = zeilenBilden();
    m_anzahl = static_cast<int>(m_zeilen.size());
    endResetModel();
}

void NichtAufgenommenModell::spalteGeklickt(int spalte) {
    m_sortierung = nachSpaltenKlick(m_sortierung, spalte);
    sortieren();
}

void NichtAufgenommenModell::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= Fahrzeug::AnzahlSpalten)
        return;
    m_sortierung = Sortierung{true, column, order == Qt::DescendingOrder};
    sortieren();
}

void NichtAufgenommenModell::sortieren() {
    // Sort positions 0..n-1 of the current rows, then apply that order.
    std::vector<Fahrzeug> sicht;
    sicht.reserve(m_zeilen.size());
    for (int f : m_zeilen)
        sicht.push_back(m_ab.fahrzeuge[f]);
    const std::vector<int> folge = sortierFolge(sicht, m_sortierung);
    umordnen(folge, [&] {
        std::vector<int> neu;
        neu.reserve(folge.size());
        for (int r : folge)
            neu.push_back(m_zeilen[r]);
        m_zeilen = std::move(neu);
    });
}

} // namespace tabulo
