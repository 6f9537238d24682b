#include "Flotte.h"

#include "core/actions/Aktionsliste.h"
#include "core/common/Fortschritt.h"
#include "core/common/Text.h"
#include "core/files/AktionDatei.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/OrteDatei.h"
#include "core/files/StatusDatei.h"
#include "core/overview/FeldInhalt.h"
#include "core/overview/StatusUebersicht.h"
#include "core/vehicles/Fahrzeugliste.h"

#include <QFile>
#include <QStringList>

namespace tabulo::bench {

namespace {

const QString Leer;
const QStringList Infos = {QStringLiteral("HLF 20"),    QStringLiteral("RTW"),      QStringLiteral("NEF"),
                           QStringLiteral("DLK 23-12"), QStringLiteral("ELW 1"),    QStringLiteral("MTW"),
                           QStringLiteral("KTW"),       QStringLiteral("TLF 16/25")};

// Place p (0..199): Landeskennung A or B, Ortskennung 00..99.
QString landUndOrt(int p) {
    return QStringLiteral("%1%2").arg(QLatin1Char(p < 100 ? 'A' : 'B')).arg(p % 100, 2, 10, QLatin1Char('0'));
}

// Vehicle i lies in place i mod 200 and is its (i div 200)-th vehicle; BOS 6 or 8.
Fahrzeug fahrzeug(int i) {
    Fahrzeug f;
    f.kennung = QStringLiteral("%1%2%3")
                    .arg(QLatin1Char(i % 2 ? '8' : '6'))
                    .arg(landUndOrt(i % FlottenOrte))
                    .arg(i / FlottenOrte, 4, 16, QLatin1Char('0'))
                    .toUpper();
    f.rufname = QStringLiteral("Flo %1").arg(i);
    f.stat = zahlText(i % 10);
    f.zeit = QStringLiteral("%1:%2:%3")
                 .arg(i / 3600 % 24, 2, 10, QLatin1Char('0'))
                 .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                 .arg(i % 60, 2, 10, QLatin1Char('0'));
    f.info = Infos[i % Infos.size()];
    f.folgetelegramm = QStringLiteral("00");
    f.datentelegramm = QString(breite::Datentelegramm, QLatin1Char(' '));
    return f;
}

// Field j shows vehicle 24 j, so 416 different vehicles are placed.
constexpr int FahrzeugAufFeld = FlottenFahrzeuge / AnzahlFelder;

FlottenDateien dateienBauen() {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    flottenEinstellungen(speicher);
    ab.einstellungenLesen();

    FlottenDateien d;
    d.fahrzeuge.reserve(qsizetype(FlottenFahrzeuge) * FahrzeugSatzLaenge);
    for (int i = 0; i < FlottenFahrzeuge; ++i)
        d.fahrzeuge += fahrzeugSatzSchreiben(fahrzeug(i), i % FahrzeugAufFeld == 0);

    for (int j = 0; j < AnzahlFelder; ++j) {
        Feld feld;
        feldMitFahrzeug(ab, feld, fahrzeug(j * FahrzeugAufFeld));
        d.status += statusSatzSchreiben(feld);
    }

    Ortstabelle orte;
    for (int p = 0; p < FlottenOrte; ++p) {
        const QString satz = QStringLiteral("%1%2%3")
                                 .arg(QLatin1Char(p % 2 ? '8' : '6'))
                                 .arg(landUndOrt(p))
                                 .arg(QStringLiteral("Wache %1").arg(p), -50);
        orte.satzEinfuegen(satz);
    }
    d.orte = orteSchreiben(orte);

    d.aktionen.reserve(qsizetype(FlottenAktionen) * AktionSatzLaenge);
    for (int i = 0; i < FlottenFahrzeuge; ++i) {
        const QString kennung = fahrzeug(i).kennung;
        for (int s = 0; s < 10; ++s) {
            const QString status = zahlText(s);
            QString aktion = AktionsVorlage;
            aktion.replace(QLatin1Char('*'), kennung).replace(QLatin1Char('?'), status);
            d.aktionen += aktionSatzSchreiben(kennung, status, 0, aktion);
        }
    }
    return d;
}

void schreiben(const QString& pfad, const QByteArray& daten) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size())
        qFatal("Cannot write %s", qPrintable(pfad));
}

} // namespace

