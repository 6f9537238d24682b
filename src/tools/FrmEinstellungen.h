#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// "Einstellungen Laden / Speichern": saves and loads the settings bundle. It blocks nothing;
// destroyed when closed, so every opening starts with the default choices.
class FrmEinstellungen : public QWidget {
    Q_OBJECT

public:
    FrmEinstellungen(Arbeitsbereich& ab, Rueckfrage& rueckfrage);

    void btnLaden_Click();
    void btnSpeichern_Click();
    void btnSchliessen_Click();

    QCheckBox* chkEinstellungen = nullptr;
    QCheckBox* chkFenstertitel = nullptr;
    QCheckBox* chkStatusfarben = nullptr;
    QLabel* lblEinstellungen = nullptr;
    QLabel* lblFenstertitel = nullptr;
    QLabel* lblStatusfarben = nullptr;
    QPushButton* btnLaden = nullptr;
    QPushButton* btnSpeichern = nullptr;
    QPushButton* btnSchliessen = nullptr;

private:
    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
};

} // namespace tabulo
