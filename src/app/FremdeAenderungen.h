#pragma once

#include "core/files/Dateistand.h"

#include <QObject>
#include <map>

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;
class Form1;
class Dateiwache;
class Dateihinweis;

// Files changed by another program while Tabulo runs (the host writing its statuses into the
// vehicle file, a colleague saving): a quiet notice in the main window with a button that reads
// the file again. Nothing is reloaded without that button.
class FremdeAenderungen : public QObject {
    Q_OBJECT

public:
    FremdeAenderungen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Form1& form1);
    ~FremdeAenderungen() override;

    Dateiwache& wache() const { return *m_wache; }
    Dateihinweis& hinweis() const { return *m_hinweis; }

private:
    void geaendert(quint16 dokument, const QString& pfad, DateiAenderung art);
    void naechsten();
    void neuLaden();

    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    Form1& m_form1;
    Dateiwache* m_wache;
    Dateihinweis* m_hinweis;
    struct Offen {
        QString pfad;
        DateiAenderung art;
    };
    std::map<quint16, Offen> m_offen; // by document
    quint16 m_gezeigt = 0;
};

} // namespace tabulo