void flottenEinstellungen(EinstellungsSpeicher& speicher) {
    const QString& app = anwendung::Velastat;
    speicher.speichern(app, sektion::Richtungskennung, QStringLiteral("0"), QStringLiteral("FZ->LST"));
    speicher.speichern(app, sektion::Richtungskennung, QStringLiteral("1"), QStringLiteral("LST->FZ"));
    for (int k = 0; k < 10; ++k)
        speicher.speichern(app, sektion::Statusfarben, zahlText(k), zahlText(StandardStatusfarben[k]));
    for (int w = 1; w <= AnzahlFenster; ++w)
        speicher.speichern(app, sektion::Fahrzeuguebersicht, zahlText(w), QStringLiteral("Wache %1").arg(w));
    for (int k = 0; k < 16; ++k) {
        speicher.speichern(app, sektion::BosKennung, zahlText(k), QStringLiteral("BOS %1").arg(k));
        speicher.speichern(app, sektion::Landeskennung, zahlText(k), QStringLiteral("Land %1").arg(k));
    }
}

const FlottenDateien& flottenDateien() {
    static const FlottenDateien dateien = dateienBauen();
    return dateien;
}

void flottenDateienSchreiben(const QString& ordner) {
    const FlottenDateien& d = flottenDateien();
    schreiben(ordner + QStringLiteral("/Status.BIN"), d.status);
    schreiben(ordner + QStringLiteral("/Fahrzeug.BIN"), d.fahrzeuge);
    schreiben(ordner + QStringLiteral("/Orte.BIN"), d.orte);
    schreiben(ordner + QStringLiteral("/Aktion.BIN"), d.aktionen);
}

void flotteFuerProzesseSchreiben(const QString& ordner) {
    flottenDateienSchreiben(ordner);
    SystemSpeicher speicher;
    flottenEinstellungen(speicher);
}

const QString& prozessOrdner() {
    static QTemporaryDir ordner;
    static const QString pfad = [] {
        flotteFuerProzesseSchreiben(ordner.path());
        return ordner.path();
    }();
    return pfad;
}

Flotte::Flotte() {
    flottenEinstellungen(speicher);
    ab.einstellungenLesen();
    flottenDateienSchreiben(ordner.path());
    const FlottenDateien& d = flottenDateien();
    for (const QString& satz : ortSaetzeLesen(d.orte))
        ab.orte.satzEinfuegen(satz);
    ab.orte.listeBilden(ab.bosName);
    ab.orte.anzahl = static_cast<int>(d.orte.size() / OrtSatzLaenge);
    ab.aktionenMenueAktiv = true;
    zuruecksetzen();
    ab.startverzeichnis = ordner.path();
    ab.startFertig = 10;
}

void Flotte::zuruecksetzen() {
    const FlottenDateien& d = flottenDateien();
    ab.fahrzeuge = fahrzeugSaetzeLesen(d.fahrzeuge);
    statusSaetzeEintragen(ab, d.status, nullptr);
    FesteRueckfrage rueckfrage(Antwort::Ok);
    Fortschritt ohne;
    if (AktionenLaden(ab, pfad(QStringLiteral("Aktion.BIN")), rueckfrage, ohne) != LadeErgebnis::Geladen)
        qFatal("The fleet's actions did not load");
    ab.felderGeaendert();
    FahrzeuglisteAktualisieren(ab);
    ab.alleFreigeben();
    // The lists were replaced behind the history's back.
    ab.verlauf.leeren();
}

} // namespace tabulo::bench
