#include "onlinewindows/Browser.h"

#include "TestRegistry.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

// Stands in for the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class BrowserTest : public QObject {
    Q_OBJECT

private slots:
    void opensThePageInTheDesktopsBrowser() {
        UrlCatcher browser;
        QDesktopServices::setUrlHandler(u"http"_qs, &browser, "open");
        cw::onlinewindows::openUrlInBrowser(u"http://www.quillmark.example/support.php"_qs);
        QDesktopServices::unsetUrlHandler(u"http"_qs);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(u"http://www.quillmark.example/support.php"_qs)});
    }
};

CW_REGISTER_TEST(BrowserTest)
#include "BrowserTest.moc"
