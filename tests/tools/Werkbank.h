#pragma once

#include "app/Anwendung.h"
#include "overview/Form1.h"
#include "support/TestArbeitsbereich.h"
#include "tools/Werkzeuge.h"

#include <QCoreApplication>

namespace tabulo::test {

// The whole program with an in-memory store and scripted dialogs.
struct Programm : TestArbeitsbereich {
    Programm() : TestArbeitsbereich(Felder::Entwurf) {}

    Anwendung app{ab, rueckfrage};

    Menue& menue() { return app.form1().menue; }
    Werkzeuge& w() { return app.werkzeuge(); }
};

// Windows closed with delete-on-close are gone after this.
inline void geloeschteAufraeumen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tabulo::test
