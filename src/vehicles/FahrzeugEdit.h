#pragma once

#include "ui/SperrFenster.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tabulo {

class Arbeitsbereich;
class Fortschrittsstreifen;
struct FahrzeugEingabe;

// The vehicle editor: edits one vehicle of the list or creates a new one. It is shown without
// blocking but disables the windows it is opened over until it is left.
class FahrzeugEdit : public SperrFenster {
    Q_OBJECT

public:
    explicit FahrzeugEdit(Arbeitsbereich& ab, QWidget* parent = nullptr);

    // Fills the identifier lists from the BOS and Landeskennung names; selections stay.
    void listenFuellen();

    // Opens for entry `fahrzeug` of the vehicle list, or for a new vehicle.
    void oeffnenFuer(int fahrzeug, const QList<QWidget*>& sperren);
    void oeffnenNeu(const QList<QWidget*>& sperren);

    // What accepting would hand over now.
    FahrzeugEingabe eingabe() const;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QComboBox* BOSKennung = nullptr;
    QComboBox* Landeskennung = nullptr;
    std::array<QComboBox*, 3> Ortskennung{};     // elements 1 and 2
    std::array<QComboBox*, 5> Fahrzeugkennung{}; // elements 1 to 4
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Rufname = nullptr;
    QLineEdit* Zusatzinformation = nullptr;
    QComboBox* Status = nullptr;
    QLineEdit* Zeit = nullptr;
    QPushButton* ZeitDatum = nullptr;
    QLineEdit* Bemerkung = nullptr;
    Fortschrittsstreifen* StatusBar = nullptr;
    QPushButton* Uebernehmen = nullptr;
    QPushButton* Abbrechen = nullptr;

    // The eight identifier lists in identifier order.
    std::array<QComboBox*, 8> kennungsListen() const;

protected:
    // Escape cancels, as the Abbrechen button does.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Uebernehmen_Click();
    void Abbrechen_Click();
    void ZeitDatum_Click();
    void aufbauen();

    Arbeitsbereich& m_ab;
};

} // namespace tabulo
