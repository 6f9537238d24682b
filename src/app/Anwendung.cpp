#include "app/Anwendung.h"

#include "app/Form1.h"
#include "app/ZiehSteuerung.h"
#include "model/Arbeitsbereich.h"
#include "model/Rueckfrage.h"

namespace tabulo {

Anwendung::Anwendung(Arbeitsbereich& ab, Rueckfrage& rueckfrage)
    : m_ab(ab), m_rueckfrage(rueckfrage), m_ziehen(std::make_unique<ZiehSteuerung>()),
      m_form1(std::make_unique<Form1>(ab, rueckfrage)) {}

Anwendung::~Anwendung() = default;

void Anwendung::starten() { m_form1->show(); }

} // namespace tabulo
