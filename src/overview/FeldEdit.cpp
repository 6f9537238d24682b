#include "overview/FeldEdit.h"

#include "core/common/Arbeitsbereich.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tabulo {

FeldEdit::FeldEdit(Arbeitsbereich& ab, QWidget* parent) : SperrFenster(parent), m_ab(ab) {
    setObjectName(QStringLiteral("FeldEdit"));
    setWindowTitle(QStringLiteral("Feld Bearbeiten"));
    setFont(arial(8.25));
    setFixedSize(pxGanz(0, 0, 7350, 2280).size());

    auto* rahmen = new QGroupBox(this);
    rahmen->setObjectName(QStringLiteral("Frame1"));
    rahmen->setGeometry(pxGanz(60, 30, 7230, 1560));

    m_gruppe = new QButtonGroup(this);
    const QString texte[3] = {QStringLiteral("Frei"), QStringLiteral("Fahrzeug:"), QStringLiteral("Text:")};
    const double oben[3] = {240, 600, 1080};
    for (int k = 0; k < 3; ++k) {
        Auswahl[k] = new QRadioButton(texte[k], this);
        Auswahl[k]->setObjectName(QStringLiteral("Auswahl%1").arg(k));
        Auswahl[k]->setGeometry(pxGanz(180, oben[k], 1215, 315));
        m_gruppe->addButton(Auswahl[k], k);
    }

    Fahrzeug = new QComboBox(this);
    Fahrzeug->setObjectName(QStringLiteral("Fahrzeug"));
    // Fixed pitch, so the columns of the entries line up.
    Fahrzeug->setFont(fixedsys());
    Fahrzeug->setGeometry(pxGanz(1440, 600, 5655, 360));

    Text = new QLineEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setMaxLength(FeldTextLaenge);
    Text->setGeometry(pxGanz(1440, 1080, 3135, 330));
    Text->installEventFilter(this);

    Uebernehmen = new QPushButton(QStringLiteral("\u00dcbernehmen"), this);
    Uebernehmen->setObjectName(QStringLiteral("Uebernehmen"));
    Uebernehmen->setGeometry(pxGanz(4320, 1740, 1365, 405));
    Uebernehmen->setDefault(true);
    Abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Abbrechen->setGeometry(pxGanz(5805, 1740, 1365, 405));
    // Left in the button row, in line with the frame, where it moves nothing.
    InFahrzeugliste = new QPushButton(QStringLiteral("In Fahrzeugliste zeigen"), this);
    InFahrzeugliste->setObjectName(QStringLiteral("InFahrzeugliste"));
    const QRect links = pxGanz(60, 1740, 2400, 405);
    InFahrzeugliste->setGeometry(
        links.adjusted(0, 0, std::max(0, InFahrzeugliste->sizeHint().width() - links.width()), 0));

    connect(Fahrzeug, &QComboBox::activated, this, [this] { waehlen(FeldFahrzeug); });
    connect(Text, &QLineEdit::textEdited, this, [this] { waehlen(FeldText); });
    connect(m_gruppe, &QButtonGroup::idToggled, this, [this] { knoepfeAnpassen(); });
    connect(Uebernehmen, &QPushButton::clicked, this, &FeldEdit::Uebernehmen_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &QWidget::hide);
    connect(InFahrzeugliste, &QPushButton::clicked, this, &FeldEdit::InFahrzeugliste_Click);
}

void FeldEdit::oeffnen(const FeldEditInhalt& inhalt, const QList<QWidget*>& sperren) {
    m_inhalt = inhalt;
    Text->setText(inhalt.text);
    {
        const QSignalBlocker sperre(Fahrzeug);
        Fahrzeug->clear();
        Fahrzeug->addItems(inhalt.eintraege);
        Fahrzeug->setCurrentIndex(inhalt.gewaehlt);
    }
    // The list opens wide enough for whole entries.
    Fahrzeug->view()->setMinimumWidth(Fahrzeug->view()->sizeHintForColumn(0) + 24);
    waehlen(inhalt.auswahl);
    SperrFenster::oeffnen(sperren);
}

int FeldEdit::auswahl() const {
    return m_gruppe->checkedId();
}

void FeldEdit::waehlen(int option) {
    if (option >= 0 && option < 3) {
        Auswahl[option]->setChecked(true);
    } else {
        // A field of a kind of its own: no choice yet.
        m_gruppe->setExclusive(false);
        for (QRadioButton* b : Auswahl)
            b->setChecked(false);
        m_gruppe->setExclusive(true);
    }
    knoepfeAnpassen();
}

// "Fahrzeug:" without any vehicle to take cannot be applied, and has none to show.
void FeldEdit::knoepfeAnpassen() {
    const bool fahrzeug = auswahl() == FeldFahrzeug;
    Uebernehmen->setEnabled(!fahrzeug || Fahrzeug->currentIndex() >= 0);
    InFahrzeugliste->setEnabled(fahrzeug && Fahrzeug->currentIndex() >= 0);
}

bool FeldEdit::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == Text && e->type() == QEvent::MouseButtonPress)
        waehlen(FeldText);
    return SperrFenster::eventFilter(objekt, e);
}

void FeldEdit::Uebernehmen_Click() {
    const int k = std::max(auswahl(), 0);
    if (!FeldEditUebernehmen(m_ab, m_inhalt, k, Fahrzeug->currentIndex(), Text->text()))
        return;
    hide();
}

// The entries are the list as it was at opening; the list window looks the vehicle up as it is now.
void FeldEdit::InFahrzeugliste_Click() {
    const int j = Fahrzeug->currentIndex();
    if (auswahl() != FeldFahrzeug || j < 0 || j >= static_cast<int>(m_inhalt.fahrzeuge.size()))
        return;
    emit fahrzeugInListeZeigen(m_inhalt.fahrzeuge[static_cast<size_t>(j)].kennung);
    // The list window stays disabled: the editor keeps the input.
    raise();
    activateWindow();
}

} // namespace tabulo
