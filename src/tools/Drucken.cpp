#include "tools/Drucken.h"

#include "core/common/Arbeitsbereich.h"
#include "core/common/Rueckfrage.h"
#include "core/files/DateiSchreiber.h"
#include "core/files/EinstellungsSpeicher.h"
#include "tools/DruckauswahlDialog.h"
#include "ui/Druckseiten.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace tabulo {

namespace {
const QString PdfTitel = QStringLiteral("Als PDF exportieren");

// Landscape for the overview's windows; the tables take the same paper, so a printout is one
// stack of pages.
QPageLayout seitenlayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

// The same paper and document name for the printer and for the preview.
void druckerEinrichten(QPrinter& drucker) {
    drucker.setPageLayout(seitenlayout());
    drucker.setDocName(QStringLiteral("Tabulo"));
}
} // namespace

Drucken::Drucken(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* fenster)
    : m_ab(ab), m_rueckfrage(rueckfrage), m_fenster(fenster) {
    auswahlFragen = [this](const Druckauswahl& vorgabe) -> std::optional<Druckauswahl> {
        DruckauswahlDialog dialog(m_ab, vorgabe, m_fenster);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.auswahl();
    };
}

std::optional<Druckauswahl> Drucken::auswahlHolen() {
    const std::optional<Druckauswahl> auswahl = auswahlFragen(druckauswahlLesen(m_ab.speicher()));
    if (auswahl && !auswahl->leer())
        druckauswahlSpeichern(m_ab.speicher(), *auswahl);
    if (auswahl && auswahl->leer())
        return std::nullopt;
    return auswahl;
}

void Drucken::seitenDrucken(const Druckauswahl& auswahl, QPagedPaintDevice& geraet) const {
    const QString ordner = QDir::toNativeSeparators(m_ab.startverzeichnis.isEmpty() ? QDir::currentPath()
                                                                                    : m_ab.startverzeichnis);
    Druckseiten seiten(m_ab, auswahl, ordner, uhr().toString(QStringLiteral("dd.MM.yyyy")));
    seiten.drucken(geraet);
}

void Drucken::MenueDrucken_Click() {
    const std::optional<Druckauswahl> auswahl = auswahlHolen();
    if (!auswahl)
        return;
    QPrinter drucker(QPrinter::HighResolution);
    druckerEinrichten(drucker);
    QPrintDialog dialog(&drucker, m_fenster);
    if (dialog.exec() == QDialog::Accepted)
        seitenDrucken(*auswahl, drucker);
}

void Drucken::MenueSeitenansicht_Click() {
    const std::optional<Druckauswahl> auswahl = auswahlHolen();
    if (!auswahl)
        return;
    QPrinter drucker(QPrinter::HighResolution);
    druckerEinrichten(drucker);
    QPrintPreviewDialog vorschau(&drucker, m_fenster);
    vorschau.setWindowTitle(QStringLiteral("Seitenansicht"));
    connect(&vorschau, &QPrintPreviewDialog::paintRequested, this,
            [this, &auswahl](QPrinter* p) { seitenDrucken(*auswahl, *p); });
    vorschau.exec();
}

void Drucken::MenuePdf_Click() {
    const std::optional<Druckauswahl> auswahl = auswahlHolen();
    if (!auswahl)
        return;
    DateiDialog d;
    d.titel = PdfTitel;
    d.filter = QStringLiteral("Alle Dateien (*.*)|*.*|PDF-Dateien (*.pdf)|*.pdf|");
    d.dateiname = QStringLiteral("Uebersicht.pdf");
    d.speichern = true;
    // The working directory stays: the reload commands read from it.
    if (const std::optional<QString> pfad = m_rueckfrage.dateiWaehlen(d))
        pdfSchreiben(*auswahl, *pfad);
}

bool Drucken::pdfSchreiben(const Druckauswahl& auswahl, const QString& pfad) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageLayout(seitenlayout());
        pdf.setTitle(QStringLiteral("Tabulo: Status\u00fcbersicht"));
        pdf.setCreator(QStringLiteral("Tabulo"));
        seitenDrucken(auswahl, pdf);
    }
    // Through the program's one writer: a failed write leaves an older file as it was.
    const SchreibErgebnis ergebnis = m_ab.schreiber().schreiben(pfad, puffer.data());
    if (!ergebnis)
        m_rueckfrage.meldung(PdfTitel, schreibFehlerText(pfad, ergebnis.fehler), Symbol::Fehler);
    return ergebnis.ok;
}

} // namespace tabulo
