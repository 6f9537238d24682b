#pragma once

#include "ui/SperrFenster.h"

class QLabel;
class QPushButton;

namespace tabulo {

// "Tabulo-Info": program, version and a short description. Destroyed when closed.
class InfoForm : public SperrFenster {
    Q_OBJECT

public:
    InfoForm();

    void cmdOK_Click();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;

    static QString versionText();
};

} // namespace tabulo
