#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;
class StatusUmwandeln;
class ZeitSetzen;
class Einstellungen;
class TitelFahrzeuguebersicht;
class FrmEinstellungen;
class InfoForm;

// The tool dialogs and their menu commands. Status conversion, time setting and the host
// settings are created on first use and then kept; the title, bundle and info dialogs are
// destroyed when closed and created anew.
class Werkzeuge : public QObject {
    Q_OBJECT

public:
    // The windows a blocking dialog disables; the host settings dialog asks for the place
    // identifier window too.
    using Sperrliste = std::function<QList<QWidget*>(bool mitOrtskennungen)>;

    Werkzeuge(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Sperrliste sperrliste);
    ~Werkzeuge() override;

    void MenueUmwandeln_Click();
    void MenueZeitenSetzen_Click();
    void MenueEinstellungen_Click();
    void MenuTitelFahrzeuguebersicht_Click();
    void MenueEinstellungenLS_Click();
    void MenueInfo_Click();
    // Opens the user guide in the desktop's browser, or says where it was looked for.
    void MenueHandbuch_Click();

    // The folder the guide is looked for from; the program's own unless set.
    void setzeProgrammOrdner(const QString& ordner) { m_programmOrdner = ordner; }

    // The dialogs, while they exist.
    StatusUmwandeln* statusUmwandeln() const { return m_statusUmwandeln.get(); }
    ZeitSetzen* zeitSetzen() const { return m_zeitSetzen.get(); }
    Einstellungen* einstellungen() const { return m_einstellungen.get(); }
    TitelFahrzeuguebersicht* titel() const;
    FrmEinstellungen* buendel() const;
    InfoForm* info() const;

private:
    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    Sperrliste m_sperrliste;
    QString m_programmOrdner;
    std::unique_ptr<StatusUmwandeln> m_statusUmwandeln;
    std::unique_ptr<ZeitSetzen> m_zeitSetzen;
    std::unique_ptr<Einstellungen> m_einstellungen;
    QPointer<TitelFahrzeuguebersicht> m_titel;
    QPointer<FrmEinstellungen> m_buendel;
    QPointer<InfoForm> m_info;
};

} // namespace tabulo
