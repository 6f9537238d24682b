#include "support/TestArbeitsbereich.h"

namespace tabulo::test {

TestArbeitsbereich::TestArbeitsbereich(Felder felder) {
    if (felder == Felder::Entwurf)
        return;
    ab.setzeHeute(QDate(2026, 3, 7));
    for (Feld& f : ab.felder) {
        f = Feld{};
        f.fahrzeug.clear();
        f.zeit.clear();
        f.info.clear();
        f.kennung.clear();
        f.status.clear();
        f.text = QStringLiteral("Frei");
        f.statusSichtbar = false;
    }
}

QString TestArbeitsbereich::datei(const QString& name, const QByteArray& daten) const {
    dateiAnlegen(pfad(name), daten);
    return pfad(name);
}

void TestArbeitsbereich::fahrzeugAnhaengen(const QString& kennung, const QString& stat, const QString& zeit) {
    Fahrzeug f;
    f.kennung = kennung;
    f.stat = stat;
    f.zeit = zeit;
    ab.fahrzeuge.push_back(f);
}

Zustand zustand(const Arbeitsbereich& ab) {
    return {ab.fahrzeuge,
            ab.aktionen,
            ab.orte,
            ab.felder,
            ab.ungespeichert,
            ab.fensterTitel,
            ab.statusfarbe,
            ab.speicher().alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht),
            ab.sortierung.aktiv,
            ab.nichtAufgenommen};
}

std::string Zustand::unterschied(const Zustand& z) const {
    const std::pair<const char*, bool> teile[] = {
        {"Felder", felder == z.felder},
        {"Titel", fensterTitel == z.fensterTitel && gespeicherteTitel == z.gespeicherteTitel},
        {"Fahrzeuge", fahrzeuge == z.fahrzeuge && sortiert == z.sortiert},
        {"Orte", orte == z.orte},
        {"Aktionen", aktionen == z.aktionen},
        {"nicht aufgenommen", nichtAufgenommen == z.nichtAufgenommen},
        {"Farben", statusfarbe == z.statusfarbe},
        {"Flags", ungespeichert == z.ungespeichert}};
    for (const auto& [name, gleich] : teile)
        if (!gleich)
            return name;
    return {};
}

QStringList TestArbeitsbereich::fahrzeugSpalte(QString Fahrzeug::*spalte) const {
    QStringList werte;
    for (const Fahrzeug& f : ab.fahrzeuge)
        werte << f.*spalte;
    return werte;
}

} // namespace tabulo::test
