#pragma once

#include <QRect>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;
struct OrtEingabe;

namespace ortFenster {
// Client area as designed, in twips (15 twips = 1 pixel).
constexpr int Breite = 10320;
constexpr int Hoehe = 5280;
// The window may not get narrower than this (outer width, frame included).
constexpr int MindestBreiteAussen = 6900;
// What the window frame adds to the client area, so the outer sizes of the resize rule can be
// worked out the same way on every platform.
constexpr int RahmenBreite = 120;
constexpr int RahmenHoehe = 495;
// The list keeps at least a few lines however low the window gets.
constexpr int MindestListenHoehe = 600;

// Place of the list for a client area (all twips): it fills the window below the inputs,
// outer width less 225 and outer height less 3105.
QRect okListe(int clientBreite, int clientHoehe);
} // namespace ortFenster

// "Ortskennungen bearbeiten": lists the place table with the BOS-Kennungen of each place;
// picking a line fills the inputs, accepting writes them back into the table. Created hidden
// at start-up; closing only hides it.
class Ortskennungen : public QWidget {
    Q_OBJECT

public:
    Ortskennungen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent = nullptr);

    QGroupBox* LKFrame;
    QComboBox* Landeskennung;
    QGroupBox* OKFrame;
    std::array<QComboBox*, 2> Ortskennung; // the first and second Ortskennung digit
    QGroupBox* Frame1;
    QLineEdit* Klartext;
    QGroupBox* Frame2;
    std::array<QCheckBox*, 15> BOS;
    QListWidget* OKListe;
    QLabel* Text1;
    QLabel* Anzahl;
    QPushButton* Uebernehmen;
    QPushButton* Abbrechen;
    QPushButton* ButtonImport;

    // The Landeskennung list from the names in the workspace.
    void namenUebernehmen();
    // List and count from the table.
    void tabelleAnzeigen();

    OrtEingabe eingabe() const;

    // Brings the window to the front with the line of a slot picked, its inputs filled.
    void eintragZeigen(int slot);

    void OKListe_Click();
    void Uebernehmen_Click();
    void Abbrechen_Click();
    void ButtonImport_Click();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void aufbauen();

    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    QWidget* m_kopf = nullptr;
};

} // namespace tabulo
