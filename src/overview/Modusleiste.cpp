#include "overview/Modusleiste.h"

#include "core/common/Arbeitsbereich.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

namespace tabulo {

namespace {
struct Knopf {
    const char16_t* text;
    double links, breite;
};
constexpr Knopf Knoepfe[4] = {
    {u"Nach Rechts", 3570, 1335},
    {u"Nach Unten", 4890, 1215},
    {u"Tauschen", 6210, 1095},
    {u"\u00dcberschreiben", 7290, 1335},
};
constexpr double KnopfOben = 120, KnopfHoehe = 255;
} // namespace

Modusleiste::Modusleiste(Arbeitsbereich& ab, QWidget* parent) : QWidget(parent), m_ab(ab) {
    setObjectName(QStringLiteral("Frame2"));
    setFont(arial(8));
    auto* label = new QLabel(QStringLiteral("Einf\u00fcgemodus:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(QPointF(px(195), px(150)).toPoint());
    label->adjustSize();

    auto* gruppe = new QButtonGroup(this);
    for (int k = 1; k <= 4; ++k) {
        const Knopf& knopf = Knoepfe[k - 1];
        auto* b = new QRadioButton(QString::fromUtf16(knopf.text), this);
        b->setObjectName(QStringLiteral("ModusButton%1").arg(k));
        // The buttons lie over the frame, positioned on the main window's top strip.
        QRect ort = pxGanz(knopf.links - Links, KnopfOben - Oben, knopf.breite, KnopfHoehe);
        // A wider system font must not cut the caption off.
        ort.setWidth(std::max(ort.width(), b->sizeHint().width()));
        b->setGeometry(ort);
        gruppe->addButton(b, k);
        m_knoepfe[k - 1] = b;
    }
    m_knoepfe[ab.einfuegemodus - 1]->setChecked(true);
    connect(gruppe, &QButtonGroup::idClicked, this, [this](int k) {
        m_ab.einfuegemodus = static_cast<qint16>(k);
        emit modusGewaehlt(k);
    });
}

void Modusleiste::paintEvent(QPaintEvent*) {
    // An etched frame without caption; its top line lies half a caption height down.
    QPainter p(this);
    const QRectF rahmen = QRectF(0.5, 6.5, px(Breite) - 2, height() - 8);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rahmen);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(rahmen.translated(1, 1));
}

} // namespace tabulo
