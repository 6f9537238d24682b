#pragma once

#include "core/overview/Fensterwahl.h"
#include "core/overview/Rasterlayout.h"
#include "overview/Menue.h"

#include <QMainWindow>
#include <array>
#include <memory>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;
class ZiehSteuerung;
class Fortschrittsstreifen;
class FensterAnsicht;
class FensterTab;
class Modusleiste;
class FeldZiehen;

// The main window: the status overview editor. It routes menu commands and events; the
// overview view, the tabs and the drag handling live in their own files.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent = nullptr);
    Form1(Arbeitsbereich& ab, Rueckfrage& rueckfrage, ZiehSteuerung& ziehen, QWidget* parent = nullptr);
    ~Form1() override;

    Menue menue;

    static QString fensterTitel();

    Fortschrittsstreifen& statusBar() const { return *m_statusBar; }
    FensterTab& fensterTab() const { return *m_fensterTab; }
    Modusleiste& frame2() const { return *m_modusleiste; }
    FensterAnsicht& tabFrame(int fenster) const { return *m_ansichten[fenster - 1]; }
    const Fensterwahl& fensterwahl() const { return m_wahl; }
    int aktuellesFenster() const { return m_wahl.aktuellesFenster(); }
    const Rasterlayout& raster() const { return m_groesse.raster(); }

    // Start-up: hide the overview and show the hourglass, then show the tabs once the settings are
    // read. The fields keep their design geometry past the end of start-up, until the first resize.
    void startBeginnen();
    void felderZeigen();
    void startBeenden();

    // Outer size of the window in twips, as the grid formulas take it.
    double formBreite() const;
    double formHoehe() const;

    // Follows the window's current size: sets it back to the minimum when it is smaller, and lays
    // out the tab strip, the window frames and the fields for it.
    void rasterAnwenden();

    FeldZiehen& feldZiehen() const { return *m_feldZiehen; }

    // Brings the window that holds a field to the front and lights the field's box up a moment.
    void feldZeigen(int feld);

signals:
    // A field was double-clicked: the field editor is to open for it.
    void feldBearbeiten(int feld);
    // A vehicle field asks to be found in the vehicle list.
    void fahrzeugInListeZeigen(int feld);
    // The user chose an insert mode (1..4).
    void einfuegemodusGewaehlt(int modus);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void aufbauen();
    void befehleVerbinden();
    void fensterZeigen(int fenster);
    void geometrieSetzen(const Rasterlayout& raster);

    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    std::unique_ptr<ZiehSteuerung> m_eigeneZiehSteuerung;
    ZiehSteuerung& m_ziehen;
    Fensterwahl m_wahl;
    Rasterfuehrung m_groesse;

    FeldZiehen* m_feldZiehen = nullptr;
    Fortschrittsstreifen* m_statusBar = nullptr;
    Modusleiste* m_modusleiste = nullptr;
    FensterTab* m_fensterTab = nullptr;
    std::array<FensterAnsicht*, AnzahlFenster> m_ansichten{};
};

} // namespace tabulo
