#include "vehicles/Form2.h"

#include "core/common/Arbeitsbereich.h"
#include "core/vehicles/FahrzeugBefehle.h"
#include "core/vehicles/FahrzeugModelle.h"
#include "core/vehicles/Fahrzeugliste.h"
#include "ui/Schriften.h"
#include "vehicles/FahrzeugListView.h"
#include "vehicles/Form2Anordnung.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>

namespace tabulo {

namespace {
// The filter box's row above the lists, in twips; the lists keep their design sizes below it.
constexpr int SuchZeile = 360;
} // namespace

Form2::Form2(Arbeitsbereich& ab, Rueckfrage& rueckfrage, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ab(ab), m_rueckfrage(rueckfrage) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Fahrzeugliste"));
    setFont(arial(8.25));
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_modell1 = new FahrzeugModell(ab, this);
    m_modell2 = new NichtAufgenommenModell(ab, this);
    ListView1 = new FahrzeugListView(*m_modell1, this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView2 = new FahrzeugListView(*m_modell2, this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    Suche = new QLineEdit(this);
    Suche->setObjectName(QStringLiteral("Suche"));
    Suche->setPlaceholderText(QStringLiteral("Suchen (Strg+F): Rufname, Kennung, Info, Bemerkung"));
    Suche->setClearButtonEnabled(true);
    connect(Suche, &QLineEdit::textChanged, this, &Form2::filtern);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        Suche->setFocus();
        Suche->selectAll();
    });
    Suche->installEventFilter(this);

    List2Label = new QLabel(QStringLiteral("Nicht aufgenommen:"), this);
    List2Label->setObjectName(QStringLiteral("List2Label"));

    ModusFrame = new QGroupBox(this);
    ModusFrame->setObjectName(QStringLiteral("ModusFrame"));
    ModusLabel = new QLabel(QStringLiteral("Aufr\u00fccken bis Ende"), ModusFrame);
    ModusLabel->setObjectName(QStringLiteral("ModusLabel"));
    ModusButton[1] = new QRadioButton(QStringLiteral("aktuelles Fenster"), ModusFrame);
    ModusButton[2] = new QRadioButton(QStringLiteral("letztes Fenster"), ModusFrame);
    for (int i : {1, 2}) {
        ModusButton[i]->setObjectName(QStringLiteral("ModusButton%1").arg(i));
        connect(ModusButton[i], &QRadioButton::clicked, this, [this, i] { ModusButton_Click(i); });
    }
    ModusButton[ab.listenmodus == LetztesFenster ? 2 : 1]->setChecked(true);
    ButtonImport = new QPushButton(QStringLiteral("Importieren"), ModusFrame);
    ButtonImport->setObjectName(QStringLiteral("ButtonImport"));
    // One row, left to right, each as wide as its text needs in this font; they do not move.
    int x = form2::px(form2::FrameRand);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ModusLabel, ModusButton[1], ModusButton[2], ButtonImport}) {
        const int hoehe = w == ButtonImport ? form2::px(form2::KnopfHoehe) : form2::px(form2::ZeilenHoehe);
        w->setGeometry(x, (form2::px(form2::FrameHoehe) - hoehe) / 2, w->sizeHint().width(), hoehe);
        x += w->width() + form2::px(form2::FrameRand);
    }

    connect(ButtonImport, &QPushButton::clicked, this, &Form2::ButtonImport_Click);
    connect(ListView1, &FahrzeugListView::loeschen, this, &Form2::ListView1_Loeschen);
    connect(ListView2, &FahrzeugListView::loeschen, this, &Form2::ListView2_Loeschen);
    connect(ListView1, &FahrzeugListView::bearbeiten, this, &Form2::fahrzeugBearbeiten);
    connect(ListView2, &FahrzeugListView::bearbeiten, this, &Form2::fahrzeugBearbeiten);
    connect(ListView1, &FahrzeugListView::leerGedrueckt, this, &Form2::ListView1_LeerGedrueckt);
    connect(ListView1, &FahrzeugListView::inUebersichtZeigen, this, &Form2::inUebersichtZeigen);
    connect(ListView2, &FahrzeugListView::inUebersichtZeigen, this, &Form2::inUebersichtZeigen);
    connect(&ab, &Arbeitsbereich::fahrzeugeVeraendert, this, &Form2::zaehlzeileSetzen);

    setMinimumHeight(form2::px(form2::MindestHoehe - form2::RahmenHoehe + SuchZeile));
    // The design width, or wider where this system's font needs more room for the frame's row.
    const int reihe = x + 2 * form2::px(30) + 2;
    resize(std::max(form2::px(form2::EntwurfsFlaeche.width()), reihe),
           form2::px(form2::EntwurfsFlaeche.height() + SuchZeile));
    anordnen();
}

