#include "core/check/Pruefung.h"

#include "core/check/BefundModell.h"
#include "core/common/Text.h"
#include "core/files/EinstellungsSpeicher.h"
#include "core/files/StatusDatei.h"
#include "support/Saetze.h"
#include "support/Umgebung.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tabulo;
using namespace tabulo::test;

namespace {

const QString A = QStringLiteral("6A121101");
const QString B = QStringLiteral("6A121102");

Aktion aktion(const QString& kennung, const QString& befehl = QStringLiteral("alarm.exe"),
              const QString& status = QStringLiteral("3"), int richtung = 0) {
    Aktion a;
    a.kennung = kennung;
    a.status = status;
    a.richtungNr = richtung;
    a.aktion = befehl;
    return a;
}

Pruefgut::Ort ort(int nummer, const QString& bos, const QString& loo, const QString& name) {
    const int d = bos.isEmpty() ? -1 : hexZiffer(bos[0]);
    return {nummer, bos, d < 0 ? 0u : 1u << d, loo, name};
}

// The smallest tables: only what a row gives is there, so nothing else can be found.
Pruefgut gut(std::vector<Fahrzeug> fahrzeuge, std::vector<Pruefgut::FeldAngabe> felder = {},
             std::vector<Pruefgut::Ort> orte = {}, std::vector<Aktion> aktionen = {}) {
    Pruefgut g;
    g.bosName.fill(QStringLiteral("Undefiniert"));
    g.landName.fill(QStringLiteral("Undefiniert"));
    g.bosName[6] = QStringLiteral("Feuerwehr");
    g.landName[10] = QStringLiteral("Bayern");
    g.fahrzeuge = std::move(fahrzeuge);
    if (!felder.empty())
        g.felder = std::move(felder);
    if (!orte.empty())
        g.orte = std::move(orte);
    if (!aktionen.empty())
        g.aktionen = std::move(aktionen);
    return g;
}

// A folder holding one file, read as the command-line check reads it.
Pruefgut ausOrdner(const char* name, const QByteArray& daten) {
    static QTemporaryDir ordner;
    QDir(ordner.path()).removeRecursively();
    dateiAnlegen(ordner.filePath(QString::fromLatin1(name)), daten);
    SpeicherImSpeicher speicher;
    return pruefgutAusOrdner(ordner.path(), speicher);
}

// 416 free records, record 4 a text with something behind it.
QByteArray statusMitRestHinterText() {
    QByteArray daten;
    Feld frei;
    frei.feldtyp = FeldFrei;
    for (int i = 0; i < AnzahlFelder; ++i)
        daten += statusSatzSchreiben(frei);
    daten[4 * StatusSatzLaenge] = FeldText;
    daten.replace(4 * StatusSatzLaenge + 32, 8, "12345678");
    return daten;
}

} // namespace

