#include "core/actions/Aktionsliste.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/CsvTabelle.h"
#include "core/common/Text.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/FahrzeuglisteDatei.h"

namespace tabulo {

namespace {

// One row of the file through the mapping: the text of each table column, null when no file
// column fills it.
struct Zeile {
    const CsvZeile& quelle;
    const std::vector<int>& zuordnung;
    int spalten;

    QString wert(int spalte) const {
        for (size_t d = 0; d < zuordnung.size(); ++d)
            if (zuordnung[d] == spalte)
                return int(d) < quelle.felder.size() ? quelle.felder[int(d)] : QStringLiteral("");
        return {};
    }
    bool belegt(int spalte) const {
        for (int z : zuordnung)
            if (z == spalte)
                return true;
        return false;
    }
};

QString abweisung(const CsvZeile& z, const QString& grund) {
    return QStringLiteral("Zeile %1: %2").arg(z.zeile).arg(grund);
}

bool hexadezimal(QStringView text) {
    for (QChar c : text)
        if (hexZiffer(c) < 0)
            return false;
    return true;
}

// Eight hexadecimal digits, lowercase made uppercase; empty when it is none.
QString kennungPruefen(const QString& text) {
    const QString k = text.trimmed().toUpper();
    return k.size() == 8 && hexadezimal(k) ? k : QString();
}

struct Kuerzer {
    int& gekuerzt;
    QString operator()(const QString& text, int breite) const {
        const QString t = ohneEndLeerzeichen(text);
        if (t.size() > breite)
            ++gekuerzt;
        return t.left(breite);
    }
};

void fahrzeugeEinlesen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const std::vector<Zeile>& zeilen,
                       CsvImportBericht& b) {
    const Kuerzer kurz{b.gekuerzt};
    FahrzeugSpalten spalten{};
    for (int s = 0; s < Fahrzeug::AnzahlSpalten; ++s)
        spalten[s] = !zeilen.empty() && zeilen.front().belegt(s);
    std::vector<Fahrzeug> saetze;
    saetze.reserve(zeilen.size());
    for (const Zeile& z : zeilen) {
        Fahrzeug f;
        f.kennung = kennungPruefen(z.wert(1));
        if (f.kennung.isEmpty()) {
            b.abgewiesen.append(abweisung(
                z.quelle,
                QStringLiteral("Kennung \"%1\" ist keine achtstellige Hexadezimalzahl.").arg(z.wert(1))));
            continue;
        }
        const QString stat = z.wert(2).trimmed();
        if (!stat.isEmpty() &&
            (stat.size() > 3 || !stat.front().isDigit() || fuehrendeGanzzahl(stat) > 255)) {
            b.abgewiesen.append(
                abweisung(z.quelle, QStringLiteral("Status \"%1\" ist keine Zahl von 0 bis 255.").arg(stat)));
            continue;
        }
        f.rufname = aufBreite(kurz(z.wert(0), breite::Rufname), breite::Rufname);
        f.stat = stat.isEmpty() ? QStringLiteral("0") : zahlText(fuehrendeGanzzahl(stat));
        f.zeit =
            z.belegt(3) ? aufBreite(kurz(z.wert(3), breite::Zeit), breite::Zeit) : QStringLiteral("00:00:00");
        f.info = aufBreite(kurz(z.wert(4), breite::Info), breite::Info);
        f.bemerkung = aufBreite(kurz(z.wert(5), breite::Bemerkung), breite::Bemerkung);
        const QString folge = z.wert(6).trimmed();
        f.folgetelegramm =
            folge.size() == 2 && folge[0].isDigit() && folge[1].isDigit() ? folge : QStringLiteral("00");
        f.datentelegramm = aufBreite(kurz(z.wert(7), breite::Datentelegramm), breite::Datentelegramm);
        saetze.push_back(std::move(f));
    }
    const ZusammenfuehrErgebnis e = fahrzeugeZusammenfuehren(ab, rueckfrage, std::move(saetze), spalten,
                                                             QStringLiteral("Fahrzeuge aus CSV importiert"));
    b.hinzugefuegt = e.angehaengt;
    b.aktualisiert = e.ueberschrieben;
    b.uebersprungen = e.uebersprungen;
    b.ungelesen = e.ungelesen;
}

// A place holds for a set of BOS-Kennungen; a row adds one of them.
void orteEinlesen(Arbeitsbereich& ab, const std::vector<Zeile>& zeilen, CsvImportBericht& b) {
    const Kuerzer kurz{b.gekuerzt};
    Aufzeichnung schritt(ab, QStringLiteral("Ortskennungen aus CSV importiert"));
    for (const Zeile& z : zeilen) {
        const QString bos = z.wert(0).trimmed().toUpper();
        const QString land = z.wert(1).trimmed().toUpper();
        const QString ort = z.wert(2).trimmed().toUpper();
        const QString name = kurz(z.wert(3), 50);
        if (bos.size() != 1 || land.size() != 1 || ort.size() != 2 || !hexadezimal(bos + land + ort)) {
            b.abgewiesen.append(abweisung(
                z.quelle,
                QStringLiteral("BOS \"%1\", Landeskennung \"%2\" und Ortskennung \"%3\" sind nicht 1, 1 "
                               "und 2 Hexadezimalziffern.")
                    .arg(z.wert(0), z.wert(1), z.wert(2))));
            continue;
        }
        if (name.trimmed().isEmpty()) {
            b.abgewiesen.append(abweisung(z.quelle, QStringLiteral("Der Klartext ist leer.")));
            continue;
        }
        const QString satz = bos + land + ort + aufBreite(name, 50);
        const int vorher = ab.orte.satzAnzahl();
        if (!ab.orte.satzEinfuegen(satz))
            b.abgewiesen.append(
                abweisung(z.quelle, QStringLiteral("Die Tabelle der Ortskennungen ist voll.")));
        else if (ab.orte.satzAnzahl() > vorher)
            ++b.hinzugefuegt;
        else
            ++b.uebersprungen;
    }
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = ab.orte.satzAnzahl();
    if (b.hinzugefuegt > 0)
        ab.markieren(DokOrtskennungen);
    ab.orteGeaendert();
}

void aktionenEinlesen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, const std::vector<Zeile>& zeilen,
                      CsvImportBericht& b) {
    const Kuerzer kurz{b.gekuerzt};
    std::vector<Aktion> saetze;
    for (const Zeile& z : zeilen) {
        Aktion a;
        a.kennung = kennungPruefen(z.wert(4));
        a.status = z.wert(1).trimmed();
        const QString richtung = z.wert(2).trimmed();
        a.richtungNr = richtung.compare(ab.richtungsname[1].trimmed(), Qt::CaseInsensitive) == 0 ||
                               richtung == QLatin1String("1")
                           ? 1
                           : 0;
        const bool richtungBekannt =
            richtung.isEmpty() || richtung == QLatin1String("0") || richtung == QLatin1String("1") ||
            richtung.compare(ab.richtungsname[0].trimmed(), Qt::CaseInsensitive) == 0 ||
            richtung.compare(ab.richtungsname[1].trimmed(), Qt::CaseInsensitive) == 0;
        QString grund;
        if (a.kennung.isEmpty())
            grund = QStringLiteral("Kennung \"%1\" ist keine achtstellige Hexadezimalzahl.").arg(z.wert(4));
        else if (a.status.size() != 1 || !a.status[0].isDigit())
            grund = QStringLiteral("Status \"%1\" ist keine Ziffer von 0 bis 9.").arg(a.status);
        else if (!richtungBekannt)
            grund = QStringLiteral("Richtung \"%1\" ist weder \"%2\" noch \"%3\".")
                        .arg(richtung, ab.richtungsname[0], ab.richtungsname[1]);
        else if (z.wert(3).trimmed().isEmpty())
            grund = QStringLiteral("Die Aktion ist leer.");
        if (!grund.isEmpty()) {
            b.abgewiesen.append(abweisung(z.quelle, grund));
            continue;
        }
        a.aktion = kurz(z.wert(3).trimmed(), 127);
        saetze.push_back(std::move(a));
    }
    aktionenNachschlagen(ab, saetze);
    const ImportErgebnis e = aktionenZusammenfuehren(ab, rueckfrage, std::move(saetze),
                                                     QStringLiteral("Aktionen aus CSV importiert"));
    b.hinzugefuegt = e.angehaengt;
    b.aktualisiert = e.ueberschrieben;
    b.uebersprungen = e.uebersprungen;
}

} // namespace

CsvImportBericht csvImportieren(Arbeitsbereich& ab, Rueckfrage& rueckfrage, CsvTabelle tabelle,
                                const CsvDaten& daten, const std::vector<int>& zuordnung, bool kopfzeile) {
    CsvImportBericht bericht;
    std::vector<Zeile> zeilen;
    zeilen.reserve(daten.zeilen.size());
    for (size_t i = kopfzeile ? 1 : 0; i < daten.zeilen.size(); ++i)
        zeilen.push_back(Zeile{daten.zeilen[i], zuordnung, daten.spalten});
    switch (tabelle) {
    case CsvTabelle::Fahrzeuge:
        fahrzeugeEinlesen(ab, rueckfrage, zeilen, bericht);
        break;
    case CsvTabelle::Orte:
        orteEinlesen(ab, zeilen, bericht);
        break;
    case CsvTabelle::Aktionen:
        aktionenEinlesen(ab, rueckfrage, zeilen, bericht);
        break;
    }
    return bericht;
}

} // namespace tabulo
