#include "core/overview/FeldVerschieben.h"

#include "core/overview/FeldInhalt.h"
#include "support/TestArbeitsbereich.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct Umfeld : TestArbeitsbereich {
    Fahrzeug fz;

    // Every field shows its own index as text, so a move is visible as a changed number.
    Umfeld() : TestArbeitsbereich(Felder::Entwurf) {
        for (int i = 0; i < AnzahlFelder; ++i)
            feldMitText(ab.felder[i], QString::number(i));
        fz.rufname = QStringLiteral("RTW 1");
        fz.kennung = QStringLiteral("6A000001");
        fz.stat = QStringLiteral("3");
        fz.zeit = QStringLiteral("10:00:00");
        fz.info = QStringLiteral("Wache");
    }
    // What field i shows: its original index, or "F" for the vehicle, "-" for a free field.
    QString zeigt(int i) const {
        const Feld& f = ab.felder[i];
        if (f.feldtyp == FeldFahrzeug)
            return f.kennung == fz.kennung ? QStringLiteral("F") : f.kennung;
        if (f.feldtyp == FeldFrei)
            return QStringLiteral("-");
        return f.text;
    }
};

// What the fields show afterwards, as "field:shows" pairs separated by blanks.
struct Fall {
    const char* name;
    qint16 einfuegemodus, listenmodus;
    std::function<void(Umfeld&)> tun;
    const char* erwartet;
    quint16 flags = DokStatusuebersicht;
};

void pruefen(const Fall& fall) {
    SCOPED_TRACE(fall.name);
    Umfeld u;
    u.ab.einfuegemodus = fall.einfuegemodus;
    u.ab.listenmodus = fall.listenmodus;
    fall.tun(u);
    for (const QString& paar : QString::fromLatin1(fall.erwartet).split(' ')) {
        const int feld = paar.section(':', 0, 0).toInt();
        EXPECT_EQ(u.zeigt(feld), paar.section(':', 1)) << "Feld " << feld;
    }
    EXPECT_EQ(u.ab.ungespeichert, fall.flags);
    EXPECT_EQ(u.ab.feldZiehen, 0);
    EXPECT_EQ(u.ab.listenZiehen, 0);
}

auto feld(int s, int t) {
    return [s, t](Umfeld& u) {
        u.ab.feldZiehen = 1;
        FeldAufFeldAblegen(u.ab, s, t);
    };
}
auto liste(int t, qint16 herkunft = 1) {
    return [t, herkunft](Umfeld& u) {
        u.ab.listenZiehen = herkunft;
        FahrzeugAufFeldAblegen(u.ab, &u.fz, t);
    };
}
auto kopieren(int ziel, int quelle) {
    return [ziel, quelle](Umfeld& u) { FeldKopieren(u.ab, ziel, quelle); };
}
auto entfernen(int s) {
    return [s](Umfeld& u) {
        u.ab.feldZiehen = 1;
        FeldEntfernen(u.ab, s);
    };
}
} // namespace

