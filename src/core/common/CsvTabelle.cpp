#include "core/common/CsvTabelle.h"

#include "core/actions/Aktion.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/vehicles/Fahrzeug.h"

namespace tabulo {

namespace {

const QString& Anwendung = anwendung::Tabulo;
const QString Sektion = QStringLiteral("CSV");
const QString SchluesselTrenner = QStringLiteral("Trennzeichen");
const QString SchluesselKodierung = QStringLiteral("Kodierung");

QString ohneEnde(const QString& text) {
    return ohneEndLeerzeichen(text);
}

void fahrzeugeSchreiben(const Arbeitsbereich& ab, CsvSchreiber& s) {
    for (const Fahrzeug& f : ab.fahrzeuge) {
        for (int sp = 0; sp < Fahrzeug::AnzahlSpalten; ++sp)
            s.feld(ohneEnde(f.spalte(sp)));
        s.zeileEnde();
    }
}

// One row per record of the place file: a place valid for three BOS-Kennungen gives three.
void orteSchreiben(const Arbeitsbereich& ab, CsvSchreiber& s) {
    const Ortstabelle& o = ab.orte;
    for (int i = 0; i < OrtSlots; ++i) {
        if (o.text[i].size() <= 40)
            continue;
        for (int d = 0; d < 16; ++d) {
            if ((o.maske[i] & (1u << d)) == 0)
                continue;
            s.feld(QString(hexZeichen(d)));
            s.feld(o.text[i].left(1));
            s.feld(o.text[i].mid(1, 2));
            s.feld(ohneEnde(o.text[i].mid(4)));
            s.zeileEnde();
        }
    }
}

void aktionenSchreiben(const Arbeitsbereich& ab, CsvSchreiber& s) {
    for (const Aktion& a : ab.aktionen) {
        for (int sp = 0; sp < Aktion::AnzahlSpalten; ++sp)
            s.feld(ohneEnde(a.spalte(sp)));
        s.zeileEnde();
    }
}

} // namespace

QString csvTabellenName(CsvTabelle tabelle) {
    switch (tabelle) {
    case CsvTabelle::Fahrzeuge:
        return QStringLiteral("Fahrzeugliste");
    case CsvTabelle::Orte:
        return QStringLiteral("Ortskennungen");
    case CsvTabelle::Aktionen:
        return QStringLiteral("Aktionen");
    }
    return {};
}

QStringList csvSpalten(CsvTabelle tabelle) {
    QStringList spalten;
    switch (tabelle) {
    case CsvTabelle::Fahrzeuge:
        for (int s = 0; s < Fahrzeug::AnzahlSpalten; ++s)
            spalten.append(fahrzeugSpaltenTitel(s));
        break;
    case CsvTabelle::Orte:
        spalten = {QStringLiteral("BOS"), QStringLiteral("Landeskennung"), QStringLiteral("Ortskennung"),
                   QStringLiteral("Klartext")};
        break;
    case CsvTabelle::Aktionen:
        for (int s = 0; s < Aktion::AnzahlSpalten; ++s)
            spalten.append(aktionSpaltenTitel(s));
        break;
    }
    return spalten;
}

bool csvSpalteEinlesbar(CsvTabelle tabelle, int spalte) {
    return !(tabelle == CsvTabelle::Aktionen && spalte == 0);
}

std::vector<int> csvPflichtSpalten(CsvTabelle tabelle) {
    switch (tabelle) {
    case CsvTabelle::Fahrzeuge:
        return {1};
    case CsvTabelle::Orte:
        return {0, 1, 2, 3};
    case CsvTabelle::Aktionen:
        return {1, 3, 4};
    }
    return {};
}

QByteArray csvExportieren(const Arbeitsbereich& ab, CsvTabelle tabelle, CsvFormat format) {
    // About what a row takes, so the text grows once.
    const qsizetype zeilen = tabelle == CsvTabelle::Fahrzeuge  ? qsizetype(ab.fahrzeuge.size())
                             : tabelle == CsvTabelle::Aktionen ? qsizetype(ab.aktionen.size())
                                                               : OrtSlots;
    CsvSchreiber s(format.trenner, zeilen * 80);
    for (const QString& titel : csvSpalten(tabelle))
        s.feld(titel);
    s.zeileEnde();
    switch (tabelle) {
    case CsvTabelle::Fahrzeuge:
        fahrzeugeSchreiben(ab, s);
        break;
    case CsvTabelle::Orte:
        orteSchreiben(ab, s);
        break;
    case CsvTabelle::Aktionen:
        aktionenSchreiben(ab, s);
        break;
    }
    return s.bytes(format.kodierung);
}

bool csvKopfzeileVermutet(const CsvDaten& daten, CsvTabelle tabelle) {
    if (daten.zeilen.empty())
        return false;
    const QStringList spalten = csvSpalten(tabelle);
    for (const QString& feld : daten.zeilen.front().felder)
        if (spalten.contains(feld.trimmed(), Qt::CaseInsensitive))
            return true;
    return false;
}

std::vector<int> csvZuordnungVorschlagen(const CsvDaten& daten, CsvTabelle tabelle, bool kopfzeile) {
    const QStringList spalten = csvSpalten(tabelle);
    std::vector<int> zuordnung(static_cast<size_t>(daten.spalten), -1);
    std::vector<bool> vergeben(static_cast<size_t>(spalten.size()), false);
    for (int d = 0; d < daten.spalten; ++d) {
        int ziel = d < spalten.size() ? d : -1;
        if (kopfzeile && !daten.zeilen.empty()) {
            const QStringList& kopf = daten.zeilen.front().felder;
            ziel = -1;
            for (int s = 0; s < spalten.size() && d < kopf.size(); ++s)
                if (spalten[s].compare(kopf[d].trimmed(), Qt::CaseInsensitive) == 0)
                    ziel = s;
        }
        if (ziel >= 0 && csvSpalteEinlesbar(tabelle, ziel) && !vergeben[static_cast<size_t>(ziel)]) {
            zuordnung[static_cast<size_t>(d)] = ziel;
            vergeben[static_cast<size_t>(ziel)] = true;
        }
    }
    return zuordnung;
}

QString csvBerichtText(const CsvImportBericht& b) {
    QString text =
        QStringLiteral("%1 hinzugef\u00fcgt, %2 aktualisiert, %3 \u00fcbersprungen, %4 abgewiesen.")
            .arg(b.hinzugefuegt)
            .arg(b.aktualisiert)
            .arg(b.uebersprungen)
            .arg(b.abgewiesen.size());
    if (b.ungelesen > 0)
        text += QStringLiteral("\nAbgebrochen: %1 Zeilen nicht eingelesen.").arg(b.ungelesen);
    if (b.gekuerzt > 0)
        text += QStringLiteral("\n%1 Texte waren l\u00e4nger als ihre Spalte und wurden gek\u00fcrzt.")
                    .arg(b.gekuerzt);
    constexpr int Gezeigt = 20;
    if (!b.abgewiesen.isEmpty()) {
        text += QStringLiteral("\n\nAbgewiesen:\n") + b.abgewiesen.mid(0, Gezeigt).join(QLatin1Char('\n'));
        if (b.abgewiesen.size() > Gezeigt)
            text += QStringLiteral("\n... und %1 weitere.").arg(b.abgewiesen.size() - Gezeigt);
    }
    return text;
}

CsvFormat csvFormatLesen(const EinstellungsSpeicher& speicher) {
    CsvFormat format;
    const QString trenner = speicher.lesen(Anwendung, Sektion, SchluesselTrenner, QStringLiteral(";"));
    if (trenner == QLatin1String(",") || trenner == QLatin1String(";"))
        format.trenner = trenner[0];
    else if (trenner == QLatin1String("Tab"))
        format.trenner = u'\t';
    if (speicher.lesen(Anwendung, Sektion, SchluesselKodierung, {}) == QLatin1String("Windows-1252"))
        format.kodierung = CsvKodierung::Ansi;
    return format;
}

void csvFormatSpeichern(EinstellungsSpeicher& speicher, CsvFormat format) {
    speicher.speichern(Anwendung, Sektion, SchluesselTrenner,
                       format.trenner == u'\t' ? QStringLiteral("Tab") : QString(format.trenner));
    speicher.speichern(Anwendung, Sektion, SchluesselKodierung,
                       format.kodierung == CsvKodierung::Ansi ? QStringLiteral("Windows-1252")
                                                              : QStringLiteral("UTF-8"));
}

} // namespace tabulo
