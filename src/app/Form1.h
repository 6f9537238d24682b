#pragma once

#include "app/Menue.h"

#include <QMainWindow>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// The main window: the status overview editor. It routes menu commands and events; the
// overview view, the tabs and the drag handling live in their own files.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent = nullptr);

    Menue menue;

    static QString fensterTitel();

private:
    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
};

} // namespace tabulo
