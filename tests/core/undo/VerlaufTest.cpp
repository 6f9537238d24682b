// Undo and redo of every kind of step, against the whole workspace: one row per kind of change,
// each applied (marking its documents unsaved and no other), undone and redone; a random run of
// them undone back to the start, which must save the very bytes the start saved; the unsaved
// flag against a save; what is no step.

#include "core/actions/AktionenBefehle.h"
#include "core/actions/AktionenGenerieren.h"
#include "core/actions/Aktionsliste.h"
#include "core/files/OrteDatei.h"
#include "core/overview/FeldBearbeiten.h"
#include "core/overview/FeldVerschieben.h"
#include "core/overview/Fenstertitel.h"
#include "core/overview/Fensterwahl.h"
#include "core/overview/StatusBefehle.h"
#include "core/overview/StatusUebersicht.h"
#include "core/places/OrtEingabe.h"
#include "core/places/OrteBefehle.h"
#include "core/places/OrteLadenSpeichern.h"
#include "core/undo/Rueckgaengig.h"
#include "core/vehicles/FahrzeugBearbeitung.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "core/vehicles/FahrzeugModelle.h"
#include "core/vehicles/FahrzeugSortierung.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "core/vehicles/FahrzeuglisteDatei.h"
#include "core/vehicles/StatusUmwandlung.h"
#include "core/vehicles/Zeitstempel.h"
#include "support/Saetze.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

// Bytes of the four files as saving would write them.
QByteArray gespeichert(const Arbeitsbereich& ab) {
    return statusDateiBilden(ab) + fahrzeuglisteKodieren(ab.fahrzeuge, kennungsListeBilden(ab)).bytes +
           orteSchreiben(ab.orte) + aktionenDateiInhalt(ab.aktionen);
}

// Six vehicles, three of them placed, a text field, two places, four actions; files to load
// and import beside them. Nothing unsaved, nothing to undo.
struct Umfeld : AktionenArbeitsbereich {
    FahrzeugModell modell{ab};

    Umfeld() {
        QDir::setCurrent(ordner.path());
        ab.bosName = nummerierteBosNamen();
        for (int i = 0; i < 6; ++i)
            ab.fahrzeuge.push_back(fahrzeug(QStringLiteral("6A00000%1").arg(i),
                                            QStringLiteral("RTW %1").arg(6 - i), QString::number(i % 3 + 1),
                                            QStringLiteral("12:0%1:00").arg(i)));
        // A name beyond Latin-1, with a trailing blank, as rows are packed by their characters.
        ab.fahrzeuge[2].rufname = QStringLiteral("RTW \u03a9 ");
        for (int i : {0, 2, 5})
            fahrzeugInFeld(ab, i * 2, ab.fahrzeuge[i]);
        ab.felder[7].text = QStringLiteral("Wache");
        ab.felder[7].feldtyp = FeldText;
        OrtUebernehmen(ab, {10, 1, 2, QStringLiteral("Musterstadt"), 0x41});
        OrtUebernehmen(ab, {11, 0, 3, QStringLiteral("Beispielort"), 0x02});
        ab.aktionen = {aktion("6A000000", "1", 0, "a"), aktion("6A000001", "2", 1, "b"),
                       aktion("6A000002", "3", 0, "c"), aktion("7B000000", "4", 0, "d")};
        FahrzeuglisteAktualisieren(ab);
        fensterTitelSpeichern(ab);
        // Imports that overwrite one row twice.
        datei("fz.bin",
              fahrzeugDatei({fahrzeug("6A000001", "NEF 1", "4", "08:00:00"),
                             fahrzeug("6A000002", "ELW", "2", "09:00:00"), fahrzeug("7B000009", "KTW"),
                             fahrzeug("6A000001", "NEF 2", "5", "08:00:00")}));
        datei("fahrzeug.bin", fahrzeugDatei({fahrzeug("6A000002", "ELW"), fahrzeug("7B000001", "MTW")}));
        datei("status.bin", statusDatei({statusSatz(1, "HLF", "6A000005"), statusSatz(2, "Text")}));
        datei("orte.bin", orteSatz('6', "A45", "Neustadt") + orteSatz('7', "A12", "Musterstadt"));
        datei("Aktion.BIN", aktionSatz("6A000001", '2', '1', "neu") + aktionSatz("7B000003", '9', '0', "x") +
                                aktionSatz("6A000001", '2', '1', "neuer"));
        ab.verlauf.leeren();
        ab.alleFreigeben();
    }
    // Row i of the vehicle list, none when the list is shorter.
    const Fahrzeug* zeile(size_t i) const { return i < ab.fahrzeuge.size() ? &ab.fahrzeuge[i] : nullptr; }
    void ja() { rueckfrage.antworten.push_back(Antwort::Ja); }
    void waehlen(const QString& datei) { rueckfrage.dateien.push_back(pfad(datei)); }
    void modus(qint16 einfuegen, qint16 liste = AktuellesFenster) {
        ab.einfuegemodus = einfuegen;
        ab.listenmodus = liste;
    }
};

