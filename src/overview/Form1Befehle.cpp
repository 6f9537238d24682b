#include "core/common/AllesSpeichern.h"
#include "core/common/Ungespeichert.h"
#include "core/overview/StatusBefehle.h"
#include "overview/Form1.h"
#include "ui/Fortschrittsstreifen.h"

#include <QAction>

namespace tabulo {

// The menu commands of the overview. The other windows' commands are connected by their owners.
void Form1::befehleVerbinden() {
    // "&Beenden" closes the window; the shell's close query decides whether the program ends.
    connect(menue.MenueBeenden, &QAction::triggered, this, &QWidget::close);
    connect(menue.MenueSpeichern, &QAction::triggered, this,
            [this] { AllesSpeichern(m_ab, m_rueckfrage, *m_statusBar); });
    connect(menue.MenueLadenStatus, &QAction::triggered, this, [this] {
        statusLadenBefehl(m_ab, m_rueckfrage, *m_statusBar,
                          ladenMitAllesSpeichern(m_ab, m_rueckfrage, *m_statusBar, DokStatusuebersicht));
    });
    connect(menue.MenueSpeichernStatus, &QAction::triggered, this,
            [this] { statusSpeichernBefehl(m_ab, m_rueckfrage, *m_statusBar); });
    connect(menue.MenueUndoStatus, &QAction::triggered, this,
            [this] { statusNeuLadenBefehl(m_ab, m_rueckfrage, *m_statusBar); });
}

} // namespace tabulo
