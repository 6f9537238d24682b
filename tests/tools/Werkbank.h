#pragma once

#include "app/Anwendung.h"
#include "app/Form1.h"
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

    void fahrzeug(const QString& kennung, const QString& stat, const QString& zeit) {
        Fahrzeug f;
        f.kennung = kennung;
        f.stat = stat;
        f.zeit = zeit;
        ab.fahrzeuge.push_back(f);
    }
};

// Windows closed with delete-on-close are gone after this.
inline void geloeschteAufraeumen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tabulo::test
