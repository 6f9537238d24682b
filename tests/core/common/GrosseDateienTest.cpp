// Files far larger than any fleet: they load as a whole, report their progress to the end, and
// save back byte for byte.
#include "core/actions/Aktionsliste.h"
#include "core/common/StartLesen.h"
#include "core/files/AktionDatei.h"
#include "core/files/DateiLesen.h"
#include "core/files/FahrzeugDatei.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "support/Fahrzeuge.h"
#include "support/TestArbeitsbereich.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

constexpr int VieleFahrzeuge = 100000;
constexpr int VieleAktionen = 200000;

// Record k of a large vehicle file: its own identifier and call name, every byte a reader
// keeps set (status and Folgetelegramm digits vary), nothing placed in the overview.
QByteArray vieleFahrzeuge() {
    Fahrzeug vorlage = fahrzeug("00000000", "RTW");
    vorlage.bemerkung = QStringLiteral("Bemerkung \u00e4\u20ac");
    vorlage.datentelegramm = QStringLiteral("DT");
    fahrzeugAuffuellen(vorlage);
    const QByteArray satz = fahrzeugSatzSchreiben(vorlage, false);
    QByteArray daten(qsizetype(VieleFahrzeuge) * FahrzeugSatzLaenge, Qt::Uninitialized);
    char* p = daten.data();
    for (int k = 0; k < VieleFahrzeuge; ++k, p += FahrzeugSatzLaenge) {
        std::memcpy(p, satz.constData(), FahrzeugSatzLaenge);
        const QByteArray kennung = QByteArray::number(k, 16).toUpper().rightJustified(8, '0');
        std::memcpy(p, kennung.constData(), 8);
        const QByteArray rufname = "F " + QByteArray::number(k);
        std::memcpy(p + 8, rufname.constData(), rufname.size());
        p[38] = static_cast<char>(k % 10);
        p[48] = static_cast<char>(k % 2);
        p[49] = static_cast<char>(k % 7);
    }
    return daten;
}

// Record k of a large action file: its own identifier, every status and both directions,
// a command line without leading blanks (the load removes those).
QByteArray vieleAktionen() {
    const QByteArray satz = aktionSatzSchreiben("00000000", "0", 0, "C:\\Programme\\Alarm\\alarm.exe /f");
    QByteArray daten(qsizetype(VieleAktionen) * AktionSatzLaenge, Qt::Uninitialized);
    char* p = daten.data();
    for (int k = 0; k < VieleAktionen; ++k, p += AktionSatzLaenge) {
        std::memcpy(p, satz.constData(), AktionSatzLaenge);
        const QByteArray kennung = QByteArray::number(k / 20, 16).toUpper().rightJustified(8, '0');
        std::memcpy(p, kennung.constData(), 8);
        p[8] = static_cast<char>('0' + k % 10);
        p[9] = (k / 10) % 2 ? '1' : '0';
        const QByteArray nr = QByteArray::number(k);
        std::memcpy(p + 10 + 31, nr.constData(), nr.size()); // right after the command
    }
    return daten;
}

} // namespace

TEST(GrosseDateien, ZweihunderttausendAktionenLadenUndSpeichernByteGenau) {
    TestArbeitsbereich t;
    const QByteArray datei = vieleAktionen();
    t.ab.fahrzeuge = {fahrzeug("00000007", "RTW 7")};
    ASSERT_EQ(AktionenLaden(t.ab, t.datei("Aktion.BIN", datei), t.rueckfrage, t.fortschritt),
              LadeErgebnis::Geladen);
    EXPECT_TRUE(t.rueckfrage.fragen.isEmpty());
    ASSERT_EQ(t.ab.aktionen.size(), std::size_t(VieleAktionen));
    EXPECT_EQ(t.ab.aktionen[140].rufname, "RTW 7");
    EXPECT_EQ(t.ab.aktionen[VieleAktionen - 1].aktion, "C:\\Programme\\Alarm\\alarm.exe /f199999");
    EXPECT_EQ(t.fortschritt.gezeigt, 1);
    EXPECT_EQ(t.fortschritt.verborgen, 1);
    ASSERT_FALSE(t.fortschritt.bereiche.isEmpty());
    EXPECT_DOUBLE_EQ(t.fortschritt.bereiche.back().bis, double(VieleAktionen + 1) / VieleAktionen);

    ASSERT_TRUE(aktionenSchreiben(t.ab, t.pfad("zurueck.BIN")).ok);
    EXPECT_TRUE(dateiInhalt(t.pfad("zurueck.BIN")) == datei);
}

TEST(GrosseDateien, HunderttausendFahrzeugeLadenUndSpeichernByteGenau) {
    TestArbeitsbereich t;
    const QByteArray datei = vieleFahrzeuge();
    const QString pfad = t.datei("Fahrzeug.BIN", datei);
    ASSERT_TRUE(FahrzeuglisteLaden(t.ab, t.rueckfrage, pfad));
    EXPECT_TRUE(t.rueckfrage.fragen.isEmpty());
    ASSERT_EQ(t.ab.fahrzeuge.size(), std::size_t(VieleFahrzeuge));
    EXPECT_EQ(t.ab.fahrzeuge[VieleFahrzeuge - 1].kennung, "0001869F");
    EXPECT_EQ(t.ab.nichtAufgenommen.size(), std::size_t(VieleFahrzeuge));

    // Start-up reads the file in blocks; it must see the very same list.
    TestArbeitsbereich start;
    EXPECT_EQ(fahrzeugeBeimStartLesen(start.ab, pfad, start.fortschritt), VieleFahrzeuge);
    EXPECT_TRUE(start.ab.fahrzeuge == t.ab.fahrzeuge);
    ASSERT_FALSE(start.fortschritt.bereiche.isEmpty());
    EXPECT_DOUBLE_EQ(start.fortschritt.bereiche.back().bis, 1.0);

    ASSERT_TRUE(FahrzeuglisteSpeichern(t.ab, t.pfad("zurueck.BIN"), t.fortschritt).ok);
    EXPECT_TRUE(dateiInhalt(t.pfad("zurueck.BIN")) == datei);
    EXPECT_EQ(t.fortschritt.gezeigt, 1);
    EXPECT_EQ(t.fortschritt.verborgen, 1);
    ASSERT_FALSE(t.fortschritt.bereiche.isEmpty());
    EXPECT_DOUBLE_EQ(t.fortschritt.bereiche.back().bis, 1.0);
}
