#include "EditorFixture.h"
#include "TestRegistry.h"
#include "platform/MakerValues.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using cw::prefs::Pref;

// Runs under a 640 x 480 offscreen screen (a CTest entry of its own); skipped elsewhere.
class LowResolutionWarningTest : public QObject {
    Q_OBJECT

private slots:
    void shownOnceOnASmallScreen() {
        if (QGuiApplication::primaryScreen()->geometry().width() >= 763)
            QSKIP("needs a screen narrower than 763 pixels");
        cw::test::TempHome home;
        const auto start = [&](ScriptedDialogs& dialogs) {
            auto window = std::make_unique<cw::editor::MainWindow>(cw::editor::MainWindow::Services{
                cw::platform::UserRegistry(), EditorFixture::foldersIn(home), &dialogs, {}});
            window->show();
            return window;
        };

        ScriptedDialogs first;
        auto window = start(first);
        QCOMPARE(first.messages.size(), 1);
        QVERIFY(first.messages[0].startsWith(
            QStringLiteral("This program was designed to be used at a screen resolution\n\r")));
        QVERIFY(first.messages[0].endsWith(QStringLiteral("please call ") +
                                           cw::platform::makerValues().supportTelephone));
        QCOMPARE(window->preferences().preferences()[Pref::SeenLowResolutionWarning],
                 QStringLiteral("true"));
        window->close(); // saves the preferences
        window.reset();

        ScriptedDialogs second;
        window = start(second);
        QVERIFY(second.messages.isEmpty());
    }
};

CW_REGISTER_TEST(LowResolutionWarningTest)
#include "LowResolutionWarningTest.moc"
