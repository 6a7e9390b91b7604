#include "onlinewindows/DownloadProgressWindow.h"

#include "TestRegistry.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using cw::onlinewindows::DownloadProgressWindow;

class DownloadProgressWindowTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned() {
        DownloadProgressWindow window;
        QCOMPARE(window.objectName(), u"TFormprogress"_qs);
        QCOMPARE(window.windowTitle(), u"Downloading..."_qs);
        QCOMPARE(window.size(), QSize(368, 126));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        auto* bar = window.findChild<QProgressBar*>(u"ProgressBar1"_qs);
        auto* label = window.findChild<QLabel*>(u"Label999"_qs);
        auto* cancel = window.findChild<QPushButton*>(u"Button1"_qs);
        QVERIFY(bar && label && cancel);
        QCOMPARE(bar->geometry(), QRect(109, 24, 150, 16));
        QCOMPARE(label->geometry(), QRect(0, 58, 368, 17));
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(cancel->geometry(), QRect(144, 96, 75, 25));
        QCOMPARE(cancel->text(), u"Cancel"_qs);
        QVERIFY(!bar->accessibleName().isEmpty());
        QCOMPARE(cancel->accessibleName(), u"Cancel"_qs);
        QVERIFY(!window.isVisible());
    }

    void progressText_data() {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << qint64(5000) << qint64(10000) << u"50%(5000 of 10000 Bytes)"_qs;
        QTest::newRow("rounded down")
            << qint64(9999) << qint64(10000) << u"99%(9999 of 10000 Bytes)"_qs;
        QTest::newRow("start") << qint64(0) << qint64(10000) << u"0%(0 of 10000 Bytes)"_qs;
        QTest::newRow("beyond int") << qint64(3000000000) << qint64(6000000000)
                                    << u"50%(3000000000 of 6000000000 Bytes)"_qs;
        QTest::newRow("no size") << qint64(5000) << qint64(-1) << u"5000 Bytes"_qs;
        QTest::newRow("size 0") << qint64(5000) << qint64(0) << u"5000 Bytes"_qs;
    }
    void progressText() {
        QFETCH(qint64, count);
        QFETCH(qint64, expected);
        QFETCH(QString, text);
        QCOMPARE(DownloadProgressWindow::progressText(count, expected), text);
    }

    void theBarFollowsTheBytes_data() {
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("halfway");
        QTest::newRow("known size") << qint64(10000) << 10000 << 5000;
        QTest::newRow("no size: busy") << qint64(-1) << 0 << 0;
        QTest::newRow("beyond int") << qint64(6000000000) << 5859375 << 2929687;
    }
    void theBarFollowsTheBytes() {
        QFETCH(qint64, expected);
        QFETCH(int, maximum);
        QFETCH(int, halfway);
        DownloadProgressWindow window;
        window.begin(expected);
        QVERIFY(window.isVisible());
        auto* bar = window.findChild<QProgressBar*>(u"ProgressBar1"_qs);
        QCOMPARE(bar->maximum(), maximum);
        window.showProgress(expected > 0 ? expected / 2 : 5000);
        QCOMPARE(bar->value(), halfway);
    }

    void cancelHidesAndSaysSo() {
        DownloadProgressWindow window;
        window.begin(10000);
        QSignalSpy cancelled(&window, &DownloadProgressWindow::cancelRequested);
        QTest::mouseClick(window.findChild<QPushButton*>(u"Button1"_qs), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(cancelled.size(), 1);
        window.begin(10000);
        QVERIFY(!window.close());
        QVERIFY(!window.isVisible());
        QCOMPARE(cancelled.size(), 2);
    }
};

CW_REGISTER_TEST(DownloadProgressWindowTest)
#include "DownloadProgressWindowTest.moc"
