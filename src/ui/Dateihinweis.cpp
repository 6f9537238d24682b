#include "ui/Dateihinweis.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace tabulo {

Dateihinweis::Dateihinweis(QWidget* eltern) : QFrame(eltern) {
    setObjectName(QStringLiteral("Dateihinweis"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    m_text = new QLabel(this);
    m_neuLaden = new QPushButton(QStringLiteral("Neu laden"), this);
    auto* weg = new QToolButton(this);
    weg->setText(QStringLiteral("\u00d7"));
    weg->setToolTip(QStringLiteral("Hinweis ausblenden"));
    weg->setAutoRaise(true);
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(6, 2, 2, 2);
    zeile->addWidget(m_text);
    zeile->addWidget(m_neuLaden);
    zeile->addWidget(weg);
    connect(m_neuLaden, &QPushButton::clicked, this, [this] {
        hide();
        emit neuLaden();
    });
    connect(weg, &QToolButton::clicked, this, &QWidget::hide);
    eltern->installEventFilter(this);
    hide();
}

void Dateihinweis::zeigen(const QString& text) {
    m_text->setText(text);
    adjustSize();
    anordnen();
    show();
    raise();
}

QString Dateihinweis::text() const {
    return m_text->text();
}

bool Dateihinweis::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == parent() && ereignis->type() == QEvent::Resize)
        anordnen();
    return QFrame::eventFilter(objekt, ereignis);
}

void Dateihinweis::anordnen() {
    const QWidget* eltern = parentWidget();
    move(eltern->width() - width() - 4, eltern->height() - height() - 4);
}

} // namespace tabulo
