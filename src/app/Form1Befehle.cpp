#include "app/Form1.h"
#include "app/Fortschrittsstreifen.h"
#include "model/StatusBefehle.h"

#include <QAction>

namespace tabulo {

// The menu commands of the overview. The other windows' commands are connected by their owners.
void Form1::befehleVerbinden() {
    connect(menue.MenueBeenden, &QAction::triggered, this, &QWidget::close);
    connect(menue.MenueLadenStatus, &QAction::triggered, this,
            [this] { statusLadenBefehl(m_ab, m_rueckfrage, *m_statusBar); });
    connect(menue.MenueSpeichernStatus, &QAction::triggered, this,
            [this] { statusSpeichernBefehl(m_ab, m_rueckfrage, *m_statusBar); });
    connect(menue.MenueUndoStatus, &QAction::triggered, this,
            [this] { statusNeuLadenBefehl(m_ab, m_rueckfrage, *m_statusBar); });
}

} // namespace tabulo
