#include "ui/VerlaufBefehle.h"

#include "core/common/Arbeitsbereich.h"
#include "core/undo/Rueckgaengig.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QStyle>

namespace tabulo {

namespace {

// A step named after a vehicle called "A&B" must not underline the B.
QString menueText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The theme's icon, else the style's. Looked up when a menu first draws it: the style's icons are
// read from several image files, which the start-up should not wait for.
class SpaetesSymbol : public QIconEngine {
public:
    SpaetesSymbol(const char* thema, QStyle::StandardPixmap ersatz) : m_thema(thema), m_ersatz(ersatz) {}

    void paint(QPainter* p, const QRect& ort, QIcon::Mode modus, QIcon::State zustand) override {
        symbol().paint(p, ort, Qt::AlignCenter, modus, zustand);
    }
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        return symbol().pixmap(groesse, modus, zustand);
    }
    QSize actualSize(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        return symbol().actualSize(groesse, modus, zustand);
    }
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State zustand) override {
        return symbol().availableSizes(modus, zustand);
    }
    QIconEngine* clone() const override { return new SpaetesSymbol(m_thema, m_ersatz); }

private:
    const QIcon& symbol() {
        if (m_symbol.isNull())
            m_symbol =
                QIcon::fromTheme(QString::fromLatin1(m_thema), QApplication::style()->standardIcon(m_ersatz));
        return m_symbol;
    }
    const char* m_thema;
    QStyle::StandardPixmap m_ersatz;
    QIcon m_symbol;
};

QIcon symbol(const char* thema, QStyle::StandardPixmap ersatz) {
    return QIcon(new SpaetesSymbol(thema, ersatz));
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
