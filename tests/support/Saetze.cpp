#include "support/Saetze.h"

#include "core/files/Ansi.h"
#include "core/files/FahrzeugDatei.h"

#include <QDir>

namespace tabulo::test {

QByteArray statusSatz(quint8 art, QByteArray text, QByteArray kennung, char byte1) {
    return static_cast<char>(art) + QByteArray(1, byte1) + text.leftJustified(30, ' ', true) +
           kennung.leftJustified(8, ' ', true);
}

QByteArray statusDatei(const QList<QByteArray>& saetze) {
    QByteArray d = saetze.join();
    while (d.size() < 16640)
        d.append(statusSatz(0, {}));
    return d;
}

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

QByteArray orteSatz(char bos, const char* loo, const QString& name) {
    return QByteArray(1, bos) + QByteArray(loo) +
           textNachAnsi(name.leftJustified(50, QLatin1Char(' '), true));
}

QByteArray aktionSatz(const QByteArray& kennung, char status, char richtung, const QByteArray& aktion) {
    return kennung.leftJustified(8, ' ', true) + status + richtung + aktion.leftJustified(127, ' ', true);
}

Aktion aktion(const QString& kennung, const QString& status, int richtungNr, const QString& text,
              const QString& rufname) {
    Aktion a;
    a.rufname = rufname;
    a.status = status;
    a.richtungNr = richtungNr;
    // A digit the host has no name for shows as itself.
    a.richtung = richtungNr == 0   ? QStringLiteral("FZ->LST")
                 : richtungNr == 1 ? QStringLiteral("LST->FZ")
                                   : QString::number(richtungNr);
    a.aktion = text;
    a.kennung = kennung;
    return a;
}

AktionenArbeitsbereich::AktionenArbeitsbereich() : TestArbeitsbereich(Felder::Entwurf) {
    ab.richtungsname = {QStringLiteral("FZ->LST"), QStringLiteral("LST->FZ")};
}

std::array<QString, 16> nummerierteBosNamen() {
    std::array<QString, 16> namen;
    for (int i = 0; i < 16; ++i)
        namen[i] = QStringLiteral("N%1").arg(i);
    return namen;
}

OrteArbeitsbereich::OrteArbeitsbereich() : TestArbeitsbereich(Felder::Entwurf) {
    ab.bosName = nummerierteBosNamen();
    QDir::setCurrent(ordner.path());
}

} // namespace tabulo::test
