#include "core/common/Handbuch.h"
#include "support/AnwendungsUmfeld.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace tabulo;

namespace {
// Stands in for the desktop's browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;
public Q_SLOTS:
    void oeffnen(const QUrl& url) { geoeffnet << url; }
};
} // namespace

TEST(Handbuch, F1OeffnetDieGefundeneDateiOderSagtWoGesuchtWurde) {
    Browser browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "oeffnen");
    for (const bool vorhanden : {true, false}) {
        SCOPED_TRACE(vorhanden);
        browser.geoeffnet.clear();
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(handbuchtext::Dateiname);
        if (vorhanden)
            QFile(pfad).open(QIODevice::WriteOnly);
        test::AnwendungsUmfeld p;
        p.starten();
        p.werkzeuge().setzeProgrammOrdner(ordner.path());
        EXPECT_EQ(p.menue().MenueHandbuch->shortcut(), QKeySequence(Qt::Key_F1));
        p.menue().MenueHandbuch->trigger();
        EXPECT_EQ(browser.geoeffnet, vorhanden ? QList<QUrl>{QUrl::fromLocalFile(pfad)} : QList<QUrl>{});
        ASSERT_EQ(p.rueckfrage.fragen.size(), vorhanden ? 0 : 1);
        if (!vorhanden) {
            EXPECT_EQ(p.rueckfrage.fragen[0].text, handbuchFehltText(ordner.path()));
        }
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

#include "HandbuchMenueTest.moc"
