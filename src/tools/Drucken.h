#pragma once

#include "core/print/Druckauswahl.h"

#include <QDate>
#include <QObject>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace tabulo {

class Arbeitsbereich;
class Rueckfrage;

// "Drucken...", "Seitenansicht..." and "Als PDF exportieren...": each asks what to print (the
// choice is kept for the next time), then prints, previews or writes the PDF.
class Drucken : public QObject {
    Q_OBJECT

public:
    Drucken(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* fenster);

    void MenueDrucken_Click();
    void MenueSeitenansicht_Click();
    void MenuePdf_Click();

    // Writes the printout of a choice as a PDF; false (and said) when the file could not be written.
    bool pdfSchreiben(const Druckauswahl& auswahl, const QString& pfad);

    // The choice dialog; tests answer it. Nothing when cancelled.
    std::function<std::optional<Druckauswahl>(const Druckauswahl& vorgabe)> auswahlFragen;
    // The date in the footer.
    std::function<QDate()> uhr = [] { return QDate::currentDate(); };

private:
    std::optional<Druckauswahl> auswahlHolen();
    void seitenDrucken(const Druckauswahl& auswahl, QPagedPaintDevice& geraet) const;

    Arbeitsbereich& m_ab;
    Rueckfrage& m_rueckfrage;
    QWidget* m_fenster;
};

} // namespace tabulo
