#include "core/overview/Fenstertitel.h"

#include "core/common/Arbeitsbereich.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tabulo;

TEST(Fenstertitel, SpeichernNimmtNurDieEndLeerzeichen) {
    SpeicherImSpeicher speicher;
    DateiSchreiber schreiber;
    Arbeitsbereich ab(speicher, schreiber);
    QSignalSpy titel(&ab, &Arbeitsbereich::titelVeraendert);
    const std::array<QString, AnzahlFenster> eingabe = {"Wache Nord   ", "  Mitte", "",         "   ",
                                                        "Tab\t ",        "A  B ",   "Fenster7", "x"};
    const std::array<QString, AnzahlFenster> erwartet = {"Wache Nord", "  Mitte", "",         "",
                                                         "Tab\t",      "A  B",    "Fenster7", "x"};
    TitelSpeichern(ab, eingabe);
    EXPECT_EQ(ab.fensterTitel, erwartet);
    for (int w = 1; w <= AnzahlFenster; ++w)
        EXPECT_EQ(speicher.lesen(anwendung::Velastat, sektion::Fahrzeuguebersicht, QString::number(w), "-"),
                  erwartet[w - 1])
            << w;
    EXPECT_EQ(titel.count(), 1);
}
