#pragma once

#include "core/common/Fortschritt.h"
#include "ui/ZiehSteuerung.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tabulo {

class Arbeitsbereich;
class FahrzeugListView;
class FahrzeugModell;
class NichtAufgenommenModell;
class Rueckfrage;

// The vehicle list window: all vehicles above, the vehicles no field shows below with their
// count, the choice how far a list drop shifts, and the import button. Vehicles are dragged
// from either list onto the overview; a field dropped on the window's background or on one of
// the lists leaves the overview.
class Form2 : public QWidget, public ZiehZiel {
    Q_OBJECT

public:
    Form2(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent = nullptr);
    ~Form2() override;

    // The progress strip that deleting a vehicle draws into (the main window's).
    void setzeFortschritt(Fortschritt& fortschritt) { m_fortschritt = &fortschritt; }

    // The vehicle list entry selected in ListView1 (liste 1) or ListView2 (liste 2), -1 for none.
    int gewaehltesFahrzeug(int liste) const;

    // Brings the window to the front with entry `fahrzeug` of the vehicle list selected in ListView1;
    // a filter that hides it is cleared.
    void fahrzeugZeigen(int fahrzeug);

    // Lets vehicles be dragged out of both lists.
    void setzeZiehSteuerung(ZiehSteuerung& ziehen);
    // The overview's insert mode changed: only modes 1 and 2 shift, so only they offer the choice
    // how far.
    void einfuegemodusGeaendert(int modus);
    void ablegen(const ZiehQuelle& quelle, QPoint pos) override;

    QLineEdit* Suche = nullptr; // filters both lists (Ctrl+F, Escape clears)
    FahrzeugListView* ListView1 = nullptr;
    FahrzeugListView* ListView2 = nullptr;
    QLabel* List2Label = nullptr;
    QGroupBox* ModusFrame = nullptr;
    QLabel* ModusLabel = nullptr;
    std::array<QRadioButton*, 3> ModusButton{}; // elements 1 and 2
    QPushButton* ButtonImport = nullptr;

signals:
    // Open the vehicle editor for an entry of the vehicle list, or for a new vehicle.
    void fahrzeugBearbeiten(int fahrzeug);
    void neuesFahrzeug();
    // Show the fields that hold this entry's vehicle, one after the other.
    void inUebersichtZeigen(int fahrzeug);

protected:
    void resizeEvent(QResizeEvent* e) override;
    // Escape in the filter box clears it.
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void ModusButton_Click(int index);
    void ButtonImport_Click();
    void ListView1_Loeschen(int fahrzeug);
    void ListView2_Loeschen(int fahrzeug);
    void ListView1_LeerGedrueckt();
    void zaehlzeileSetzen();
    void filtern(const QString& text);
    void anordnen();

    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    Fortschritt m_ohneFortschritt;
    Fortschritt* m_fortschritt = &m_ohneFortschritt;
    FahrzeugModell* m_modell1 = nullptr;
    NichtAufgenommenModell* m_modell2 = nullptr;
};

} // namespace tabulo
