#include "ui/VerlaufBefehle.h"

#include "core/common/Arbeitsbereich.h"
#include "core/undo/Rueckgaengig.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace tabulo {

namespace {

// A step named after a vehicle called "A&B" must not underline the B.
QString menueText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QIcon symbol(const char* thema, QStyle::StandardPixmap ersatz) {
    return QIcon::fromTheme(QString::fromLatin1(thema), QApplication::style()->standardIcon(ersatz));
}

} // namespace

void verlaufBefehleBinden(Arbeitsbereich& ab, QAction* rueckgaengig, QAction* wiederholen) {
    rueckgaengig->setIcon(symbol("edit-undo", QStyle::SP_ArrowBack));
    rueckgaengig->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    wiederholen->setIcon(symbol("edit-redo", QStyle::SP_ArrowForward));
    wiederholen->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    const auto auffrischen = [&ab, rueckgaengig, wiederholen] {
        rueckgaengig->setText(menueText(rueckgaengigText(ab.verlauf)));
        rueckgaengig->setEnabled(ab.verlauf.kannRueckgaengig());
        wiederholen->setText(menueText(wiederholenText(ab.verlauf)));
        wiederholen->setEnabled(ab.verlauf.kannWiederholen());
    };
    QObject::connect(&ab.verlauf, &Verlauf::veraendert, rueckgaengig, auffrischen);
    QObject::connect(rueckgaengig, &QAction::triggered, rueckgaengig, [&ab] { Rueckgaengig(ab); });
    QObject::connect(wiederholen, &QAction::triggered, wiederholen, [&ab] { Wiederholen(ab); });
    auffrischen();
}

} // namespace tabulo
