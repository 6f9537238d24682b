#pragma once

#include "core/actions/AktionenGenerieren.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;

namespace tabulo {

class AktionenModell;
class Arbeitsbereich;
class Fortschritt;
class Rueckfrage;

// "Aktionen Bearbeiten": the action list, the template of generated command lines, the
// selections of generation and the host's action switch. Created at its first opening and
// only hidden afterwards, so the list and the selections stay for the next showing.
class Aktionen : public QWidget {
    Q_OBJECT

public:
    // fortschritt is the main window's progress strip, used by the import.
    Aktionen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Fortschritt& fortschritt, QWidget* parent = nullptr);
    ~Aktionen() override;

    QTreeView* ListView1 = nullptr;
    QLabel* Anzahl = nullptr;
    QLineEdit* TextAktion = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* ButtonSuchen = nullptr;
    QListWidget* BOSKennung = nullptr;
    QListWidget* Landeskennung = nullptr;
    QListWidget* Ortskennung1 = nullptr;
    QListWidget* Ortskennung2 = nullptr;
    QListWidget* Stati = nullptr;
    QListWidget* RK = nullptr;
    QPushButton* ButtonAutoGen = nullptr;
    QPushButton* ButtonImport = nullptr;
    QPushButton* ButtonAlleLoeschen = nullptr;
    QCheckBox* AktionenAusfuehren = nullptr;
    QPushButton* ButtonExit = nullptr;

    AktionenModell& modell() const { return *m_modell; }

    // Brings the window to the front with one action selected.
    void aktionZeigen(int zeile);

    // The selections of the generation lists and the template, and back.
    GenerierAuswahl auswahl() const;
    void auswahlZeigen(const GenerierAuswahl& auswahl);

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void aufbauen();
    void listenFuellen();
    void anzahlZeigen();
    void ButtonSuchen_Click();
    void ButtonAutoGen_Click();
    void ButtonImport_Click();
    void ButtonAlleLoeschen_Click();
    void AktionenAusfuehren_Click(bool an);
    void ListView1_EntfTaste();

    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    Fortschritt& m_fortschritt;
    AktionenModell* m_modell = nullptr;
};

} // namespace tabulo
