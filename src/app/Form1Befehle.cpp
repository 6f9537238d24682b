#include "app/BeendenFrage.h"
#include "app/Form1.h"
#include "app/Fortschrittsstreifen.h"
#include "model/AllesSpeichern.h"
#include "model/StatusBefehle.h"
#include "model/Ungespeichert.h"

#include <QAction>

namespace tabulo {

// The menu commands of the overview. The other windows' commands are connected by their owners.
void Form1::befehleVerbinden() {
    // "&Beenden" closes the window; the close query decides whether the program ends.
    connect(menue.MenueBeenden, &QAction::triggered, this, &QWidget::close);
    connect(new BeendenFrage(*this, m_ab, m_rueckfrage, *m_statusBar), &BeendenFrage::zugestimmt, this,
            &Form1::programmEnde);
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
