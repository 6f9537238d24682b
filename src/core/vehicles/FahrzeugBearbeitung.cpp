#include "core/vehicles/FahrzeugBearbeitung.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Fortschritt.h"
#include "core/common/Text.h"
#include "core/undo/Aufzeichnung.h"
#include "core/vehicles/FahrzeugSortierung.h"
#include "core/vehicles/Fahrzeugliste.h"

namespace tabulo {

EditorAnzeige editorAnzeigeFuer(const Fahrzeug& fahrzeug) {
    EditorAnzeige a;
    const QString k = ohneRandLeerzeichen(fahrzeug.kennung);
    for (int i = 0; i < AnzahlKennungsListen; ++i) {
        QString zeichen = k.mid(i, 1);
        a.ziffern[i] = HexWert(zeichen);
    }
    // A status the list does not hold (from a file) selects nothing; accepting then keeps it.
    const QString stat = ohneRandLeerzeichen(fahrzeug.stat);
    const int status = fuehrendeGanzzahl(stat);
    a.status = status >= 0 && status <= 9 ? status : -1;
    a.rufname = ohneRandLeerzeichen(fahrzeug.rufname);
    a.zeit = ohneRandLeerzeichen(fahrzeug.zeit);
    a.info = ohneRandLeerzeichen(fahrzeug.info);
    a.bemerkung = ohneRandLeerzeichen(fahrzeug.bemerkung);
    return a;
}

QString kennungZusammensetzen(const std::array<QString, AnzahlKennungsListen>& texte) {
    QString k = texte[0].left(1) + texte[1].left(1);
    for (int i = 2; i < AnzahlKennungsListen; ++i)
        k += texte[i];
    return rechtsAuffuellen(k, breite::Kennung, QLatin1Char('0'));
}

void FahrzeugUebernehmen(Arbeitsbereich& ab, const FahrzeugEingabe& eingabe, Fortschritt& fortschritt) {
    FortschrittsAnzeige anzeige(fortschritt);
    const QString kennung = kennungZusammensetzen(eingabe.kennung);
    Aufzeichnung schritt(ab, fahrzeugName(eingabe.rufname, kennung) + QStringLiteral(" ge\u00e4ndert"));
    const bool statusGewaehlt = !eingabe.status.isEmpty();
    const QString stat = eingabe.status.left(1);
    const QString zeit = aufBreite(eingabe.zeit, breite::Zeit);
    const QString rufname = aufBreite(eingabe.rufname, breite::Rufname);
    const QString info = aufBreite(eingabe.info, breite::Info);
    const QString bemerkung = aufBreite(eingabe.bemerkung, breite::Bemerkung);

    const qint64 n = static_cast<qint64>(ab.fahrzeuge.size());
    const qint64 schritte = n + AnzahlFelder;
    const Farbe farbe = ab.statusfarbe[4];
    bool gefunden = false;
    for (qint64 i = 0; i < n; ++i) {
        anzeige.schritt(i, schritte, farbe);
        Fahrzeug& f = ab.fahrzeuge[i];
        if (f.kennung != kennung)
            continue;
        zeileVorAenderung(ab, ab.fahrzeuge, int(i));
        f.rufname = rufname;
        if (statusGewaehlt)
            f.stat = stat;
        f.zeit = zeit;
        f.info = info;
        f.bemerkung = bemerkung;
        gefunden = true;
    }

    if (gefunden) {
        for (int i = 0; i < AnzahlFelder; ++i) {
            anzeige.schritt(n + i, schritte, farbe);
            Feld& feld = ab.felder[i];
            if (feld.kennung != kennung || feld.feldtyp != FeldFahrzeug)
                continue;
            feld.fahrzeug = rufname;
            if (statusGewaehlt)
                feld.status = stat;
            feld.zeit = zeit;
            feld.info = info;
            feld.statusFarbe = ab.statusFarbeFuer(feld.status);
        }
        ab.felderGeaendert();
    } else {
        schritt.nennen(fahrzeugName(eingabe.rufname, kennung) + QStringLiteral(" angelegt"));
        ab.fahrzeuge.push_back(Fahrzeug{rufname, kennung, stat, zeit, info, bemerkung, QStringLiteral("00"),
                                        QString(breite::Datentelegramm, QLatin1Char(' '))});
        zeilenAngehaengt(ab, ab.fahrzeuge, int(n));
        sortiertHalten(ab);
    }

    FahrzeuglisteAktualisieren(ab);
    ab.markieren(DokFahrzeugliste | DokStatusuebersicht);
}

} // namespace tabulo
