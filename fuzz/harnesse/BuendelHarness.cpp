#include "Eingabe.h"
#include "Harness.h"
#include "Koerper.h"
#include "Werkbank.h"
#include "core/common/Text.h"
#include "core/files/Ansi.h"
#include "core/files/BuendelDatei.h"
#include "core/overview/FeldInhalt.h"
#include "core/settings/Einstellungsbuendel.h"

namespace tabulo::fuzz {

namespace {

// A line written from any three fields is one line of the file and reads back as those fields.
void zeileZurueck(const BuendelZeile& zeile) {
    const QByteArray bytes = buendelZeileSchreiben(zeile);
    FUZZ_PRUEFEN(bytes.endsWith("\r\n"));
    const QStringList zeilen = buendelZeilen(bytes);
    FUZZ_PRUEFEN(zeilen.size() == 1);
    const auto wieder = buendelZeileLesen(zeilen.front());
    FUZZ_PRUEFEN(wieder.has_value());
    FUZZ_PRUEFEN(wieder->sektion == wieImBuendel(zeile.sektion));
    FUZZ_PRUEFEN(wieder->schluessel == wieImBuendel(zeile.schluessel));
    FUZZ_PRUEFEN(wieder->wert == wieImBuendel(zeile.wert));
}

void zeilenZurueck(QByteArrayView eingabe) {
    const QStringList zeilen = buendelZeilen(eingabe.toByteArray());
    qsizetype zeichen = 0;
    for (const QString& z : zeilen) {
        FUZZ_PRUEFEN(!z.contains(QLatin1Char('\r')) && !z.contains(QLatin1Char('\n')));
        zeichen += z.size();
        const auto gelesen = buendelZeileLesen(z);
        if (!gelesen)
            continue;
        for (const QString* feld : {&gelesen->sektion, &gelesen->schluessel, &gelesen->wert})
            FUZZ_PRUEFEN(feld->size() <= z.size());
        zeileZurueck(*gelesen);
    }
    FUZZ_PRUEFEN(zeichen <= eingabe.size());

    // Fields as the store may hold them: any text, line breaks and quotes included.
    Eingabe teile(eingabe);
    BuendelZeile frei;
    frei.sektion = QString::fromUtf8(teile.stueck('\0'));
    frei.schluessel = QString::fromUtf8(teile.stueck('\0'));
    frei.wert = QString::fromUtf8(teile.stueck('\0'));
    zeileZurueck(frei);
}

void vorbereiten(Arbeitsbereich& ab) {
    for (Feld& f : ab.felder)
        feldFreimachen(f);
    feldMitFahrzeug(ab, ab.felder[5], QStringLiteral("RTW"), QStringLiteral("6A123456"), QStringLiteral("4"),
                    QStringLiteral("12:00:00"), QString());
    feldMitFahrzeug(ab, ab.felder[6], QStringLiteral("NEF"), QStringLiteral("6A123457"),
                    QStringLiteral("200"), QStringLiteral("12:00:00"), QString());
    ab.speicher().speichern(anwendung::VelastatPlus, sektion::Einstellungen, QStringLiteral("TgVorlaufMin"),
                            QStringLiteral("14"));
}

// A bundle of any bytes changes only the groups that are ticked, only the eight titles and the
// eleven colours there are, never to a system colour; what it applied exports and imports
// again unchanged.
void anwenden(QByteArrayView daten) {
    Eingabe eingabe(daten);
    const quint8 wahl = eingabe.byte();
    const BuendelGruppen gruppen = {bool(wahl & 1), bool(wahl & 2), bool(wahl & 4)};
    const QByteArray datei = eingabe.rest().toByteArray();

    Werkbank w;
    vorbereiten(w.ab);
    const auto titelVorher = w.ab.fensterTitel;
    const auto farbenVorher = w.ab.statusfarbe;
    buendelAnwenden(w.ab, datei, gruppen);

    const EinstellungsSpeicher& s = w.speicher;
    const auto titel = s.alleLesen(anwendung::Velastat, sektion::Fahrzeuguebersicht);
    const auto farben = s.alleLesen(anwendung::Velastat, sektion::Statusfarben);
    const auto allgemein = s.alleLesen(anwendung::Velastat, sektion::Einstellungen);
    if (!gruppen.fenstertitel)
        FUZZ_PRUEFEN(titel.isEmpty() && w.ab.fensterTitel == titelVorher);
    if (!gruppen.statusfarben)
        FUZZ_PRUEFEN(farben.isEmpty() && w.ab.statusfarbe == farbenVorher);
    if (!gruppen.einstellungen)
        FUZZ_PRUEFEN(allgemein.isEmpty());
    for (const auto& [schluessel, wert] : titel) {
        bool ok = false;
        const int nr = schluessel.toInt(&ok);
        FUZZ_PRUEFEN(ok && nr >= 1 && nr <= AnzahlFenster && zahlText(nr) == schluessel);
        FUZZ_PRUEFEN(w.ab.fensterTitel[nr - 1] == wert);
    }
    for (const auto& [schluessel, wert] : farben) {
        bool ok = false;
        const int k = schluessel.toInt(&ok);
        FUZZ_PRUEFEN(ok && k >= 0 && k < AnzahlStatusfarben && zahlText(k) == schluessel);
        FUZZ_PRUEFEN(zahlText(w.ab.statusfarbe[k]) == wert);
    }
    for (const auto& [schluessel, wert] : allgemein)
        FUZZ_PRUEFEN(!schluessel.isEmpty() && !schluessel.contains(QLatin1Char('/')));
    for (const Farbe f : w.ab.statusfarbe)
        FUZZ_PRUEFEN(f <= 0xFFFFFFu);
    for (const Feld& f : w.ab.felder)
        if (f.feldtyp == FeldFahrzeug)
            FUZZ_PRUEFEN(f.statusFarbe == w.ab.statusFarbeFuer(f.status));

    // Exported and imported into a fresh installation: the same titles and colours.
    const QByteArray export_ = buendelErzeugen(w.ab, {true, true, true});
    Werkbank neu;
    vorbereiten(neu.ab);
    const BuendelLadeErgebnis e = buendelAnwenden(neu.ab, export_, {true, true, true});
    FUZZ_PRUEFEN(e.fenstertitel == BuendelErgebnis::Geladen && e.statusfarben == BuendelErgebnis::Geladen);
    for (int i = 0; i < AnzahlFenster; ++i)
        FUZZ_PRUEFEN(neu.ab.fensterTitel[i] == wieImBuendel(w.ab.fensterTitel[i]));
    for (int k = 0; k < 10; ++k)
        FUZZ_PRUEFEN(neu.ab.statusfarbe[k] == w.ab.statusfarbe[k]);
}

} // namespace

// The settings bundle: its lines one by one, then the whole file applied.
void buendelHarness(QByteArrayView eingabe) {
    zeilenZurueck(eingabe);
    anwenden(eingabe);
}

} // namespace tabulo::fuzz
