#include "app/Form1.h"

#include "model/Arbeitsbereich.h"
#include "model/Rueckfrage.h"

#include <QAction>
#include <QMenuBar>

namespace tabulo {

Form1::Form1(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent)
    : QMainWindow(parent), m_ab(ab), m_rueckfrage(rueckfrage) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(fensterTitel());
    menue.aufbauen(menuBar());
    connect(menue.MenueBeenden, &QAction::triggered, this, &QWidget::close);
}

QString Form1::fensterTitel() {
    return QStringLiteral("Tabulo v%1.%2.%3")
        .arg(TABULO_VERSION_MAJOR)
        .arg(TABULO_VERSION_MINOR)
        .arg(TABULO_VERSION_PATCH);
}

} // namespace tabulo
