#include "core/check/Pruefung.h"

#include "core/check/Pruefregeln.h"

namespace tabulo {

namespace {
const std::vector<Fahrzeug> KeineFahrzeuge;
} // namespace

Pruefkontext::Pruefkontext(const Pruefgut& g)
    : gut(g), fahrzeuge(g.fahrzeuge ? *g.fahrzeuge : KeineFahrzeuge), m_klartext(g),
      m_index(static_cast<int>(fahrzeuge.size()), Schluessel{&fahrzeuge}, false) {}

void Pruefkontext::melden(Schwere schwere, Tabelle tabelle, int nummer, Befundart art, const QString& text,
                          QStringView kennung) {
    befunde.push_back({schwere, tabelle, nummer, art, stelle(tabelle, nummer), text,
                       kennung.isEmpty() ? QString() : m_klartext(kennung)});
}

QString Pruefkontext::stelle(Tabelle tabelle, int nummer) const {
    return stelleText(tabelle, nummer, gut.ausDateien);
}

QString inAnfuehrung(QStringView text) {
    return QLatin1Char('"') + text.toString() + QLatin1Char('"');
}

Befunde tabellenPruefen(const Pruefgut& gut) {
    Pruefkontext k(gut);
    k.befunde = gut.vorab;
    fahrzeugePruefen(k);
    felderPruefen(k);
    ortePruefen(k);
    aktionenPruefen(k);
    befundeOrdnen(k.befunde);
    return std::move(k.befunde);
}

} // namespace tabulo