// One row per kind of finding, each on the smallest tables that show it; the row's finding must
// be the only one, so a rule that fires on sound data fails here too.
TEST(Pruefung, JedeBefundartAufKleinstenTabellen) {
    const QString programm = QDir::temp().filePath(QStringLiteral("tabulo-pruefung-gibt-es-nicht/alarm"));
    QTemporaryDir da;
    dateiAnlegen(da.filePath("alarm"), "#!/bin/sh\n");
    struct Fall {
        const char* name;
        std::function<Pruefgut()> tabellen;
        std::optional<Befundart> art; // nothing: sound tables
        Schwere schwere;
        Tabelle tabelle;
        int nummer;
        const char* klartext = nullptr;
        const char* imText = nullptr;
    };
    const Fall faelle[] = {
        {"sound tables",
         [&] {
             return gut({fahrzeug(A)}, {{FeldFahrzeug, A}}, {ort(0, "6", "A12", "Nord")},
                        {aktion(A, da.filePath("alarm") + " 1")});
         },
         std::nullopt,
         {},
         {},
         0},
        {"letter O for a zero", [] { return gut({fahrzeug("6A12110O")}); }, Befundart::KennungUngueltig,
         Schwere::Fehler, Tabelle::Fahrzeuge, 0},
        {"lowercase hex", [] { return gut({fahrzeug("6a121101")}); }, Befundart::KennungKlein,
         Schwere::Warnung, Tabelle::Fahrzeuge, 0},
        {"same vehicle twice",
         [] {
             return gut({fahrzeug(A), fahrzeug(A)});
         },
         Befundart::KennungDoppelt, Schwere::Warnung, Tabelle::Fahrzeuge, 1},
        {"same identifier, other data",
         [] {
             return gut({fahrzeug(A), fahrzeug(A, "NEF")});
         },
         Befundart::KennungDoppeltVerschieden, Schwere::Fehler, Tabelle::Fahrzeuge, 1},
        {"status byte 12", [] { return gut({fahrzeug(A, "RTW", "12")}); }, Befundart::StatusUngueltig,
         Schwere::Warnung, Tabelle::Fahrzeuge, 0},
        {"29th of February 2000",
         [] { return gut({fahrzeug(A, "RTW", "2", "29.02.00")}); },
         std::nullopt,
         {},
         {},
         0},
        {"31st of February", [] { return gut({fahrzeug(A, "RTW", "2", "31.02.24")}); },
         Befundart::ZeitUngueltig, Schwere::Warnung, Tabelle::Fahrzeuge, 0},
        {"field of a deleted vehicle, decoded",
         [] {
             return gut({}, {{FeldFrei, {}}, {FeldFahrzeug, A}}, {ort(0, "6", "A12", "Wache Nord")});
         },
         Befundart::FeldOhneFahrzeug, Schwere::Fehler, Tabelle::Status, 1,
         "6A121101 = BOS 6 (Feuerwehr), Land A (Bayern), Ort 12 (Wache Nord), Fahrzeug 1101"},
        {"vehicle in two fields",
         [] {
             return gut({fahrzeug(A)}, {{FeldFahrzeug, A}, {FeldFahrzeug, A}});
         },
         Befundart::FahrzeugMehrfach, Schwere::Warnung, Tabelle::Status, 1},
        {"vehicle in no field",
         [] {
             return gut({fahrzeug(A), fahrzeug(B)}, {{FeldFahrzeug, A}});
         },
         Befundart::NichtAufgenommen, Schwere::Hinweis, Tabelle::Fahrzeuge, 1},
        {"place record with a blank BOS", [] { return gut({}, {}, {ort(0, " ", "A12", "Nord")}); },
         Befundart::OrtOhneBos, Schwere::Fehler, Tabelle::Orte, 0},
        {"place entry for no BOS", [] { return gut({}, {}, {ort(3, "", "A12", "Nord")}); },
         Befundart::OrtOhneBos, Schwere::Warnung, Tabelle::Orte, 3},
        {"Ortskennung not hex", [] { return gut({}, {}, {ort(0, "6", "A1G", "Nord")}); },
         Befundart::OrtKennungUngueltig, Schwere::Fehler, Tabelle::Orte, 0},
        {"one place, two names",
         [] {
             return gut({}, {},
                        {ort(0, "6", "A12", "Nord"), ort(1, "8", "A12", "Sued"), ort(2, "6", "A12", "Sued")});
         },
         Befundart::OrtZweiNamen, Schwere::Warnung, Tabelle::Orte, 2},
        {"action for a deleted vehicle", [] { return gut({}, {}, {}, {aktion(A)}); },
         Befundart::AktionOhneFahrzeug, Schwere::Warnung, Tabelle::Aktionen, 0},
        {"1000 actions", [] { return gut({fahrzeug(A)}, {}, {}, std::vector<Aktion>(1000, aktion(A))); },
         Befundart::AktionenZuViele, Schwere::Fehler, Tabelle::Aktionen, 999},
        {"empty command line", [] { return gut({fahrzeug(A)}, {}, {}, {aktion(A, "   ")}); },
         Befundart::AktionLeer, Schwere::Warnung, Tabelle::Aktionen, 0},
        {"absolute program missing, relative not asked",
         [&] {
             return gut({fahrzeug(A)}, {}, {}, {aktion(A, "nirgends.exe"), aktion(A, programm + " 1")});
         },
         Befundart::ProgrammFehlt, Schwere::Warnung, Tabelle::Aktionen, 1},
        {"unknown field kind",
         [] {
             return gut({}, {{7, {}}});
         },
         Befundart::FremdeBytes, Schwere::Hinweis, Tabelle::Status, 0},
        {"identifier behind a text", [] { return ausOrdner("status.bin", statusMitRestHinterText()); },
         Befundart::FremdeBytes, Schwere::Hinweis, Tabelle::Status, 4, nullptr, "steht 12345678"},
        {"place file of 55 bytes", [] { return ausOrdner("Orte.BIN", "6A12" + QByteArray(50, 'x') + "6"); },
         Befundart::DateiUngueltig, Schwere::Fehler, Tabelle::Orte, -1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Befunde befunde = tabellenPruefen(f.tabellen());
        QStringList texte;
        for (const Befund& b : befunde)
            texte << b.text;
        ASSERT_EQ(befunde.size(), f.art ? 1u : 0u) << qPrintable(texte.join('\n'));
        if (!f.art)
            continue;
        const Befund& b = befunde.front();
        EXPECT_EQ(b.art, *f.art) << qPrintable(b.text);
        EXPECT_EQ(b.schwere, f.schwere);
        EXPECT_EQ(b.tabelle, f.tabelle);
        EXPECT_EQ(b.nummer, f.nummer);
        EXPECT_FALSE(b.text.isEmpty());
        if (f.klartext) {
            EXPECT_EQ(b.klartext, QString::fromUtf8(f.klartext));
        }
        if (f.imText) {
            EXPECT_TRUE(b.text.contains(QString::fromUtf8(f.imText))) << qPrintable(b.text);
        }
    }
}

// The list filtered by severity hands out the finding behind each of its rows, none for no row.
TEST(Pruefung, FilterGibtDenBefundDerZeile) {
    BefundModell modell;
    modell.setzen(tabellenPruefen(gut({fahrzeug("6a121101"), fahrzeug("6A12110O")})));
    BefundFilter filter;
    filter.setSourceModel(&modell);
    filter.zeigen(Schwere::Warnung, false);
    ASSERT_EQ(filter.rowCount(), 1);
    EXPECT_EQ(filter.befund(filter.index(0, 0))->art, Befundart::KennungUngueltig);
    EXPECT_EQ(filter.befund({}), nullptr);
}
