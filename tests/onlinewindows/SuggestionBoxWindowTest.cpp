#include "onlinewindows/SuggestionBoxWindow.h"

#include "LocalHttpServer.h"
#include "TempHome.h"
#include "TestRegistry.h"
#include "online/WebRequests.h"
#include "platform/MakerValues.h"
#include "platform/WindowPosition.h"

#include <QDir>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using cw::onlinewindows::SuggestionBoxWindow;
using cw::platform::UserRegistry;

class SuggestionBoxWindowTest : public QObject {
    Q_OBJECT

private:
    // The next request the server receives, after everything before was read: a marker request
    // the test sends itself shows that nothing else came.
    void expectNothingSent() {
        QVERIFY(cw::online::httpGetText(m_server.url(u"/marker"_qs)).ok());
        QCOMPARE(m_server.nextRequest()[u"requestLine"].toString(), u"GET /marker HTTP/1.1"_qs);
    }

    void typeAndSend(SuggestionBoxWindow& window, const QString& text) {
        auto* memo = window.findChild<QPlainTextEdit*>(u"SuggestionMemo"_qs);
        memo->clear();
        QTest::keyClicks(memo, text);
        QTest::mouseClick(window.findChild<QPushButton*>(u"SuggestionButton"_qs), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_server.isRunning());
        m_server.serveMakerHosts();
    }

    void looksAsDesigned() {
        cw::test::TempHome home;
        SuggestionBoxWindow window{UserRegistry()};
        QCOMPARE(window.objectName(), u"TfrmSuggestionBox"_qs);
        QCOMPARE(window.windowTitle(), u"Suggestion Box"_qs);
        QCOMPARE(window.size(), QSize(403, 209));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        auto* memo = window.findChild<QPlainTextEdit*>(u"SuggestionMemo"_qs);
        auto* send = window.findChild<QPushButton*>(u"SuggestionButton"_qs);
        QVERIFY(memo && send);
        QCOMPARE(memo->geometry(), QRect(7, 6, 390, 163));
        QCOMPARE(send->geometry(), QRect(7, 178, 75, 25));
        QCOMPARE(send->text(), u"Send"_qs);
        QCOMPARE(send->toolTip(),
                 u"You must be connected to the internet for this feature to work. "_qs);
        QVERIFY(!memo->accessibleName().isEmpty());
        QCOMPARE(send->accessibleName(), u"Send"_qs);
    }

    // "&" arrives encoded; the text area then confirms, and a press on the confirmation sends
    // nothing.
    void sendsOnceAndConfirms() {
        cw::test::TempHome home;
        SuggestionBoxWindow window{UserRegistry()};
        window.show();
        typeAndSend(window, u"Faster & better"_qs);
        // An empty text area is posted too.
        typeAndSend(window, QString());
        QJsonObject request = m_server.nextRequest();
        QCOMPARE(request[u"body"].toString(), u"field1=Faster+%26+better"_qs);
        request = m_server.nextRequest();
        QCOMPARE(request[u"requestLine"].toString(), u"POST /programsuggestionbox.pl? HTTP/1.1"_qs);
        QCOMPARE(request[u"headers"][u"content-type"].toString(), u"text/html"_qs);
        QCOMPARE(request[u"body"].toString(), u"field1="_qs);

        const cw::platform::MakerValues maker = cw::platform::makerValues();
        QCOMPARE(window.text(), u"Your suggestion has been sent. If you indicated that you would "
                                "like a reply, but have not received one in two business days, "
                                "please email "_qs +
                                    maker.supportEmail + u" or call "_qs + maker.supportTelephone +
                                    u'.');
        QTest::mouseClick(window.findChild<QPushButton*>(u"SuggestionButton"_qs), Qt::LeftButton);
        expectNothingSent();
        QCOMPARE(window.text(), SuggestionBoxWindow::confirmationText());
    }

