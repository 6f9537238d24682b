#include "tools/InfoForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace tabulo {

namespace {
const QString Programmtitel = QStringLiteral("Tabulo");
}

QString InfoForm::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(TABULO_VERSION_MAJOR)
        .arg(TABULO_VERSION_MINOR)
        .arg(TABULO_VERSION_PATCH);
}

InfoForm::InfoForm() {
    setObjectName(QStringLiteral("InfoForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Programmtitel + QStringLiteral("-Info"));

    picIcon = new QLabel;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    QIcon symbol = QApplication::windowIcon();
    if (symbol.isNull())
        symbol = style()->standardIcon(QStyle::SP_DesktopIcon);
    picIcon->setPixmap(symbol.pixmap(32, 32));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(QStringLiteral("Tabulo - der Editor zu Velastat"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont gross = lblTitle->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.5);
    gross.setBold(true);
    lblTitle->setFont(gross);
    lblVersion = new QLabel(versionText());
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel(QStringLiteral(
        "Tabulo soll das Editieren von Velastat \u00dcbersichten erleichtern. Das Programm ist Freeware."));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("&OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    auto* texte = new QVBoxLayout;
    texte->addWidget(lblTitle);
    texte->addWidget(lblVersion);
    texte->addSpacing(10);
    texte->addWidget(lblDescription);
    auto* oben = new QHBoxLayout;
    oben->addWidget(picIcon);
    oben->addSpacing(10);
    oben->addLayout(texte, 1);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(cmdOK);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addSpacing(10);
    spalte->addLayout(unten);
    setFixedWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, &InfoForm::cmdOK_Click);
    for (const auto taste : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(taste), this), &QShortcut::activated, this,
                &InfoForm::cmdOK_Click);
}

void InfoForm::cmdOK_Click() {
    close();
}

} // namespace tabulo
