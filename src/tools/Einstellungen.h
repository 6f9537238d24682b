#pragma once

#include "ui/SperrFenster.h"

class QLineEdit;
class QPushButton;

namespace tabulo {

class EinstellungsSpeicher;

// "Einstellungen": the host's telegram lead-in limits and the column width of its five-tone
// window, written to or deleted from the store at once by their own buttons. Closing stores
// nothing. Created once, then only hidden and shown.
class Einstellungen : public SperrFenster {
    Q_OBJECT

public:
    explicit Einstellungen(EinstellungsSpeicher& speicher);

    // The menu command: the boxes show the stored values anew.
    void anzeigen(const QList<QWidget*>& sperren);

    void TgVlSetzen_Click();
    void TgVlLoeschen_Click();
    void SpBrSetzen_Click();
    void SpBrLoeschen_Click();
    void Uebernehmen_Click();
    void Abbrechen_Click();

    QLineEdit* TgMin = nullptr;
    QLineEdit* TgMax = nullptr;
    QLineEdit* Spaltenbreite = nullptr;
    QPushButton* TgVlSetzen = nullptr;
    QPushButton* TgVlLoeschen = nullptr;
    QPushButton* SpBrSetzen = nullptr;
    QPushButton* SpBrLoeschen = nullptr;
    QPushButton* Uebernehmen = nullptr;
    QPushButton* Abbrechen = nullptr;

private:
    EinstellungsSpeicher& m_speicher;
};

} // namespace tabulo
