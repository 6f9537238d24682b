#include "core/actions/Aktionsliste.h"
#include "core/check/Pruefgut.h"
#include "core/common/Arbeitsbereich.h"
#include "core/common/Text.h"
#include "core/files/AktionDatei.h"
#include "core/files/Ansi.h"
#include "core/files/BuendelDatei.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/files/OrteDatei.h"
#include "core/files/StandardDatei.h"
#include "core/files/StatusDatei.h"

#include <QFileInfo>

namespace tabulo {

namespace {

using Bytes = QByteArrayView;

void fremd(Pruefgut& gut, Tabelle t, int nummer, const QStringList& was) {
    if (!was.isEmpty())
        gut.vorab.push_back({Schwere::Hinweis,
                             t,
                             nummer,
                             Befundart::FremdeBytes,
                             stelleText(t, nummer, true),
                             QStringLiteral("Bytes, die Velastat nie schreibt: ") +
                                 was.join(QStringLiteral("; ")) + QLatin1Char('.'),
                             {}});
}

quint8 byte(Bytes satz, int i) {
    return static_cast<quint8>(satz[i]);
}

// The file's bytes, or nothing when there is none. A file that cannot be read, or whose length
// is no whole number of records, is an error of its own; its whole records are checked still.
std::optional<QByteArray> lesen(Pruefgut& gut, Tabelle t, const QString& pfad, qsizetype satzLaenge,
                                qsizetype genau = 0) {
    if (!QFileInfo(pfad).isFile())
        return std::nullopt;
    const auto melden = [&](const QString& text) {
        gut.vorab.push_back({Schwere::Fehler, t, -1, Befundart::DateiUngueltig, {}, text, {}});
    };
    LeseErgebnis gelesen = dateiLesen(pfad);
    if (!gelesen.daten) {
        melden(QStringLiteral("Die Datei kann nicht gelesen werden: %1").arg(gelesen.fehler));
        return std::nullopt;
    }
    const qsizetype n = gelesen.daten->size();
    if (genau > 0 && n != genau)
        melden(
            QStringLiteral("Die Datei hat %1 Bytes statt %2; Tabulo l\u00e4dt sie nicht.").arg(n).arg(genau));
    else if (!ganzeSaetze(n, satzLaenge))
        melden(QStringLiteral("Die Datei hat %1 Bytes, keine ganze Zahl von Sätzen zu %2 Bytes; Tabulo lädt "
                              "sie nicht.")
                   .arg(n)
                   .arg(satzLaenge));
    return std::move(gelesen.daten);
}

void statusLesen(Pruefgut& gut, const QByteArray& daten) {
    auto& felder = gut.felder.emplace();
    const QByteArray frei = QByteArray(30, ' ') + "00000000";
    for (int j = 0; j < AnzahlFelder && (j + 1) * StatusSatzLaenge <= daten.size(); ++j) {
        const Bytes satz = Bytes(daten).sliced(j * StatusSatzLaenge, StatusSatzLaenge);
        const StatusSatz s = statusSatzLesen(satz);
        felder.push_back({s.art, s.art == FeldFahrzeug ? s.kennung : QString()});
        QStringList was;
        if (byte(satz, 1) != 0)
            was << QStringLiteral("Byte 1 ist %1 statt 0").arg(byte(satz, 1));
        if (s.art == FeldFrei && satz.sliced(2) != frei)
            was << QStringLiteral("ein freies Feld mit Inhalt %1")
                       .arg(ansiNachText(satz.sliced(2)).trimmed());
        if (s.art == FeldFahrzeug && satz.sliced(12, 20) != Bytes(frei).first(20))
            was << QStringLiteral("hinter dem Namen steht %1")
                       .arg(ansiNachText(satz.sliced(12, 20)).trimmed());
        if (s.art == FeldText && satz.sliced(32) != Bytes("00000000"))
            was << QStringLiteral("hinter dem Text steht %1").arg(ansiNachText(satz.sliced(32)));
        fremd(gut, Tabelle::Status, j, was);
    }
}

void fahrzeugeLesen(Pruefgut& gut, const QByteArray& daten) {
    gut.fahrzeuge = fahrzeugSaetzeLesen(daten);
    for (int i = 0; (i + 1) * qsizetype(FahrzeugSatzLaenge) <= daten.size(); ++i) {
        const Bytes satz = Bytes(daten).sliced(i * qsizetype(FahrzeugSatzLaenge), FahrzeugSatzLaenge);
        QStringList was;
        for (int frei : {39, 151})
            if (byte(satz, frei) != 0)
                was << QStringLiteral("das freie Byte %1 ist %2").arg(frei).arg(byte(satz, frei));
        if (byte(satz, 48) > 9 || byte(satz, 49) > 9)
            was << QStringLiteral("das Folgetelegramm hat die Bytes %1 und %2 statt zweier Ziffern")
                       .arg(byte(satz, 48))
                       .arg(byte(satz, 49));
        if (byte(satz, 150) > 1)
            was << QStringLiteral("das Byte \"aufgenommen\" ist %1 statt 0 oder 1").arg(byte(satz, 150));
        fremd(gut, Tabelle::Fahrzeuge, i, was);
    }
}

void orteLesen(Pruefgut& gut, const QByteArray& daten) {
    auto& orte = gut.orte.emplace();
    int nummer = 0;
    for (const QString& satz : ortSaetzeLesen(daten)) {
        const int bos = hexZiffer(satz[0]);
        orte.push_back({nummer++, satz.left(1), bos < 0 ? 0u : 1u << bos, satz.mid(1, 3),
                        ohneEndLeerzeichen(satz.mid(4))});
    }
}

void buendelLesen(Pruefgut& gut, const QByteArray& daten) {
    const QStringList zeilen = buendelZeilen(daten);
    for (int z = 0; z < zeilen.size(); ++z)
        if (!buendelZeileLesen(zeilen[z]))
            gut.vorab.push_back(
                {Schwere::Hinweis,
                 Tabelle::Einstellungen,
                 z,
                 Befundart::FremdeBytes,
                 stelleText(Tabelle::Einstellungen, z, true),
                 QStringLiteral("Die Zeile besteht nicht aus drei Feldern; Tabulo \u00fcbergeht "
                                "sie beim Laden."),
                 {}});
}

} // namespace

bool aktionenDateiLesen(Pruefgut& gut, const QString& pfad) {
    const auto daten = lesen(gut, Tabelle::Aktionen, pfad, AktionSatzLaenge);
    if (!daten)
        return false;
    auto& aktionen = gut.aktionen.emplace();
    aktionen.reserve(daten->size() / AktionSatzLaenge);
    for (qsizetype pos = 0; pos + AktionSatzLaenge <= daten->size(); pos += AktionSatzLaenge) {
        const AktionSatz s = aktionSatzLesen(Bytes(*daten).sliced(pos, AktionSatzLaenge));
        Aktion a;
        a.kennung = s.kennung;
        a.status = QString(s.status);
        a.richtungNr = richtungAusZeichen(s.richtung);
        a.aktion = s.aktion;
        const int nummer = static_cast<int>(aktionen.size());
        aktionen.push_back(std::move(a));
        if (!s.richtung.isDigit() || s.richtung.unicode() > '9')
            fremd(gut, Tabelle::Aktionen, nummer,
                  {QStringLiteral("das Richtungszeichen \"%1\" ist keine Ziffer und gilt als 0")
                       .arg(s.richtung)});
    }
    return true;
}

Pruefgut pruefgutAusOrdner(const QString& ordner, EinstellungsSpeicher& speicher, int* gefunden) {
    Pruefgut gut;
    gut.ausDateien = true;
    {
        // The names as the editor reads them at its start, defaults included.
        const DateiSchreiber schreiber;
        Arbeitsbereich ab(speicher, schreiber);
        ab.einstellungenLesen();
        gut.bosName = ab.bosName;
        gut.landName = ab.landName;
    }
    const auto pfad = [&](const char* name) { return standardDatei(ordner, QString::fromLatin1(name)); };
    int anzahl = 0;
    if (const auto d = lesen(gut, Tabelle::Status, pfad("Status.BIN"), StatusSatzLaenge, StatusDateiLaenge)) {
        statusLesen(gut, *d);
        ++anzahl;
    }
    if (const auto d = lesen(gut, Tabelle::Fahrzeuge, pfad("Fahrzeug.BIN"), FahrzeugSatzLaenge)) {
        fahrzeugeLesen(gut, *d);
        ++anzahl;
    }
    if (const auto d = lesen(gut, Tabelle::Orte, pfad("Orte.BIN"), OrtSatzLaenge)) {
        orteLesen(gut, *d);
        ++anzahl;
    }
    if (aktionenDateiLesen(gut, pfad("Aktion.BIN")))
        ++anzahl;
    if (const auto d = lesen(gut, Tabelle::Einstellungen, pfad("Einstellungen.BIN"), 1)) {
        buendelLesen(gut, *d);
        ++anzahl;
    }
    if (gefunden)
        *gefunden = anzahl;
    return gut;
}

} // namespace tabulo