FahrzeugEingabe eingabe(const char* ziffern, const char* name) {
    FahrzeugEingabe e;
    for (int i = 0; i < 8; ++i)
        e.kennung[i] = QString(QLatin1Char(ziffern[i]));
    e.status = "7";
    e.rufname = name;
    e.zeit = "10:00:00";
    return e;
}

void sortiertNachSpalte(Umfeld& u, int spalte) {
    u.ab.sortierung = Sortierung{true, spalte, false};
    sortiertHalten(u.ab);
    FahrzeuglisteAktualisieren(u.ab);
}

constexpr quint16 Fz = DokFahrzeugliste, St = DokStatusuebersicht, Or = DokOrtskennungen, Ak = DokAktionen;

struct Zeile {
    const char* name;
    std::function<void(Umfeld&)> aenderung;
    quint16 markiert;    // the unsaved flags after the change: it marks its documents and no other
    quint16 geladen = 0; // documents the change loads: their saved state moves with it
    std::function<void(Umfeld&)> vorbereiten = {};
};

const Zeile Tabelle[] = {
    {"Fahrzeug abgelegt, Nach Rechts: der ganze Rest des Fensters kommt zurueck",
     [](Umfeld& u) { u.modus(NachRechts), FahrzeugAufFeldAblegen(u.ab, u.zeile(3), 1); }, St},
    {"Fahrzeug abgelegt, Nach Unten bis Feld 415",
     [](Umfeld& u) { u.modus(NachUnten, LetztesFenster), FahrzeugAufFeldAblegen(u.ab, u.zeile(4), 3); }, St},
    {"Feld auf Feld getauscht", [](Umfeld& u) { u.modus(Tauschen), FeldAufFeldAblegen(u.ab, 0, 7); }, St},
    {"Feld auf Feld kopiert: das Ziel bekommt Art, Farbe und Sichtbarkeit zurueck",
     [](Umfeld& u) { u.modus(Ueberschreiben), FeldAufFeldAblegen(u.ab, 7, 4); }, St},
    {"Feld verschoben, Nach Rechts", [](Umfeld& u) { u.modus(NachRechts), FeldAufFeldAblegen(u.ab, 10, 2); },
     St},
    {"Feld aus der Uebersicht entfernt",
     [](Umfeld& u) {
         u.modus(NachUnten), u.ab.feldZiehen = 1, u.ab.listenZiehen = 0, FeldEntfernen(u.ab, 4);
     },
     St},
    {"Fenster verschoben: Felder und Titel", [](Umfeld& u) { FensterVerschieben(u.ab, 1, 3); }, St},
    {"Feldeditor uebernommen",
     [](Umfeld& u) { FeldEditUebernehmen(u.ab, FeldBearbeiten(u.ab, 2), FeldText, -1, "Neuer Text"); }, St},
    {"Titel geaendert: auch im Speicher zurueck",
     [](Umfeld& u) {
         auto titel = u.ab.fensterTitel;
         titel[0] = "Wache Nord";
         TitelSpeichern(u.ab, titel);
     },
     0},
    {"Fahrzeugeditor aendert Zeile und Feld",
     [](Umfeld& u) { FahrzeugUebernehmen(u.ab, eingabe("6A000002", "RTW 9"), u.fortschritt); }, Fz | St},
    {"Fahrzeugeditor legt an, in die sortierte Liste",
     [](Umfeld& u) { FahrzeugUebernehmen(u.ab, eingabe("6A000009", "AAA"), u.fortschritt); }, Fz | St, 0,
     [](Umfeld& u) { sortiertNachSpalte(u, 0); }},
    {"Fahrzeug geloescht, sein Feld frei", [](Umfeld& u) { FahrzeugLoeschen(u.ab, 2, u.fortschritt); },
     Fz | St},
    {"Fahrzeug ohne Feld geloescht", [](Umfeld& u) { FahrzeugLoeschen(u.ab, 1, u.fortschritt); }, Fz},
    {"Nicht aufgenommenes Fahrzeug geloescht", [](Umfeld& u) { NichtAufgenommenLoeschen(u.ab, 4); }, Fz},
    {"Fahrzeuge importiert, Ja: ueberschrieben, angehaengt und einsortiert",
     [](Umfeld& u) { u.ja(), FahrzeuglisteImportieren(u.ab, u.rueckfrage, u.pfad("fz.bin")); }, Fz | St, 0,
     [](Umfeld& u) { sortiertNachSpalte(u, 2); }},
    // The conversion rewrites the statuses of the list too.
    {"Status umgewandelt, Liste und Felder",
     [](Umfeld& u) {
         Statuszuordnung z = gleicheZuordnung();
         z[1] = "2", z[2] = "3";
         StatusWerteUmwandeln(u.ab, z, u.fortschritt);
     },
     Fz | St},
    {"Zeiten gesetzt", [](Umfeld& u) { ZeitenSetzen(u.ab, "11:11:11", u.fortschritt); }, Fz},
    // A new order alone counts as no change of the list, as in the host.
    {"Nach Spalte sortiert: Reihenfolge und Sortierschalter", [](Umfeld& u) { u.modell.spalteGeklickt(0); },
     0},
    {"Ortskennung uebernommen",
     [](Umfeld& u) {
         OrtUebernehmen(u.ab, {10, 1, 2, "Musterstadt", 0x0F});
     },
     Or},
    {"Ortskennungen importiert", [](Umfeld& u) { OrteImportieren(u.ab, u.pfad("orte.bin")); }, Or},
    // Deleting marks the actions too, so that neither the quit question nor save-all forgets it.
    {"Aktionen geloescht, nicht zusammenhaengend",
     [](Umfeld& u) {
         AktionenEntfernen(u.ab, {true, false, true, true});
     },
     Ak},
    {"Alle Aktionen geloescht", [](Umfeld& u) { AlleAktionenLoeschen(u.ab); }, Ak},
    {"Aktionen importiert, Ja",
     [](Umfeld& u) { u.ja(), AktionenImportieren(u.ab, u.pfad("Aktion.BIN"), u.rueckfrage, u.fortschritt); },
     Ak},
    {"Aktionen generiert",
     [](Umfeld& u) {
         GenerierAuswahl a;
         a.stati[5] = a.richtung[1] = true;
         a.vorlage = "x *";
         AktionenGenerieren(u.ab, a);
     },
     Ak},
    {"Fahrzeugliste geladen", [](Umfeld& u) { u.waehlen("fz.bin"), MenueLadenFzg(u.ab, u.rueckfrage); }, 0,
     Fz},
    {"Fahrzeugliste neu geladen", [](Umfeld& u) { MenueUndoFahrzeug(u.ab, u.rueckfrage); }, 0, Fz},
    {"Statusuebersicht geladen",
     [](Umfeld& u) { u.waehlen("status.bin"), statusLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, 0},
    {"Statusuebersicht neu geladen",
     [](Umfeld& u) { statusNeuLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, 0},
    {"Ortskennungen geladen", [](Umfeld& u) { u.waehlen("orte.bin"), OrteLadenBefehl(u.ab, u.rueckfrage); },
     0, Or},
    {"Ortskennungen neu geladen", [](Umfeld& u) { OrteUndoBefehl(u.ab, u.rueckfrage); }, 0},
    {"Aktionen geladen",
     [](Umfeld& u) { u.waehlen("Aktion.BIN"), AktionenLadenBefehl(u.ab, u.rueckfrage, u.fortschritt); }, 0,
     Ak},
};

TEST(Verlauf, JedeArtVonSchrittZurueckUndWieder) {
    for (const Zeile& zeile : Tabelle) {
        SCOPED_TRACE(zeile.name);
        Umfeld u;
        if (zeile.vorbereiten)
            zeile.vorbereiten(u);
        Zustand vorher = zustand(u.ab);
        zeile.aenderung(u);
        const Zustand nachher = zustand(u.ab);
        ASSERT_NE(vorher.unterschied(nachher), std::string()) << "the change changed nothing";
        ASSERT_EQ(u.ab.verlauf.anzahl(), 1) << "one change, one step";
        EXPECT_EQ(nachher.ungespeichert, zeile.markiert);
        // Back before a load the document is no longer as last loaded.
        vorher.ungespeichert |= zeile.geladen;
        for (int mal = 0; mal < 2; ++mal) {
            ASSERT_TRUE(Rueckgaengig(u.ab));
            EXPECT_EQ(zustand(u.ab).unterschied(vorher), std::string());
            ASSERT_TRUE(Wiederholen(u.ab));
            EXPECT_EQ(zustand(u.ab).unterschied(nachher), std::string());
        }
    }
}

TEST(Verlauf, ZufaelligeFolgeZurueckGibtDieAnfangsbytes) {
    Umfeld u;
    const QByteArray anfang = gespeichert(u.ab);
    QRandomGenerator zufall(20);
    for (int k = 0; k < 80; ++k) {
        Tabelle[zufall.bounded(int(std::size(Tabelle)))].aenderung(u);
        // Now and then a step back, so that later steps drop what was undone.
        if (zufall.bounded(4) == 0)
            Rueckgaengig(u.ab);
    }
    const QByteArray ende = gespeichert(u.ab);
    const int schritte = u.ab.verlauf.anzahl();
    while (Rueckgaengig(u.ab))
        ;
    EXPECT_EQ(gespeichert(u.ab), anfang);
    EXPECT_EQ(u.ab.verlauf.anzahl(), schritte);
    while (Wiederholen(u.ab))
        ;
    EXPECT_EQ(gespeichert(u.ab), ende);
}

} // namespace

// A save moves the saved state; a step done after undoing past it leaves no way back to it.
TEST(Verlauf, FlagFolgtDemGespeichertenStand) {
    Umfeld u;
    u.modus(Tauschen);
    FeldAufFeldAblegen(u.ab, 0, 7);
    ASSERT_TRUE(StatusSpeichern(u.ab, u.pfad("Status.BIN"), u.fortschritt));
    const std::pair<std::function<bool()>, quint16> folge[] = {
        {[&] { return Rueckgaengig(u.ab); }, DokStatusuebersicht},
        {[&] { return Wiederholen(u.ab); }, 0},
        {[&] { return Rueckgaengig(u.ab); }, DokStatusuebersicht},
        {[&] { return FeldAufFeldAblegen(u.ab, 0, 5), true; }, DokStatusuebersicht},
        {[&] { return Rueckgaengig(u.ab); }, DokStatusuebersicht},
    };
    for (size_t k = 0; k < std::size(folge); ++k) {
        ASSERT_TRUE(folge[k].first());
        EXPECT_EQ(u.ab.ungespeichert, folge[k].second) << "move " << k;
    }
}

// Settings are not taken back: a field brought back shows its status in today's colour. A change
// that changes nothing leaves no step.
TEST(Verlauf, FarbenBleibenUndOhneAenderungKeinSchritt) {
    Umfeld u;
    u.modus(Tauschen);
    FeldAufFeldAblegen(u.ab, 0, 1);
    StatusfarbeAendern(u.ab, 1, 0x123456);
    ASSERT_TRUE(Rueckgaengig(u.ab));
    EXPECT_EQ(u.ab.statusfarbe[1], 0x123456u);
    EXPECT_EQ(u.ab.felder[0].statusFarbe, 0x123456u);

    u.ab.fahrzeuge[2].rufname = "RTW 4"; // a name the file can hold
    u.ab.verlauf.leeren();
    u.ab.sortierung = Sortierung{true, 1, false}; // the list is in identifier order already
    ASSERT_TRUE(FahrzeuglisteSpeichern(u.ab, u.pfad("gleich.bin"), u.fortschritt));
    ASSERT_TRUE(FahrzeuglisteLaden(u.ab, u.rueckfrage, u.pfad("gleich.bin")));
    FensterVerschieben(u.ab, 2, 2);
    FeldAufFeldAblegen(u.ab, 3, 3);
    AktionenEntfernen(u.ab, {false, false});
    EXPECT_EQ(u.ab.verlauf.anzahl(), 0) << u.ab.verlauf.rueckgaengigName().toStdString();
    EXPECT_EQ(u.ab.ungespeichert, 0);
}