Form2::~Form2() = default;

int Form2::gewaehltesFahrzeug(int liste) const {
    const FahrzeugListView* view = liste == 2 ? ListView2 : ListView1;
    return view->gewaehltesFahrzeug();
}

void Form2::fahrzeugZeigen(int fahrzeug) {
    show();
    raise();
    activateWindow();
    if (fahrzeug >= 0 && fahrzeug < static_cast<int>(m_ab.fahrzeuge.size()) &&
        !fahrzeugPasst(m_ab.fahrzeuge[static_cast<size_t>(fahrzeug)], m_modell1->filter()))
        Suche->clear();
    int r = 0;
    while (r < m_modell1->rowCount() && m_modell1->fahrzeugIndex(r) != fahrzeug)
        ++r;
    const QModelIndex zeile = m_modell1->index(r, 0);
    if (!zeile.isValid())
        return;
    ListView1->setCurrentIndex(zeile);
    ListView1->scrollTo(zeile);
}

bool Form2::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == Suche && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && !Suche->text().isEmpty()) {
        Suche->clear();
        return true;
    }
    return QWidget::eventFilter(objekt, e);
}

void Form2::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    anordnen();
}

void Form2::anordnen() {
    const QSize flaeche = QSize(width(), height()) * form2::TwipsProPixel - QSize(0, SuchZeile);
    const form2::Anordnung a = form2::anordnen(flaeche);
    const QPoint unten(0, form2::px(SuchZeile));
    Suche->setGeometry(form2::px(QRect(a.listView1.left(), 45, a.listView1.width(), SuchZeile - 60)));
    ListView1->setGeometry(form2::px(a.listView1).translated(unten));
    List2Label->setGeometry(form2::px(a.list2Label).translated(unten));
    ListView2->setGeometry(form2::px(a.listView2).translated(unten));
    ModusFrame->setGeometry(form2::px(a.modusFrame).translated(unten));
}

void Form2::filtern(const QString& text) {
    m_modell1->setzeFilter(text.trimmed());
    m_modell2->setzeFilter(text.trimmed());
    zaehlzeileSetzen();
}

void Form2::ModusButton_Click(int index) {
    m_ab.listenmodus = static_cast<qint16>(index);
}

void Form2::ButtonImport_Click() {
    FahrzeugImportBefehl(m_ab, m_rueckfrage);
}

void Form2::ListView1_Loeschen(int fahrzeug) {
    FahrzeugLoeschen(m_ab, fahrzeug, *m_fortschritt);
}

void Form2::ListView2_Loeschen(int fahrzeug) {
    NichtAufgenommenLoeschen(m_ab, fahrzeug);
}

void Form2::ListView1_LeerGedrueckt() {
    m_ab.listenZiehen = 0;
    emit neuesFahrzeug();
}

void Form2::zaehlzeileSetzen() {
    List2Label->setText(m_modell1->filter().isEmpty()
                            ? nichtAufgenommenText(m_ab)
                            : nichtAufgenommenText(m_modell2->rowCount(), m_modell1->rowCount(), true));
}

} // namespace tabulo
