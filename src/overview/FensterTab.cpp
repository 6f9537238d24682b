#include "overview/FensterTab.h"

#include "core/common/Arbeitsbereich.h"
#include "core/overview/Fensterwahl.h"
#include "ui/Schriften.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace tabulo {

// The tabs themselves; the mouse goes to the strip's drag handling.
class TabLeiste : public QTabBar {
public:
    TabLeiste(FensterTab& strip) : QTabBar(&strip), m_strip(strip) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QTabBar::mousePressEvent(e); // selects the tab under the pointer
        if (e->button() == Qt::LeftButton)
            m_strip.gedrueckt(mapTo(&m_strip, e->position().toPoint()));
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons() & Qt::LeftButton)
            m_strip.gezogen(e->globalPosition().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QTabBar::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton)
            m_strip.losgelassen(e->globalPosition().toPoint());
    }

private:
    FensterTab& m_strip;
};

FensterTab::FensterTab(Arbeitsbereich& ab, Fensterwahl& wahl, ZiehSteuerung& ziehen, QWidget* parent)
    : QWidget(parent), m_ab(ab), m_wahl(wahl), m_ziehen(ziehen), m_leiste(new TabLeiste(*this)) {
    setObjectName(QStringLiteral("FensterTab"));
    m_leiste->setObjectName(QStringLiteral("FensterTabLeiste"));
    m_leiste->setFont(arial(8));
    m_leiste->setExpanding(false);
    m_leiste->setDrawBase(false);
    m_leiste->setUsesScrollButtons(true);
    for (int w = 1; w <= AnzahlFenster; ++w)
        m_leiste->addTab(ab.fensterTitel[w - 1]);
    m_leiste->setCurrentIndex(wahl.aktuellesFenster() - 1);
    connect(m_leiste, &QTabBar::currentChanged, this, [this](int index) {
        if (m_wahl.tabGewaehlt(index + 1))
            emit fensterGewechselt(index + 1);
    });
    connect(&ab, &Arbeitsbereich::titelVeraendert, this, &FensterTab::titelSetzen);
}

QTabBar& FensterTab::leiste() const {
    return *m_leiste;
}

int FensterTab::gewaehlterTab() const {
    return m_leiste->currentIndex() + 1;
}

void FensterTab::tabWaehlen(int tab) {
    if (tab >= 1 && tab <= m_leiste->count())
        m_leiste->setCurrentIndex(tab - 1);
}

void FensterTab::titelSetzen() {
    for (int w = 1; w <= m_leiste->count(); ++w)
        m_leiste->setTabText(w - 1, m_ab.fensterTitel[w - 1]);
}

std::vector<QRectF> FensterTab::tabRechtecke() const {
    std::vector<QRectF> tabs;
    for (int i = 0; i < m_leiste->count(); ++i)
        tabs.push_back(QRectF(m_leiste->tabRect(i)).translated(m_leiste->pos()));
    return tabs;
}

void FensterTab::gedrueckt(QPoint pos) {
    m_ziehen.beginnen({ZiehQuelle::Tab, -1});
    m_wahl.tabGedrueckt(m_ab, TabAnPosition(tabRechtecke(), pos.x(), pos.y()));
}

void FensterTab::gezogen(QPoint global) {
    m_ziehen.bewegen(global);
}

void FensterTab::losgelassen(QPoint global) {
    m_ziehen.loslassen(global);
    // However the tab drag ended, a later drop of something else is no tab drop.
    m_wahl.tabZiehenBeendet(m_ab);
}

void FensterTab::ziehenUeber(const ZiehQuelle& quelle, ZiehZustand zustand, QPoint pos) {
    if (zustand == ZiehZustand::Verlassen)
        return;
    if (zustand == ZiehZustand::Betreten && m_ab.listenZiehen == 1)
        emit nachVorn();
    const int tab = m_wahl.ziehenUeber(m_ab, TabAnPosition(tabRechtecke(), pos.x(), pos.y()));
    if (tab > 0)
        tabWaehlen(tab);
}

void FensterTab::ablegen(const ZiehQuelle& quelle, QPoint pos) {
    const int gewaehlt = gewaehlterTab();
    if (m_wahl.abgelegt(m_ab, gewaehlt))
        emit fensterGewechselt(gewaehlt);
    m_leiste->update();
}

void FensterTab::resizeEvent(QResizeEvent* e) {
    m_leiste->setGeometry(0, 0, width(), ZeilenHoehe);
    QWidget::resizeEvent(e);
}

void FensterTab::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame rahmen;
    rahmen.initFrom(this);
    rahmen.rect = rect().adjusted(0, ZeilenHoehe - 2, 0, 0);
    rahmen.shape = QTabBar::RoundedNorth;
    rahmen.tabBarRect = m_leiste->geometry();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &rahmen, &p, this);
}

} // namespace tabulo
