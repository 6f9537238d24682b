#include "overview/Menue.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <utility>

namespace tabulo {

static QAction* eintrag(QMenu* menue, const QByteArray& name, const QString& titel) {
    QAction* a = menue->addAction(titel);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

static QMenu* untermenue(QWidget* eltern, const QByteArray& name, const QString& titel) {
    auto* m = new QMenu(titel, eltern);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

// "Exportieren" and "Importieren" (`richtung` "Export" or "Import"): one item per table,
// "Fahrzeugliste als CSV..." named "MenueExportFzg" and so on. The action items wait for the
// action list like the others.
static QMenu* csvUntermenue(QMenu* datei, const QByteArray& richtung, const QString& wort,
                            const std::array<QAction**, 3>& eintraege) {
    QMenu* m = untermenue(datei, "Menue" + richtung + "ieren", QString::fromLatin1(richtung + "ieren"));
    datei->addMenu(m);
    const std::pair<const char*, QString> tabellen[] = {{"Fzg", QStringLiteral("Fahrzeugliste")},
                                                        {"Orte", QStringLiteral("Ortskennungen")},
                                                        {"Aktionen", QStringLiteral("Aktionen")}};
    for (size_t t = 0; t < eintraege.size(); ++t)
        *eintraege[t] = eintrag(m, "Menue" + richtung + tabellen[t].first,
                                QStringLiteral("%1 %2 CSV...").arg(tabellen[t].second, wort));
    (*eintraege[2])->setEnabled(false);
    return m;
}

void Menue::aufbauen(QMenuBar* leiste) {
    MenueDatei = untermenue(leiste, "MenueDatei", QStringLiteral("&Datei"));
    leiste->addMenu(MenueDatei);
    MenuXLaden = untermenue(MenueDatei, "MenuXLaden", QStringLiteral("Laden..."));
    MenueDatei->addMenu(MenuXLaden);
    MenueLadenFzg = eintrag(MenuXLaden, "MenueLadenFzg", QStringLiteral("Fahrzeugliste"));
    MenueLadenOrte = eintrag(MenuXLaden, "MenueLadenOrte", QStringLiteral("Ortskennungen"));
    MenueLadenStatus = eintrag(MenuXLaden, "MenueLadenStatus", QStringLiteral("Status \u00dcbersicht"));
    MenueLadenAktionen = eintrag(MenuXLaden, "MenueLadenAktionen", QStringLiteral("Aktionen"));
    MenueLadenAktionen->setEnabled(false);
    MenueSpeichern = eintrag(MenueDatei, "MenueSpeichern", QStringLiteral("Alles &Speichern"));
    MenueSpeichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenueXSpeichern = untermenue(MenueDatei, "MenueXSpeichern", QStringLiteral("Speichern..."));
    MenueDatei->addMenu(MenueXSpeichern);
    MenueSpeichernFzg = eintrag(MenueXSpeichern, "MenueSpeichernFzg", QStringLiteral("Fahrzeugliste"));
    MenueSpeichernOrte = eintrag(MenueXSpeichern, "MenueSpeichernOrte", QStringLiteral("Ortskennungen"));
    MenueSpeichernStatus =
        eintrag(MenueXSpeichern, "MenueSpeichernStatus", QStringLiteral("Status \u00dcbersicht"));
    MenueSpeichernAktionen = eintrag(MenueXSpeichern, "MenueSpeichernAktionen", QStringLiteral("Aktionen"));
    MenueSpeichernAktionen->setEnabled(false);
    MenueExportieren = csvUntermenue(MenueDatei, "Export", QStringLiteral("als"),
                                     {&MenueExportFzg, &MenueExportOrte, &MenueExportAktionen});
    MenueImportieren = csvUntermenue(MenueDatei, "Import", QStringLiteral("aus"),
                                     {&MenueImportFzg, &MenueImportOrte, &MenueImportAktionen});
    MenueDatei->addSeparator();
    MenueDrucken = eintrag(MenueDatei, "MenueDrucken", QStringLiteral("&Drucken..."));
    MenueDrucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenueSeitenansicht = eintrag(MenueDatei, "MenueSeitenansicht", QStringLiteral("Seiten&ansicht..."));
    MenuePdf = eintrag(MenueDatei, "MenuePdf", QStringLiteral("Als &PDF exportieren..."));
    MenueDatei->addSeparator();
    MenueBeenden = eintrag(MenueDatei, "MenueBeenden", QStringLiteral("&Beenden"));

    MenueBearbeiten = untermenue(leiste, "MenueBearbeiten", QStringLiteral("&Bearbeiten"));
    leiste->addMenu(MenueBearbeiten);
    // Texts, keys and icons come from the history they are bound to.
    MenueRueckgaengig = eintrag(MenueBearbeiten, "MenueRueckgaengig", QStringLiteral("R\u00fcckg\u00e4ngig"));
    MenueWiederholen = eintrag(MenueBearbeiten, "MenueWiederholen", QStringLiteral("Wiederholen"));
    MenueBearbeiten->addSeparator()->setObjectName(QStringLiteral("MenuBlankVerlauf"));
    MenueOrtskennungen = eintrag(MenueBearbeiten, "MenueOrtskennungen", QStringLiteral("&Ortskennungen"));
    MenuAktionen = eintrag(MenueBearbeiten, "MenuAktionen", QStringLiteral("Aktionen"));
    MenuTitelFahrzeuguebersicht = eintrag(MenueBearbeiten, "MenuTitelFahrzeuguebersicht",
                                          QStringLiteral("&Titel der Fahrzeug\u00fcbersicht"));
    MenueEinstellungen = eintrag(MenueBearbeiten, "MenueEinstellungen", QStringLiteral("&Einstellungen"));
    MenueBearbeiten->addSeparator()->setObjectName(QStringLiteral("MenuBlank1"));
    MenueUndoOrte =
        eintrag(MenueBearbeiten, "MenueUndoOrte", QStringLiteral("Undo: Ortskennungen neu laden"));
    MenueUndoFahrzeug =
        eintrag(MenueBearbeiten, "MenueUndoFahrzeug", QStringLiteral("Undo: Fahrzeuge neu laden"));
    MenueUndoStatus =
        eintrag(MenueBearbeiten, "MenueUndoStatus", QStringLiteral("Undo: Fzg.\u00dcbersicht neu laden"));

    MenueTools = untermenue(leiste, "MenueTools", QStringLiteral("&Tools"));
    leiste->addMenu(MenueTools);
    MenueUmwandeln = eintrag(MenueTools, "MenueUmwandeln", QStringLiteral("Status &Umwandeln"));
    MenueZeitenSetzen = eintrag(MenueTools, "MenueZeitenSetzen", QStringLiteral("&Zeiten Setzen"));
    MenueEinstellungenLS =
        eintrag(MenueTools, "MenueEinstellungenLS", QStringLiteral("&Einstellungen Laden/Speichern"));
    MenuePruefen = eintrag(MenueTools, "MenuePruefen", QStringLiteral("&Pr\u00fcfen"));

    MenueHelp = untermenue(leiste, "MenueHelp", QStringLiteral("&?"));
    leiste->addMenu(MenueHelp);
    MenueHandbuch = eintrag(MenueHelp, "MenueHandbuch", QStringLiteral("&Benutzerhandbuch"));
    MenueHandbuch->setShortcut(QKeySequence(Qt::Key_F1));
    MenueInfo = eintrag(MenueHelp, "MenueInfo", QStringLiteral("Inf&o..."));
}

} // namespace tabulo
