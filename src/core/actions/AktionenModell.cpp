#include "core/actions/AktionenModell.h"

#include "core/common/Arbeitsbereich.h"

namespace tabulo {

AktionenModell::AktionenModell(Arbeitsbereich& ab, QObject* parent)
    : ZeilenTabelle(Aktion::AnzahlSpalten, parent), m_ab(ab) {
    m_anzahl = static_cast<int>(ab.aktionen.size());
    connect(&m_ab, &Arbeitsbereich::aktionenVeraendert, this, &AktionenModell::neuAufbauen);
}

void AktionenModell::neuAufbauen() {
    beginResetModel();
    m_anzahl = static_cast<int>(m_ab.aktionen.size());
    endResetModel();
}

QVariant AktionenModell::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_anzahl ||
        index.row() >= static_cast<int>(m_ab.aktionen.size()))
        return {};
    return m_ab.aktionen[static_cast<size_t>(index.row())].spalte(index.column());
}

QVariant AktionenModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return aktionSpaltenTitel(section);
}

} // namespace tabulo