TEST(FeldAufFeld, InDenVierModi) {
    const Fall faelle[] = {
        {"Nach Rechts 10 auf 3", NachRechts, 1, feld(10, 3), "2:2 3:10 4:3 9:8 10:9 11:11"},
        {"Nach Rechts 3 auf 10", NachRechts, 1, feld(3, 10), "2:2 3:4 9:10 10:3 11:11"},
        {"Nach Unten 0 auf 1", NachUnten, 1, feld(0, 1), "0:4 4:8 44:48 48:1 1:0 5:5 2:2"},
        {"Nach Unten zurueck 1 auf 0", NachUnten, 1, feld(1, 0), "0:1 4:0 48:44 1:48 5:5"},
        {"Nach Rechts ueber die Fenstergrenze", NachRechts, 1, feld(60, 10),
         "10:60 11:10 51:50 52:51 60:59 61:61"},
        {"Nach Unten ueber die Fenstergrenze", NachUnten, 1, feld(52, 51), "51:52 52:51 47:47 56:56"},
        {"Tauschen", Tauschen, 1, feld(7, 300), "7:300 300:7 8:8"},
        {"Ueberschreiben", Ueberschreiben, 1, feld(7, 300), "7:7 300:7 299:299"},
        {"auf sich selbst, Nach Rechts", NachRechts, 1, feld(9, 9), "8:8 9:9 10:10", 0},
        {"auf sich selbst, Nach Unten", NachUnten, 1, feld(9, 9), "8:8 9:9 10:10", 0},
        {"auf sich selbst, Tauschen", Tauschen, 1, feld(9, 9), "9:9", 0},
        {"auf sich selbst, Ueberschreiben", Ueberschreiben, 1, feld(9, 9), "9:9", 0},
        {"Kopieren", Tauschen, 1, kopieren(5, 9), "5:9 9:9", 0},
        {"Kopieren aus einem Feld, das es nicht gibt", Tauschen, 1, kopieren(5, -1), "4:4 5:5 6:6", 0},
        {"Kopieren in ein Feld, das es nicht gibt", Tauschen, 1, kopieren(AnzahlFelder, 5), "5:5 415:415", 0},
        {"Aufruecken mit einer Stelle, die es nicht gibt", NachRechts, 1,
         [](Umfeld& u) {
             ZeilenweiseVerschieben(u.ab, 5, -1), ZeilenweiseVerschieben(u.ab, AnzahlFelder, 5);
             SpaltenweiseVerschieben(u.ab, -1, 5), SpaltenweiseVerschieben(u.ab, 5, AnzahlFelder);
         },
         "0:0 4:4 5:5 6:6 9:9 415:415", 0},
    };
    for (const Fall& f : faelle)
        pruefen(f);
}

TEST(FahrzeugAufFeld, AusDerListe) {
    const Fall faelle[] = {
        {"Nach Rechts, aktuelles Fenster", NachRechts, AktuellesFenster, liste(20),
         "19:19 20:F 21:20 51:50 52:52"},
        {"Nach Rechts, letztes Fenster", NachRechts, LetztesFenster, liste(20, 2),
         "20:F 21:20 52:51 415:414"},
        {"Nach Unten, aktuelles Fenster: die Spalte rueckt nach unten", NachUnten, AktuellesFenster,
         liste(20), "20:F 24:20 48:44 1:48 21:17 51:47 3:50 16:16 52:52"},
        {"letztes Feld des Fensters verschiebt nichts", NachRechts, AktuellesFenster, liste(51),
         "50:50 51:F 52:52"},
        {"Feld 415 mit letztem Fenster", NachUnten, LetztesFenster, liste(415), "414:414 415:F"},
        {"Tauschen ueberschreibt", Tauschen, AktuellesFenster, liste(20), "20:F 21:21"},
        {"Ueberschreiben", Ueberschreiben, LetztesFenster, liste(20), "20:F 21:21"},
    };
    for (const Fall& f : faelle)
        pruefen(f);
}

TEST(FeldEntfernen, AufDieFahrzeugliste) {
    const Fall faelle[] = {
        {"Tauschen, aktuelles Fenster: nur das Feld wird frei", Tauschen, AktuellesFenster, entfernen(60),
         "59:59 60:- 61:61 103:103"},
        {"Ueberschreiben, letztes Fenster", Ueberschreiben, LetztesFenster, entfernen(60), "60:- 415:415"},
        {"Nach Unten, letztes Fenster: alles rueckt auf, 415 wird frei", NachUnten, LetztesFenster,
         entfernen(60), "56:56 60:64 100:53 103:104 104:108 411:415 415:-"},
        {"Nach Rechts, aktuelles Fenster", NachRechts, AktuellesFenster, entfernen(60),
         "60:61 102:103 103:- 104:104"},
    };
    for (const Fall& f : faelle)
        pruefen(f);
}
