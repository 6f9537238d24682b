#include "core/vehicles/FahrzeugSortierung.h"

#include "core/common/Arbeitsbereich.h"
#include "support/Saetze.h"

#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

TEST(FahrzeugSortierung, SpaltenKlicks) {
    struct Fall {
        const char* name;
        QList<int> klicks;
        Sortierung erwartet;
    };
    const Fall faelle[] = {
        {"erster Klick aufsteigend, auch auf Spalte 0", {0}, {true, 0, false}},
        {"zweiter Klick absteigend", {1, 1}, {true, 1, true}},
        {"dritter Klick wieder aufsteigend", {1, 1, 1}, {true, 1, false}},
        {"andere Spalte behaelt die Richtung", {1, 1, 0}, {true, 0, true}},
        {"neue Spalte zweimal kehrt um", {1, 1, 0, 0}, {true, 0, false}},
    };
    for (const Fall& f : faelle) {
        Sortierung s;
        for (int k : f.klicks)
            s = nachSpaltenKlick(s, k);
        EXPECT_EQ(s.aktiv, f.erwartet.aktiv) << f.name;
        EXPECT_EQ(s.spalte, f.erwartet.spalte) << f.name;
        EXPECT_EQ(s.absteigend, f.erwartet.absteigend) << f.name;
    }
}

TEST(FahrzeugSortierung, TextvergleichUndStabilitaet) {
    const std::vector<Fahrzeug> liste = {fahrzeug("1", "b"), fahrzeug("2", "A"), fahrzeug("3", "10"),
                                         fahrzeug("4", "B"), fahrzeug("5", "9"), fahrzeug("6", "a")};
    // Text, not numbers ("10" before "9"); case does not count; equal texts keep their order.
    EXPECT_EQ(sortierFolge(liste, Sortierung{true, 0, false}), (std::vector<int>{2, 4, 1, 5, 0, 3}));
    EXPECT_EQ(sortierFolge(liste, Sortierung{true, 0, true}), (std::vector<int>{0, 3, 1, 5, 4, 2}));
    EXPECT_EQ(sortierFolge(liste, {1, 3}, Sortierung{true, 1, true}), (std::vector<int>{3, 1}));
}
