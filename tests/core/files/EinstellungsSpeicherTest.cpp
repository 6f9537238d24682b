#include "core/files/EinstellungsSpeicher.h"

#include "support/Speicherwurzel.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
const QStringList schwierigeWerte = {
    QString(),
    QStringLiteral("  Blanks an beiden Enden  "),
    QStringLiteral("a,b,c"),
    QStringLiteral("\"Zitat\" und 'Apostroph'"),
    QStringLiteral("\u00e4\u00f6\u00fc\u00df \u20ac"),
    QStringLiteral("Semikolon; und = Gleich"),
    QStringLiteral("Zeile\numbruch"),
    QStringLiteral("#kein Kommentar"),
    QString(10000, QLatin1Char('x')),
};

void pruefeRundreise(EinstellungsSpeicher& s) {
    int k = 0;
    for (const QString& wert : schwierigeWerte) {
        const QString schluessel = QString::number(k++);
        s.speichern(anwendung::Velastat, sektion::Fahrzeuguebersicht, schluessel, wert);
        EXPECT_EQ(s.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, schluessel, "std"), wert)
            << wert.left(40).toStdString();
    }
    EXPECT_EQ(s.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "99", "std"), "std");
    EXPECT_EQ(s.lesen(anwendung::Velastat, "Fehlt", "1", "std"), "std");

    s.loeschen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "1");
    EXPECT_EQ(s.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, "1", "std"), "std");
    s.loeschen(anwendung::Velastat, "Fehlt", "1"); // absent: no effect, no failure

    s.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "A", "1");
    s.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "B", "2");
    const auto paare = s.alleLesen(anwendung::VelastatPlus, sektion::Einstellungen);
    ASSERT_EQ(paare.size(), 2);
    EXPECT_EQ(paare[0], qMakePair(QStringLiteral("A"), QStringLiteral("1")));
    EXPECT_EQ(paare[1], qMakePair(QStringLiteral("B"), QStringLiteral("2")));
    EXPECT_TRUE(s.alleLesen(anwendung::VelastatPlus, "Fehlt").isEmpty());
    // The applications are separate.
    EXPECT_TRUE(s.alleLesen(anwendung::Velastat, sektion::Einstellungen).isEmpty());

    // A section goes with all its keys; an empty section name never takes the application.
    s.speichern(anwendung::VelastatPlus, "Weg", "A", "1");
    s.sektionLoeschen(anwendung::VelastatPlus, "Weg");
    EXPECT_TRUE(s.alleLesen(anwendung::VelastatPlus, "Weg").isEmpty());
    EXPECT_EQ(s.lesen(anwendung::VelastatPlus, "Weg", "A", "std"), "std");
    s.sektionLoeschen(anwendung::VelastatPlus, QString());
    EXPECT_EQ(s.alleLesen(anwendung::VelastatPlus, sektion::Einstellungen).size(), 2);
}
} // namespace

TEST(EinstellungsSpeicher, ImSpeicherRundreise) {
    SpeicherImSpeicher s;
    pruefeRundreise(s);
}

TEST(EinstellungsSpeicher, SystemSpeicherRundreiseUeberNeuesObjekt) {
    const Speicherwurzel wurzel;
    {
        SystemSpeicher s(wurzel.pfad());
        pruefeRundreise(s);
    }
    // A fresh store reads back what the first one wrote.
    SystemSpeicher neu(wurzel.pfad());
    int k = 0;
    for (const QString& wert : schwierigeWerte) {
        const QString schluessel = QString::number(k++);
        if (schluessel == "1")
            continue;
        EXPECT_EQ(neu.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, schluessel, "std"), wert)
            << wert.left(40).toStdString();
    }
}
