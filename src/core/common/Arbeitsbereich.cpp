#include "core/common/Arbeitsbereich.h"

#include "core/common/Text.h"
#include "core/files/EinstellungsSpeicher.h"

namespace tabulo {

Arbeitsbereich::Arbeitsbereich(EinstellungsSpeicher& speicher, const DateiSchreiber& schreiber,
                               QObject* parent)
    : QObject(parent), m_speicher(speicher), m_schreiber(&schreiber) {
    rahmenFarbe.fill(farbe::NormalA);
    bosName.fill(QStringLiteral("Undefiniert"));
    landName.fill(QStringLiteral("Undefiniert"));
    richtungsname.fill(QStringLiteral("FZ<->LST"));
}

void Arbeitsbereich::markieren(quint16 bits) {
    verlauf.markiert(bits);
    ungespeichertSetzen(ungespeichert | bits);
}

void Arbeitsbereich::freigeben(quint16 bits) {
    verlauf.freigegeben(bits);
    ungespeichertSetzen(ungespeichert & static_cast<quint16>(~bits));
}

void Arbeitsbereich::ungespeichertSetzen(quint16 wert) {
    if (wert == ungespeichert)
        return;
    ungespeichert = wert;
    emit flagsVeraendert();
}

void Arbeitsbereich::dateiGemerkt(quint16 dokument, const QString& pfad, const Dateistand& stand) {
    dateien.merken(dokument, pfad, stand);
    emit dateienVeraendert();
}

SchreibErgebnis Arbeitsbereich::dokumentSchreiben(quint16 dokument, const QString& pfad,
                                                  const QByteArray& daten) {
    SchreibErgebnis ergebnis = m_schreiber->schreiben(pfad, daten);
    if (ergebnis)
        dateiGelesen(dokument, pfad, daten);
    return ergebnis;
}

void Arbeitsbereich::alleFreigeben() {
    freigeben(0xFFFF);
}

Farbe Arbeitsbereich::statusFarbeFuer(const QString& statusText) const {
    const int wert = fuehrendeGanzzahl(statusText);
    if (wert < 0 || wert >= AnzahlStatusfarben)
        return farbe::OhneStatusfarbe;
    return statusfarbe[wert];
}

Farbe gespeicherteFarbe(const QString& text, Farbe ersatz) {
    bool ok = false;
    const qlonglong wert = text.trimmed().toLongLong(&ok);
    if (!ok || wert < 0 || wert > 0xFFFFFF)
        return ersatz;
    return static_cast<Farbe>(wert);
}

void Arbeitsbereich::einstellungenLesen() {
    const QString& app = anwendung::Velastat;
    for (int k = 0; k < 2; ++k)
        richtungsname[k] =
            m_speicher.lesen(app, sektion::Richtungskennung, zahlText(k), QStringLiteral("FZ<->LST"));
    for (int k = 0; k < 10; ++k) {
        const QString standard = zahlText(StandardStatusfarben[k]);
        statusfarbe[k] = gespeicherteFarbe(
            m_speicher.lesen(app, sektion::Statusfarben, zahlText(k), standard), StandardStatusfarben[k]);
    }
    for (int w = 1; w <= AnzahlFenster; ++w)
        fensterTitel[w - 1] =
            m_speicher.lesen(app, sektion::Fahrzeuguebersicht, zahlText(w), fensterTitel[w - 1]);
    for (int k = 0; k < 16; ++k) {
        bosName[k] = m_speicher.lesen(app, sektion::BosKennung, zahlText(k), QStringLiteral("Undefiniert"));
        landName[k] =
            m_speicher.lesen(app, sektion::Landeskennung, zahlText(k), QStringLiteral("Undefiniert"));
    }
    emit titelVeraendert();
    emit namenVeraendert();
}

void Arbeitsbereich::setzeHeute(const QDate& datum) {
    heute = datum.toString(QStringLiteral("dd.MM.yy"));
}

} // namespace tabulo
