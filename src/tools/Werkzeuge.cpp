#include "tools/Werkzeuge.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Handbuch.h"
#include "core/common/Rueckfrage.h"
#include "tools/Einstellungen.h"
#include "tools/FrmEinstellungen.h"
#include "tools/InfoForm.h"
#include "tools/StatusUmwandeln.h"
#include "tools/TitelFahrzeuguebersicht.h"
#include "tools/ZeitSetzen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <QWidget>

namespace tabulo {

namespace {
// A dialog opens over the middle of the main window the first time it is shown.
void mittigPlatzieren(QWidget* dialog, const QList<QWidget*>& fenster) {
    if (dialog->testAttribute(Qt::WA_WState_ExplicitShowHide) || fenster.isEmpty() || !fenster.front())
        return;
    dialog->adjustSize();
    const QRect haupt = fenster.front()->frameGeometry();
    QRect ziel(QPoint(), dialog->size());
    ziel.moveCenter(haupt.center());
    dialog->move(qMax(0, ziel.left()), qMax(0, ziel.top()));
}
} // namespace

Werkzeuge::Werkzeuge(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Sperrliste sperrliste)
    : m_ab(ab), m_rueckfrage(rueckfrage), m_sperrliste(std::move(sperrliste)),
      m_programmOrdner(QCoreApplication::applicationDirPath()) {}

Werkzeuge::~Werkzeuge() {
    delete m_titel.data();
    delete m_buendel.data();
    delete m_info.data();
}

TitelFahrzeuguebersicht* Werkzeuge::titel() const {
    return m_titel;
}
FrmEinstellungen* Werkzeuge::buendel() const {
    return m_buendel;
}
InfoForm* Werkzeuge::info() const {
    return m_info;
}

void Werkzeuge::MenueUmwandeln_Click() {
    if (!m_statusUmwandeln)
        m_statusUmwandeln = std::make_unique<StatusUmwandeln>(m_ab, m_rueckfrage);
    const QList<QWidget*> sperren = m_sperrliste(false);
    mittigPlatzieren(m_statusUmwandeln.get(), sperren);
    m_statusUmwandeln->anzeigen(sperren);
}

void Werkzeuge::MenueZeitenSetzen_Click() {
    if (!m_zeitSetzen)
        m_zeitSetzen = std::make_unique<ZeitSetzen>(m_ab);
    const QList<QWidget*> sperren = m_sperrliste(false);
    mittigPlatzieren(m_zeitSetzen.get(), sperren);
    m_zeitSetzen->anzeigen(sperren);
}

void Werkzeuge::MenueEinstellungen_Click() {
    if (!m_einstellungen)
        m_einstellungen = std::make_unique<Einstellungen>(m_ab.speicher());
    const QList<QWidget*> sperren = m_sperrliste(true);
    mittigPlatzieren(m_einstellungen.get(), sperren);
    m_einstellungen->anzeigen(sperren);
}

void Werkzeuge::MenuTitelFahrzeuguebersicht_Click() {
    if (!m_titel)
        m_titel = new TitelFahrzeuguebersicht(m_ab);
    const QList<QWidget*> sperren = m_sperrliste(false);
    mittigPlatzieren(m_titel, sperren);
    m_titel->oeffnen(sperren);
}

void Werkzeuge::MenueEinstellungenLS_Click() {
    // An open bundle dialog is brought forward with its choices as they are.
    if (!m_buendel) {
        m_buendel = new FrmEinstellungen(m_ab, m_rueckfrage);
        mittigPlatzieren(m_buendel, m_sperrliste(false));
    }
    m_buendel->show();
    m_buendel->raise();
    m_buendel->activateWindow();
}

void Werkzeuge::MenueInfo_Click() {
    if (!m_info)
        m_info = new InfoForm;
    const QList<QWidget*> sperren = m_sperrliste(false);
    mittigPlatzieren(m_info, sperren);
    m_info->oeffnen(sperren);
}

void Werkzeuge::MenueHandbuch_Click() {
    const QString pfad = handbuchSuchen(m_programmOrdner);
    if (pfad.isEmpty()) {
        m_rueckfrage.meldung(handbuchtext::Titel, handbuchFehltText(m_programmOrdner), Symbol::Fehler);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)))
        m_rueckfrage.meldung(
            handbuchtext::Titel,
            QStringLiteral("Das Benutzerhandbuch konnte nicht ge\u00f6ffnet werden. Es liegt hier:\n\n") +
                QDir::toNativeSeparators(pfad),
            Symbol::Fehler);
}

} // namespace tabulo
