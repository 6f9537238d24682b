#include "app/FremdeAenderungen.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/FremdAenderung.h"
#include "core/common/Rueckfrage.h"
#include "overview/Form1.h"
#include "ui/Dateihinweis.h"
#include "ui/Dateiwache.h"
#include "ui/Fortschrittsstreifen.h"

#include <QFileInfo>
#include <QPushButton>

namespace tabulo {

FremdeAenderungen::FremdeAenderungen(Arbeitsbereich& ab, Rueckfrage& rueckfrage, Form1& form1)
    : QObject(&form1), m_ab(ab), m_rueckfrage(rueckfrage), m_form1(form1), m_wache(new Dateiwache(ab, this)),
      m_hinweis(new Dateihinweis(form1.centralWidget())) {
    connect(m_wache, &Dateiwache::geaendert, this, &FremdeAenderungen::geaendert);
    connect(m_wache, &Dateiwache::wiederGleich, this, [this](quint16 dokument) {
        m_offen.erase(dokument);
        naechsten();
    });
    connect(m_hinweis, &Dateihinweis::neuLaden, this, &FremdeAenderungen::neuLaden);
}

FremdeAenderungen::~FremdeAenderungen() = default;

void FremdeAenderungen::geaendert(quint16 dokument, const QString& pfad, DateiAenderung art) {
    m_offen[dokument] = {pfad, art};
    m_gezeigt = 0;
    naechsten();
}

void FremdeAenderungen::naechsten() {
    if (m_offen.empty()) {
        m_hinweis->hide();
        return;
    }
    const auto& [dokument, offen] = *m_offen.begin();
    if (dokument == m_gezeigt && m_hinweis->isVisible())
        return;
    m_gezeigt = dokument;
    const QString name = QFileInfo(offen.pfad).fileName();
    const bool lesbar = offen.art == DateiAenderung::Geaendert;
    m_hinweis->neuLadenKnopf()->setVisible(lesbar);
    m_hinweis->zeigen(lesbar ? name + QStringLiteral(" wurde ge\u00e4ndert - Neu laden?")
                             : name + QStringLiteral(" wurde von einem anderen Programm entfernt."));
}

void FremdeAenderungen::neuLaden() {
    if (m_offen.empty())
        return;
    const auto knoten = m_offen.extract(m_offen.begin());
    const auto dokument = static_cast<Dokument>(knoten.key());
    const QString& pfad = knoten.mapped().pfad;
    // The reload can be taken back, but a question is cheaper than a surprise.
    if (m_ab.istUngespeichert(dokument) &&
        m_rueckfrage.frage(QFileInfo(pfad).fileName() + QStringLiteral(" neu laden"),
                           QStringLiteral("Ihre ungespeicherten \u00c4nderungen an diesem Dokument werden "
                                          "verworfen (\"R\u00fcckg\u00e4ngig\" holt sie zur\u00fcck). "
                                          "Neu laden?"),
                           Knoepfe::JaNein, Symbol::Ausrufezeichen) != Antwort::Ja) {
        naechsten();
        return;
    }
    dokumentNeuLaden(m_ab, m_rueckfrage, m_form1.statusBar(), dokument, pfad);
    naechsten();
}

} // namespace tabulo
