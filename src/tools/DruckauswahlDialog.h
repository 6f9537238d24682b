#pragma once

#include "core/print/Druckauswahl.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QDialogButtonBox;

namespace tabulo {

class Arbeitsbereich;

// "Drucken": which overview windows and which tables a printout holds. The action list can be
// chosen once the action window has read it.
class DruckauswahlDialog : public QDialog {
    Q_OBJECT

public:
    DruckauswahlDialog(const Arbeitsbereich& ab, const Druckauswahl& vorgabe, QWidget* parent = nullptr);

    Druckauswahl auswahl() const;

    std::array<QCheckBox*, AnzahlFenster> Fenster{};
    QCheckBox* Fahrzeuge = nullptr;
    QCheckBox* Orte = nullptr;
    QCheckBox* AktionenTabelle = nullptr;
    QDialogButtonBox* Knoepfe = nullptr;

private:
    void pruefen();
};

} // namespace tabulo
