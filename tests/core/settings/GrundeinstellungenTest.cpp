#include "core/settings/Grundeinstellungen.h"

#include "core/files/EinstellungsSpeicher.h"

#include <gtest/gtest.h>

using namespace tabulo;

namespace {
QString gespeichert(const SpeicherImSpeicher& s, const QString& sekt, const QString& schluessel) {
    return s.lesen(anwendung::Velastat, sekt, schluessel, QStringLiteral("<keiner>"));
}
} // namespace

TEST(Telegrammvorlauf, KorrekturInFesterReihenfolge) {
    const struct {
        const char* min;
        const char* max;
        const char* gespeichertMin;
        const char* gespeichertMax;
        bool auf50;
    } faelle[] = {
        {"20", "10", "18", "20", false},  // minimum gives way to the maximum first
        {"1", "2", "6", "12", false},     // then both lower limits
        {"60", "99", "100", "198", true}, // minimum capped and shown as 50
        {"5", "1", "6", "12", false},     // mn = 0 -> 3, mx follows mn, then 6
        {"7", "19", "14", "38", false},
        {"", "", "6", "12", false},
        {"x", "-5", "6", "12", false},
        {"50", "50", "98", "100", false},
        {"3", "150", "6", "200", false},
        {"4.5", "9.5", "8", "20", false}, // halves go to the even neighbour
        {"5.5", "7", "12", "14", false},
        {"9.4", "9", "16", "18", false},   // mn = 8 after giving way, mx 9
        {"50", "99", "100", "198", false}, // exactly 50 is no correction
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.min) + " / " + f.max);
        const VorlaufKorrektur k = vorlaufKorrigieren(QString::fromLatin1(f.min), QString::fromLatin1(f.max));
        SpeicherImSpeicher s;
        vorlaufSpeichern(s, k.vorlauf);
        EXPECT_EQ(gespeichert(s, sektion::Einstellungen, "TgVorlaufMin"), f.gespeichertMin);
        EXPECT_EQ(gespeichert(s, sektion::Einstellungen, "TgVorlaufMax"), f.gespeichertMax);
        EXPECT_EQ(k.minimumAuf50, f.auf50);
    }
}

TEST(Telegrammvorlauf, LesenHalbiertZurNullHin) {
    const struct {
        const char* min; // nullptr: not stored
        const char* max;
        Telegrammvorlauf erwartet;
    } faelle[] = {
        {nullptr, nullptr, {7, 19}}, {"15", "39", {7, 19}}, {"18", "20", {9, 10}},
        {"-3", "3", {-1, 1}},        {"abc", "", {7, 19}},  {" 12 ", "99999", {6, 19}},
    };
    for (const auto& f : faelle) {
        SpeicherImSpeicher s;
        if (f.min)
            s.speichern(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMin", f.min);
        if (f.max)
            s.speichern(anwendung::Velastat, sektion::Einstellungen, "TgVorlaufMax", f.max);
        EXPECT_EQ(vorlaufLesen(s), f.erwartet) << (f.min ? f.min : "-");
    }
}

TEST(Runden, HalbeZurGeradenNachbarzahl) {
    const std::pair<double, double> faelle[] = {{0.5, 0},   {1.5, 2}, {2.5, 2}, {3.5, 4},   {-0.5, 0},
                                                {-1.5, -2}, {2.4, 2}, {2.6, 3}, {-2.6, -3}, {7, 7}};
    for (const auto& [wert, erwartet] : faelle)
        EXPECT_EQ(rundenGerade(wert), erwartet) << wert;
}

TEST(Spaltenbreite, GrenzenUndGespeicherterText) {
    const struct {
        const char* eingabe;
        const char* angezeigt;
        const char* gespeichert;
    } faelle[] = {
        {"3500", "3000", "3000"},    {"100", "500", "500"},
        {" 1200", " 1200", "1200"},  {"3000", "3000", "3000"},
        {"500", "500", "500"},       {"499", "500", "500"},
        {"", "500", "500"},          {"abc", "500", "500"},
        {"2360x", "2360x", "2360x"}, {"3000.5", "3000", "3000"},
        {" 500", " 500", "500"},     {" 3000", " 3000", "3000"}, // the limits themselves stay as typed
    };
    for (const auto& f : faelle) {
        const QString angezeigt = spaltenbreiteKorrigieren(QString::fromLatin1(f.eingabe));
        EXPECT_EQ(angezeigt, f.angezeigt) << f.eingabe;
        SpeicherImSpeicher s;
        spaltenbreiteSpeichern(s, angezeigt);
        EXPECT_EQ(gespeichert(s, sektion::Ton5, "Spaltenbreite"), f.gespeichert) << f.eingabe;
    }
}

// Deleting gives the defaults at the next read and leaves the other settings alone.
TEST(Grundeinstellungen, LoeschenGibtDieVorgaben) {
    SpeicherImSpeicher s;
    EXPECT_EQ(spaltenbreiteLesen(s), "758");
    vorlaufSpeichern(s, {9, 10});
    spaltenbreiteSpeichern(s, "2360");
    s.speichern(anwendung::Velastat, sektion::Einstellungen, "AktionErlaubt", "1");
    EXPECT_EQ(spaltenbreiteLesen(s), "2360");
    vorlaufLoeschen(s);
    spaltenbreiteLoeschen(s);
    EXPECT_EQ(vorlaufLesen(s), (Telegrammvorlauf{7, 19}));
    EXPECT_EQ(spaltenbreiteLesen(s), "758");
    EXPECT_EQ(gespeichert(s, sektion::Einstellungen, "AktionErlaubt"), "1");
}
