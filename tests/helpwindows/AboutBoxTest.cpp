#include "helpwindows/AboutBox.h"

#include "TestRegistry.h"
#include "UrlCatcher.h"
#include "platform/MakerValues.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using cw::helpwindows::AboutBox;

class AboutBoxTest : public QObject {
    Q_OBJECT

private:
    static QLabel* label(AboutBox& box, const QString& name) {
        return box.findChild<QLabel*>(name);
    }

private slots:
    void showsTheProductVersionAndBuild() {
        AboutBox box(u"UB-04/CMS 1450 Claimwright NPI"_qs, u"4.3"_qs, u"07/09/2009"_qs);
        QCOMPARE(box.objectName(), u"TAboutBox"_qs);
        QCOMPARE(box.windowTitle(), u"About"_qs);
        QCOMPARE(box.size(), QSize(298, 218));
        QVERIFY(box.isModal());
        auto* panel = box.findChild<QFrame*>(u"Panel1"_qs);
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), QRect(8, 8, 281, 161));
        QCOMPARE(label(box, u"ProductName"_qs)->text(), u"UB-04/CMS 1450 Claimwright NPI"_qs);
        QCOMPARE(label(box, u"Version"_qs)->text(), u"Version 4.3"_qs);
        QCOMPARE(label(box, u"labelversion"_qs)->text(), u"Build 07/09/2009"_qs);
        QCOMPARE(label(box, u"ProductName"_qs)->geometry().topLeft(), QPoint(10, 24));
        QCOMPARE(label(box, u"ProductName"_qs)->width(), 261);
        QCOMPARE(label(box, u"Version"_qs)->geometry().topLeft(), QPoint(10, 48));
        QCOMPARE(label(box, u"labelversion"_qs)->geometry(),
                 QRect(16, 72, 249, label(box, u"labelversion"_qs)->height()));
        for (const char* name : {"ProductName", "Version", "labelversion", "Website"})
            QCOMPARE(label(box, QLatin1StringView(name))->font().pixelSize(), 11);
        for (const char* name : {"ProductName", "Version", "labelversion"})
            QVERIFY(label(box, QLatin1StringView(name))->alignment() & Qt::AlignHCenter);
        auto* ok = box.findChild<QPushButton*>(u"OKButton"_qs);
        QCOMPARE(ok->text(), u"OK"_qs);
        QCOMPARE(ok->geometry(), QRect(111, 188, 75, 25));
        QVERIFY(ok->isDefault());
    }

    void theWebSiteOpensInTheBrowser() {
        AboutBox box(u"P"_qs, u"4.3"_qs, u"07/09/2009"_qs);
        box.show();
        QLabel* website = label(box, u"Website"_qs);
        const QString site = cw::platform::makerValues().webSiteAddress;
        QCOMPARE(website->text(), site);
        QCOMPARE(website->y(), 120);
        // Centred in the panel.
        QVERIFY(qAbs(website->geometry().center().x() - 281 / 2) <= 1);
        QCOMPARE(website->toolTip(),
                 u"Website will load in currently open browser window, if one exists."_qs);
        QCOMPARE(website->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(website->font().underline());
        UrlCatcher browser(u"http"_qs);
        QTest::mouseClick(website, Qt::LeftButton);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(site)});
    }

    void enterCloses() {
        AboutBox box(u"P"_qs, u"4.3"_qs, u"07/09/2009"_qs);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

CW_REGISTER_TEST(AboutBoxTest)
#include "AboutBoxTest.moc"
