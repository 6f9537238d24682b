#include "support/Fahrzeuge.h"

#include "core/files/FahrzeugDatei.h"

namespace tabulo::test {

Fahrzeug fahrzeug(const QString& kennung, const QString& rufname, const QString& stat, const QString& zeit,
                  const QString& info) {
    Fahrzeug f;
    f.kennung = kennung;
    f.rufname = rufname;
    f.stat = stat;
    f.zeit = zeit;
    f.info = info;
    f.folgetelegramm = QStringLiteral("00");
    return f;
}

QByteArray fahrzeugDatei(const std::vector<Fahrzeug>& liste) {
    QByteArray bytes;
    for (const Fahrzeug& f : liste)
        bytes += fahrzeugSatzSchreiben(f, false);
    return bytes;
}

void fahrzeugInFeld(Arbeitsbereich& ab, int i, const Fahrzeug& f) {
    Feld& feld = ab.felder[i];
    feld.fahrzeug = f.rufname;
    feld.zeit = f.zeit;
    feld.info = f.info;
    feld.kennung = f.kennung;
    feld.status = f.stat;
    feld.statusFarbe = ab.statusFarbeFuer(f.stat);
    feld.statusSichtbar = true;
    feld.text.clear();
    feld.feldtyp = FeldFahrzeug;
}

} // namespace tabulo::test
