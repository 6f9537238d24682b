#include "app/Anwendung.h"

#include "app/Form1.h"
#include "app/ZiehSteuerung.h"
#include "model/Arbeitsbereich.h"
#include "model/OrteBefehle.h"
#include "model/OrteLadenSpeichern.h"
#include "model/Rueckfrage.h"
#include "places/Ortskennungen.h"

#include <QAction>

namespace tabulo {

Anwendung::Anwendung(Arbeitsbereich& ab, Rueckfrage& rueckfrage)
    : m_ab(ab), m_rueckfrage(rueckfrage), m_ziehen(std::make_unique<ZiehSteuerung>()),
      m_form1(std::make_unique<Form1>(ab, rueckfrage)),
      m_ortskennungen(std::make_unique<Ortskennungen>(ab, rueckfrage)) {
    orteVerbinden();
}

Anwendung::~Anwendung() = default;

void Anwendung::starten() {
    m_ab.einstellungenLesen();
    OrteStartLesen(m_ab);
    m_form1->show();
}

void Anwendung::orteVerbinden() {
    const Menue& m = m_form1->menue;
    connect(m.MenueOrtskennungen, &QAction::triggered, this, [this] {
        m_ortskennungen->show();
        m_ortskennungen->raise();
        m_ortskennungen->activateWindow();
    });
    connect(m.MenueLadenOrte, &QAction::triggered, this, [this] { OrteLadenBefehl(m_ab, m_rueckfrage); });
    connect(m.MenueSpeichernOrte, &QAction::triggered, this,
            [this] { OrteSpeichernBefehl(m_ab, m_rueckfrage); });
    connect(m.MenueUndoOrte, &QAction::triggered, this, [this] { OrteUndoBefehl(m_ab, m_rueckfrage); });
}

} // namespace tabulo
