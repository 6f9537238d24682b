#include "core/overview/Fensterwahl.h"

#include "core/overview/FeldInhalt.h"
#include "support/TestArbeitsbereich.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tabulo;
using namespace tabulo::test;

namespace {
struct Umfeld : TestArbeitsbereich {
    // Every field names its window and place; the titles name the window.
    Umfeld() : TestArbeitsbereich(Felder::Entwurf) {
        for (int i = 0; i < AnzahlFelder; ++i)
            feldMitText(ab.felder[i], QStringLiteral("%1/%2").arg(fensterVon(i)).arg(i % 52));
        for (int w = 1; w <= 8; ++w)
            ab.fensterTitel[w - 1] = QStringLiteral("W%1").arg(w);
    }
    // The window order as the titles and the fields show it, e.g. "12734568".
    QString reihenfolge() const {
        QString titel, felder;
        for (int w = 1; w <= 8; ++w) {
            titel += ab.fensterTitel[w - 1].mid(1);
            const QString erster = ab.felder[erstesFeld(w)].text.section('/', 0, 0);
            for (int k = 0; k < 52; ++k)
                if (ab.felder[erstesFeld(w) + k].text != erster + "/" + QString::number(k))
                    return "Feld " + QString::number(erstesFeld(w) + k) + " falsch";
            felder += erster;
        }
        return titel == felder ? titel : titel + " gegen " + felder;
    }
};
} // namespace

TEST(FensterVerschieben, Reihenfolgen) {
    const struct {
        int a, b;
        const char* ergebnis;
    } faelle[] = {
        {7, 3, "12734568"}, {2, 5, "13452678"}, {1, 8, "23456781"}, {8, 1, "81234567"},
        {4, 4, "12345678"}, {0, 3, "12345678"}, {3, 9, "12345678"}, {-1, 2, "12345678"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.a << " -> " << f.b);
        Umfeld u;
        const bool bewegt = f.ergebnis != QStringLiteral("12345678");
        EXPECT_EQ(FensterVerschieben(u.ab, f.a, f.b), bewegt);
        EXPECT_EQ(u.reihenfolge(), f.ergebnis);
        EXPECT_EQ(u.ab.istUngespeichert(DokStatusuebersicht), bewegt);
    }
    // A moved vehicle field takes the colour of its status again; a record of a foreign kind
    // moves with its bytes.
    Umfeld u;
    feldMitFahrzeug(u.ab, u.ab.felder[52 * 6 + 5], "RTW", "6A000001", "3", "10:00:00", "");
    u.ab.felder[52 * 6 + 5].statusFarbe = 0x123456;
    u.ab.felder[52 * 6 + 6].feldtyp = 9;
    u.ab.felder[52 * 6 + 6].fremdSatz = QByteArray(38, 'q');
    FensterVerschieben(u.ab, 7, 3);
    EXPECT_EQ(u.ab.felder[52 * 2 + 5].statusFarbe, u.ab.statusfarbe[3]);
    EXPECT_EQ(u.ab.felder[52 * 2 + 6].fremdSatz, QByteArray(38, 'q'));
    EXPECT_EQ(u.ab.kennungsListe.count("6A000001"), 1);
}

TEST(TabAnPosition, Treffer) {
    // Three tabs in a row, the third overlapping the second by 5.
    const std::vector<QRectF> tabs = {{0, 2, 50, 20}, {50, 2, 50, 20}, {95, 0, 50, 22}};
    const struct {
        double x, y;
        int tab;
    } faelle[] = {
        {0, 10, 1},    {50, 10, 2},   // a shared edge belongs to the right tab
        {25, 22, 1},   {25, 22.5, 0}, // bottom edge inclusive, below is outside
        {25, -100, 1},                // no upper bound
        {97, 10, 3},   {145, 22, 3},  {145.1, 10, 0}, {-0.1, 10, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TabAnPosition(tabs, f.x, f.y), f.tab) << f.x << "," << f.y;
    EXPECT_EQ(TabAnPosition({}, 1, 1), 0);
}

TEST(Fensterwahl, TabZiehenVerschiebtBeimAblegen) {
    const struct {
        const char* name;
        int gedrueckt;
        std::vector<int> weg; // the tabs the pointer passes over, the last one is the drop
        const char* reihenfolge;
        int aktuell;
    } faelle[] = {
        {"gleich nach dem Start das gezeigte Fenster", 1, {2, 3}, "23145678", 3},
        {"7 auf 3", 7, {6, 5, 4, 3}, "12734568", 3},
        {"auf sich selbst", 4, {5, 4}, "12345678", 4},
        {"neben allen Tabs gedrueckt", 0, {5}, "12345678", 5},
        {"neben allen Tabs gedrueckt, ueber andere Tabs gezogen", 0, {8, 7, 6, 5}, "12345678", 5},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Umfeld u;
        Fensterwahl w;
        u.ab.feldZiehen = 1;
        u.ab.listenZiehen = 2;
        if (f.gedrueckt > 0)
            w.tabGewaehlt(f.gedrueckt); // the strip selects the pressed tab
        w.tabGedrueckt(u.ab, f.gedrueckt);
        EXPECT_EQ(u.ab.tabZiehen, 1);
        EXPECT_EQ(u.ab.feldZiehen, 0);
        EXPECT_EQ(u.ab.listenZiehen, 0);
        for (const int tab : f.weg) {
            EXPECT_EQ(w.ziehenUeber(u.ab, tab), tab);
            w.tabGewaehlt(tab);
        }
        w.abgelegt(u.ab, f.weg.back());
        EXPECT_EQ(u.reihenfolge(), f.reihenfolge);
        EXPECT_EQ(w.aktuellesFenster(), f.aktuell);
        EXPECT_EQ(u.ab.istUngespeichert(DokStatusuebersicht), f.reihenfolge != QStringLiteral("12345678"));
        EXPECT_EQ(u.ab.tabZiehen, 0) << "a finished tab drag must not turn a later field drop into a move";
    }
    // A drop with no tab drag running moves nothing.
    Umfeld u;
    Fensterwahl w;
    w.tabGewaehlt(2);
    u.ab.feldZiehen = 1;
    EXPECT_FALSE(w.abgelegt(u.ab, 5));
    EXPECT_EQ(u.reihenfolge(), "12345678");
}

// Dragged over the strip, a field or a tab selects the tab under the pointer, a vehicle from
// the full list too, one from the second list not; selecting the shown tab changes nothing.
TEST(Fensterwahl, ZiehenUeberDemStreifenWaehltNachHerkunft) {
    const struct {
        qint16 feld, tab, liste;
        int gewaehlt;
    } faelle[] = {
        {1, 0, 0, 6}, {0, 1, 0, 6}, {0, 0, 1, 6}, {0, 0, 2, 0}, {1, 0, 2, 6}, {0, 0, 0, 0},
    };
    for (const auto& f : faelle) {
        TestArbeitsbereich t;
        t.ab.feldZiehen = f.feld;
        t.ab.tabZiehen = f.tab;
        t.ab.listenZiehen = f.liste;
        EXPECT_EQ(Fensterwahl().ziehenUeber(t.ab, 6), f.gewaehlt) << f.feld << f.tab << f.liste;
    }
    Fensterwahl w;
    EXPECT_FALSE(w.tabGewaehlt(1));
    EXPECT_TRUE(w.tabGewaehlt(4));
    EXPECT_EQ(w.aktuellesFenster(), 4);
    EXPECT_FALSE(w.tabGewaehlt(0));
    EXPECT_EQ(w.aktuellesFenster(), 4);
}
