#include "core/common/Handbuch.h"
#include "support/SkriptRueckfrage.h"
#include "tools/Werkbank.h"

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
        SCOPED_TRACE(vorhanden ? "guide there" : "guide missing");
        browser.geoeffnet.clear();
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(handbuchtext::Dateiname);
        if (vorhanden) {
            QFile datei(pfad);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        }
        test::Programm p;
        p.w().setzeProgrammOrdner(ordner.path());
        ASSERT_EQ(p.menue().MenueHandbuch->shortcut(), QKeySequence(Qt::Key_F1));
        p.menue().MenueHandbuch->trigger();
        if (vorhanden) {
            EXPECT_EQ(browser.geoeffnet, QList<QUrl>{QUrl::fromLocalFile(pfad)});
            EXPECT_TRUE(p.rueckfrage.fragen.isEmpty());
        } else {
            EXPECT_TRUE(browser.geoeffnet.isEmpty());
            ASSERT_EQ(p.rueckfrage.fragen.size(), 1);
            EXPECT_EQ(p.rueckfrage.fragen[0].titel, "Benutzerhandbuch");
            EXPECT_TRUE(p.rueckfrage.fragen[0].text.startsWith("Das Benutzerhandbuch wurde nicht gefunden."));
        }
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

#include "HandbuchMenueTest.moc"
