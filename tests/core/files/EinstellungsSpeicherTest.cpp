#include "core/files/EinstellungsSpeicher.h"

#include "support/Speicherwurzel.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
const QString Fz = sektion::Fahrzeuguebersicht;
// Values a store could mangle: blanks at the ends, separators, quotes, comment marks.
const QStringList schwierigeWerte = {
    QString(),
    "  Blanks an beiden Enden  ",
    "a,b,c",
    "\"Zitat\" und 'Apostroph'",
    QStringLiteral("\u00e4\u00f6\u00fc\u00df \u20ac"),
    "Semikolon; und = Gleich",
    "Zeile\numbruch",
    "#kein Kommentar",
    QString(10000, QLatin1Char('x')),
};

void schreibenUndLesen(EinstellungsSpeicher& s) {
    for (int k = 0; k < schwierigeWerte.size(); ++k)
        s.speichern(anwendung::Velastat, Fz, QString::number(k), schwierigeWerte[k]);
    for (int k = 0; k < schwierigeWerte.size(); ++k)
        EXPECT_EQ(s.lesen(anwendung::Velastat, Fz, QString::number(k), "std"), schwierigeWerte[k]) << k;
    EXPECT_EQ(s.lesen(anwendung::Velastat, "Fehlt", "1", "std"), "std");
    s.loeschen(anwendung::Velastat, Fz, "1");
    s.loeschen(anwendung::Velastat, "Fehlt", "1"); // absent: no effect, no failure
    EXPECT_EQ(s.lesen(anwendung::Velastat, Fz, "1", "std"), "std");
    s.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "A", "1");
    s.speichern(anwendung::VelastatPlus, sektion::Einstellungen, "B", "2");
    EXPECT_EQ(s.alleLesen(anwendung::VelastatPlus, sektion::Einstellungen),
              (EinstellungsSpeicher::Paare{{"A", "1"}, {"B", "2"}}));
    EXPECT_TRUE(s.alleLesen(anwendung::Velastat, sektion::Einstellungen).isEmpty())
        << "applications are apart";
    // A section goes with all its keys; an empty section name never takes the application.
    s.speichern(anwendung::VelastatPlus, "Weg", "A", "1");
    s.sektionLoeschen(anwendung::VelastatPlus, "Weg");
    EXPECT_TRUE(s.alleLesen(anwendung::VelastatPlus, "Weg").isEmpty());
    s.sektionLoeschen(anwendung::VelastatPlus, QString());
    EXPECT_EQ(s.alleLesen(anwendung::VelastatPlus, sektion::Einstellungen).size(), 2);
}
} // namespace

TEST(EinstellungsSpeicher, ImSpeicherUndImSystemInEinNeuesObjekt) {
    SpeicherImSpeicher imSpeicher;
    schreibenUndLesen(imSpeicher);

    const Speicherwurzel wurzel;
    {
        SystemSpeicher s(wurzel.pfad());
        schreibenUndLesen(s);
    }
    SystemSpeicher neu(wurzel.pfad());
    for (int k = 0; k < schwierigeWerte.size(); ++k)
        EXPECT_EQ(neu.lesen(anwendung::Velastat, Fz, QString::number(k), "std"),
                  k == 1 ? "std" : schwierigeWerte[k]);
}
