#pragma once

#include "core/overview/FeldBearbeiten.h"
#include "ui/SperrFenster.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tabulo {

class Arbeitsbereich;

// "Feld Bearbeiten": decides what one field holds: nothing, a vehicle of the vehicle list or a
// text of up to 30 characters. Shown without blocking; the main window and the vehicle list
// window are disabled while it is open.
class FeldEdit : public SperrFenster {
    Q_OBJECT

public:
    explicit FeldEdit(Arbeitsbereich& ab, QWidget* parent = nullptr);

    // Fills the dialog for the field and shows it, disabling the given windows.
    void oeffnen(const FeldEditInhalt& inhalt, const QList<QWidget*>& sperren);

    int editFeld() const { return m_inhalt.feld; }
    int auswahl() const; // index of the chosen option, -1 for none

    QRadioButton* Auswahl[3] = {};
    QComboBox* Fahrzeug = nullptr;
    QLineEdit* Text = nullptr;
    QPushButton* Uebernehmen = nullptr;
    QPushButton* Abbrechen = nullptr;
    QPushButton* InFahrzeugliste = nullptr; // shows the chosen vehicle in the vehicle list window

signals:
    // The vehicle chosen in `Fahrzeug`, by its identifier; the editor stays open as it is.
    void fahrzeugInListeZeigen(const QString& kennung);

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void waehlen(int option);
    void knoepfeAnpassen();
    void Uebernehmen_Click();
    void InFahrzeugliste_Click();

    Arbeitsbereich& m_ab;
    QButtonGroup* m_gruppe = nullptr;
    FeldEditInhalt m_inhalt;
};

} // namespace tabulo
