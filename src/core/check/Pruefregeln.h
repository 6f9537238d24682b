#pragma once

#include "core/check/Befund.h"
#include "core/check/Kennungsklartext.h"
#include "core/check/Pruefgut.h"
#include "core/common/TextIndex.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace tabulo {

// What the rules of the four tables share while one check runs.
class Pruefkontext {
public:
    explicit Pruefkontext(const Pruefgut& gut);

    const Pruefgut& gut;
    const std::vector<Fahrzeug>& fahrzeuge;
    Befunde befunde;

    // The first row of the vehicle list with exactly this identifier, -1 for none.
    int fahrzeugZeile(QStringView kennung) const { return m_index.erster(kennung); }
    // Adds each row to the identifier index; the first row with the same identifier.
    int fahrzeugEintragen(int zeile) { return m_index.hinzufuegen(zeile); }

    void melden(Schwere schwere, Tabelle tabelle, int nummer, Befundart art, const QString& text,
                QStringView kennung = {});

    QString stelle(Tabelle tabelle, int nummer) const;
    const Kennungsklartext& klartext() const { return m_klartext; }

private:
    struct Schluessel {
        const std::vector<Fahrzeug>* liste;
        QStringView operator()(int e) const { return (*liste)[e].kennung; }
    };
    Kennungsklartext m_klartext;
    TextIndex<Schluessel> m_index;
};

void fahrzeugePruefen(Pruefkontext& k);
void felderPruefen(Pruefkontext& k);
void ortePruefen(Pruefkontext& k);
void aktionenPruefen(Pruefkontext& k);

// A text quoted for a finding.
QString inAnfuehrung(QStringView text);

} // namespace tabulo
