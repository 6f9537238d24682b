#include "ui/QtRueckfrage.h"

#include "ui/Farben.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tabulo {

namespace {
// The buttons of the question about a file changed by another program, in the order shown.
QList<std::pair<Antwort, QString>> dateiKnoepfe(Knoepfe knoepfe) {
    QList<std::pair<Antwort, QString>> liste{{Antwort::Ueberschreiben, QStringLiteral("\u00dcberschreiben")}};
    if (knoepfe != Knoepfe::UeberschreibenAbbrechen)
        liste.append({Antwort::NeuLaden, QStringLiteral("Neu laden")});
    if (knoepfe == Knoepfe::UeberschreibenNeuLadenZusammenfuehrenAbbrechen)
        liste.append({Antwort::Zusammenfuehren, QStringLiteral("Zusammenf\u00fchren")});
    return liste;
}
} // namespace

Antwort QtRueckfrage::frage(const QString& titel, const QString& text, Knoepfe knoepfe, Symbol symbol) {
    QMessageBox box(m_eltern);
    box.setWindowTitle(titel);
    box.setText(text);
    switch (symbol) {
    case Symbol::Keins:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Symbol::Ausrufezeichen:
        box.setIcon(QMessageBox::Warning);
        break;
    case Symbol::Fehler:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (knoepfe) {
    case Knoepfe::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Knoepfe::OkAbbrechen:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Knoepfe::JaNein:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Knoepfe::JaNeinAbbrechen:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default: {
        QList<std::pair<QAbstractButton*, Antwort>> gewaehlt;
        for (const auto& [antwort, text] : dateiKnoepfe(knoepfe))
            gewaehlt.append({box.addButton(text, QMessageBox::AcceptRole), antwort});
        QAbstractButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(qobject_cast<QPushButton*>(abbrechen));
        box.setEscapeButton(abbrechen);
        box.exec();
        for (const auto& [knopf, antwort] : gewaehlt)
            if (box.clickedButton() == knopf)
                return antwort;
        return Antwort::Abbrechen;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    case QMessageBox::Ok:
        return Antwort::Ok;
    default:
        return knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::Abbrechen;
    }
}

std::optional<QString> QtRueckfrage::dateiWaehlen(const DateiDialog& dialog) {
    QFileDialog fd(m_eltern, dialog.titel, QDir::currentPath());
    const QStringList filter = qtFilterListe(dialog.filter);
    fd.setNameFilters(filter);
    if (dialog.filterIndex >= 1 && dialog.filterIndex <= filter.size())
        fd.selectNameFilter(filter[dialog.filterIndex - 1]);
    fd.setOption(QFileDialog::ReadOnly, false);
    if (dialog.speichern) {
        fd.setAcceptMode(QFileDialog::AcceptSave);
        fd.setFileMode(QFileDialog::AnyFile);
        fd.setOption(QFileDialog::DontConfirmOverwrite, !dialog.ueberschreibenFragen);
    } else {
        fd.setAcceptMode(QFileDialog::AcceptOpen);
        fd.setFileMode(dialog.mussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (!dialog.dateiname.isEmpty())
        fd.selectFile(dialog.dateiname);
    if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty())
        return std::nullopt;
    return fd.selectedFiles().constFirst();
}

std::optional<Farbe> QtRueckfrage::farbeWaehlen(Farbe start) {
    const QColor farbe = QColorDialog::getColor(qtFarbe(start), m_eltern);
    if (!farbe.isValid())
        return std::nullopt;
    return windowsFarbe(farbe);
}

} // namespace tabulo
