#pragma once

#include "core/check/Befund.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;
class ZiehSteuerung;
class Form1;
class Ortskennungen;
class Form2;
class FahrzeugEdit;
class Werkzeuge;
class Aktionen;
class Sanduhr;
class FeldEdit;
class StartVorlesen;
class Pruefen;
class FremdeAenderungen;
class Drucken;

// Owns the program's windows and connects the main window's menu to them. Windows are
// created here, hidden or shown as the program needs them, and live until the program ends.
class Anwendung : public QObject {
    Q_OBJECT

public:
    Anwendung(Arbeitsbereich& ab, Rueckfrage& rueckfrage);
    ~Anwendung() override;

    // Runs the start-up and shows the main window; `vorgelesen` is the vehicle file read ahead
    // while the windows were built (see StartVorlesen).
    void starten(StartVorlesen* vorgelesen = nullptr);

    Form1& form1() const { return *m_form1; }
    Form2& form2() const { return *m_form2; }
    // The vehicle editor, created at its first opening with the names the start-up read.
    FahrzeugEdit& fahrzeugEdit() const;
    ZiehSteuerung& ziehen() const { return *m_ziehen; }
    // The place identifier window, created at its first opening (nothing at start-up needs it).
    Ortskennungen& ortskennungen() const;
    Arbeitsbereich& arbeitsbereich() const { return m_ab; }
    Rueckfrage& rueckfrage() const { return m_rueckfrage; }
    Werkzeuge& werkzeuge() const { return *m_werkzeuge; }
    Drucken& drucken() const { return *m_drucken; }

    // The windows a blocking dialog disables: the main window and the vehicle list window, and
    // for the host settings dialog the place identifier window too.
    QList<QWidget*> sperrFenster(bool mitOrtskennungen) const;

    // The action window, created and loaded at its first opening; null before.
    Aktionen* aktionen() const { return m_aktionen.get(); }
    void aktionenZeigen();

    // The check's window, created at its first opening; null before.
    Pruefen* pruefen() const { return m_pruefen.get(); }
    void pruefenZeigen();

    // The notice about files another program changed.
    FremdeAenderungen& fremdeAenderungen() const { return *m_fremdeAenderungen; }

    // The field editor, once it has been opened.
    FeldEdit* feldEdit() const { return m_feldEdit.get(); }

    // Today's date for `Heute`; tests set a fixed one.
    std::function<QDate()> uhr = [] { return QDate::currentDate(); };
    // Ends the event loop once the main window has closed; tests count the calls.
    std::function<void()> ende = [] { QCoreApplication::exit(0); };

private:
    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    std::unique_ptr<ZiehSteuerung> m_ziehen;
    std::unique_ptr<Form1> m_form1;
    mutable std::unique_ptr<Ortskennungen> m_ortskennungen;
    std::unique_ptr<Form2> m_form2;
    mutable std::unique_ptr<FahrzeugEdit> m_fahrzeugEdit;
    // Declared after the windows it disables, so its dialogs go first.
    std::unique_ptr<Werkzeuge> m_werkzeuge;

    std::unique_ptr<Sanduhr> m_sanduhr;
    std::unique_ptr<Aktionen> m_aktionen;
    std::unique_ptr<FeldEdit> m_feldEdit;
    std::unique_ptr<Pruefen> m_pruefen;
    FremdeAenderungen* m_fremdeAenderungen; // owned by the main window
    std::unique_ptr<Drucken> m_drucken;

    void orteVerbinden();
    void fahrzeugeVerbinden();
    void werkzeugeVerbinden();
    void aktionenVerbinden();
    void csvVerbinden();
    // Steps through the fields that show a vehicle, from the one shown last.
    void fahrzeugInUebersicht(int fahrzeug);
    // "In Fahrzeugliste zeigen" of a vehicle field and of the field editor: the first entry with
    // the identifier, selected in the vehicle list window.
    void fahrzeugInListeZeigen(const QString& kennung);
    int m_zuletztGezeigtesFeld = -1;
    void stelleZeigen(Tabelle tabelle, int nummer);
    // The undo and redo keys work in this window too.
    void verlaufTasten(QWidget* fenster) const;
    void form2Platzieren();
    void beenden();
    void feldBearbeiten(int feld);
};

} // namespace tabulo