    void lineBreaksTravelAsCrLf() {
        cw::test::TempHome home;
        SuggestionBoxWindow window{UserRegistry()};
        window.show();
        auto* memo = window.findChild<QPlainTextEdit*>(u"SuggestionMemo"_qs);
        QTest::keyClicks(memo, u"one"_qs);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, u"two"_qs);
        window.SuggestionButtonClick();
        QCOMPARE(m_server.nextRequest()[u"body"].toString(), u"field1=one%0d%0atwo"_qs);
    }

    // A suggestion that cannot be delivered is still confirmed.
    void failedDeliveryStillConfirms() {
        cw::test::TempHome home;
        qputenv("CLAIMWRIGHT_SUGGESTION_HOST", "127.0.0.1:1");
        SuggestionBoxWindow window{UserRegistry()};
        window.setText(u"lost"_qs);
        window.SuggestionButtonClick();
        m_server.serveMakerHosts();
        QCOMPARE(window.text(), SuggestionBoxWindow::confirmationText());
    }

    void closeButtonHides() {
        cw::test::TempHome home;
        SuggestionBoxWindow window{UserRegistry()};
        QSignalSpy hidden(&window, &SuggestionBoxWindow::hidden);
        window.show();
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QCOMPARE(hidden.count(), 1);
    }

    // Where it was left, inside the work area; remembered when the window goes.
    void positionIsRemembered() {
        cw::test::TempHome home;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        UserRegistry registry;
        QVERIFY(registry.writeInteger(cw::platform::kWindowPositionsKey,
                                      SuggestionBoxWindow::kLeftValue, 5000));
        QVERIFY(registry.writeInteger(cw::platform::kWindowPositionsKey,
                                      SuggestionBoxWindow::kTopValue, -30));
        {
            SuggestionBoxWindow window{registry};
            QCOMPARE(window.pos(), QPoint(area.right() + 1 - 403, area.top()));
            window.move(area.left() + 12, area.top() + 34);
        }
        QCOMPARE(*registry.readInteger(u"Software\\Quillmark\\Preferences", u"Suggestion Box Left"),
                 std::optional<qint32>(area.left() + 12));
        QCOMPARE(*registry.readInteger(u"Software\\Quillmark\\Preferences", u"Suggestion Box Top"),
                 std::optional<qint32>(area.top() + 34));
    }

    void placement_data() {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("left 5000 on 1024") << QPoint(5000, 100) << QPoint(1024 - 403, 100);
        QTest::newRow("negative") << QPoint(-5, -7) << QPoint(0, 0);
        QTest::newRow("inside") << QPoint(563, 406) << QPoint(563, 406);
        QTest::newRow("top too low") << QPoint(10, 760) << QPoint(10, 768 - 209);
    }
    void placement() {
        QFETCH(QPoint, stored);
        QFETCH(QPoint, placed);
        cw::test::TempHome home;
        UserRegistry registry;
        QVERIFY(registry.writeInteger(cw::platform::kWindowPositionsKey,
                                      SuggestionBoxWindow::kLeftValue, stored.x()));
        QVERIFY(registry.writeInteger(cw::platform::kWindowPositionsKey,
                                      SuggestionBoxWindow::kTopValue, stored.y()));
        const cw::platform::RememberedPosition which{SuggestionBoxWindow::kLeftValue,
                                                     SuggestionBoxWindow::kTopValue,
                                                     SuggestionBoxWindow::kDesignedPosition};
        QCOMPARE(cw::platform::rememberedPosition(registry, which, QSize(403, 209),
                                                  QRect(0, 0, 1024, 768)),
                 placed);
    }

    void designedPositionWithoutAStore() {
        cw::test::TempHome home;
        UserRegistry unreadable;
        QVERIFY(QDir().mkpath(unreadable.filePath())); // a folder in the file's place
        const cw::platform::RememberedPosition which{SuggestionBoxWindow::kLeftValue,
                                                     SuggestionBoxWindow::kTopValue,
                                                     SuggestionBoxWindow::kDesignedPosition};
        QCOMPARE(cw::platform::rememberedPosition(unreadable, which, QSize(403, 209),
                                                  QRect(0, 0, 1024, 768)),
                 QPoint(563, 406));
    }

private:
    LocalHttpServer m_server;
};

CW_REGISTER_TEST(SuggestionBoxWindowTest)
#include "SuggestionBoxWindowTest.moc"
