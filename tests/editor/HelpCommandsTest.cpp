#include "editor/HelpCommands.h"

#include "EditorFixture.h"
#include "TestRegistry.h"
#include "UrlCatcher.h"
#include "helpwindows/FillingHelpWindow.h"
#include "helpwindows/HelpChoiceWindow.h"
#include "helpwindows/ProgramHelpWindow.h"
#include "model/ClaimDocument.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using cw::editor::HelpCommands;

class HelpCommandsTest : public QObject {
    Q_OBJECT

private:
    static void click(QWidget& window, const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(QLatin1StringView(name)), Qt::LeftButton);
    }

private slots:
    void theHelpMenuIsComplete() {
        EditorFixture f;
        const QList<std::pair<const char*, QString>> items = {
            {"OpenHelpPage1", u"UB-04/CMS 1450 Claimwright &Help"_qs},
            {"CheckForNewVersion1", u"Check For New Version"_qs},
            {"FrequentlyAskedQuestions1", u"Frequently Asked Questions"_qs},
            {"About1", u"About..."_qs}};
        for (const auto& [name, text] : items) {
            auto* action = f.window().findChild<QAction*>(QLatin1StringView(name));
            QVERIFY2(action, name);
            QCOMPARE(action->text(), text);
            QVERIFY(action->isEnabled());
        }
        QCOMPARE(f.window().findChild<QAction*>(u"OpenHelpPage1"_qs)->shortcut(),
                 QKeySequence(Qt::Key_F1));
        // The help windows are made with the main window, hidden.
        HelpCommands& help = f.window().helpCommands();
        QVERIFY(!help.choiceWindow().isVisible());
        QVERIFY(!help.fillingWindow().isVisible());
        QVERIFY(!help.programWindow().isVisible());
    }

    // F1, the filling help, Back, the program help, Back, Exit Help: modeless all the way, and
    // the claim untouched.
    void theHelpWindowsLeadFromOneToAnother() {
        EditorFixture f;
        f.type("edit8b", u"Doe"_qs);
        HelpCommands& help = f.window().helpCommands();
        QTest::keyClick(&f.window(), Qt::Key_F1);
        QVERIFY(help.choiceWindow().isVisible());
        QVERIFY(!help.choiceWindow().isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        click(help.choiceWindow(), "Button3");
        QVERIFY(!help.choiceWindow().isVisible());
        QVERIFY(help.fillingWindow().isVisible());
        click(help.fillingWindow(), "Button1");
        QVERIFY(!help.fillingWindow().isVisible());
        QVERIFY(help.choiceWindow().isVisible());

        click(help.choiceWindow(), "Button2");
        QVERIFY(help.programWindow().isVisible());
        click(help.programWindow(), "Button1");
        QVERIFY(help.choiceWindow().isVisible());

        click(help.choiceWindow(), "Button3");
        click(help.fillingWindow(), "buttonexithelp");
        QVERIFY(!help.fillingWindow().isVisible());
        QVERIFY(!help.choiceWindow().isVisible());
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.text("edit8b"), u"Doe"_qs);
        QVERIFY(f.window().document().status().modified);
        QVERIFY(f.dialogs().promptsShown.empty());
    }

    // The menu item and the toolbar button open the main server's support page.
    void frequentlyAskedQuestionsOpenTheSupportPage() {
        qputenv("CLAIMWRIGHT_WEB_HOST", "127.0.0.1:8123");
        EditorFixture f;
        UrlCatcher browser(u"http"_qs);
        f.window().findChild<QAction*>(u"FrequentlyAskedQuestions1"_qs)->trigger();
        QAction* button = nullptr;
        for (QAction* action : f.window().findChild<QToolBar*>()->actions())
            if (action->toolTip() == u"Frequently Asked Questions")
                button = action;
        QVERIFY(button && button->isEnabled());
        button->trigger();
        qunsetenv("CLAIMWRIGHT_WEB_HOST");
        const QUrl page(u"http://127.0.0.1:8123/support.php"_qs);
        QCOMPARE(browser.opened, (QList<QUrl>{page, page}));
    }

    // About is modal; its texts are the program's, and Enter closes it.
    void aboutShowsTheProgramAndEnterClosesIt() {
        EditorFixture f;
        QString shown;
        QStringList texts;
        bool closed = false;
        // Runs inside the box's own event loop; whatever it finds, it ends that loop.
        QTimer::singleShot(0, this, [&] {
            QWidget* about = QApplication::activeModalWidget();
            if (!about)
                return;
            shown = about->objectName();
            for (QLabel* label : about->findChildren<QLabel*>())
                if (QStringList{u"ProductName"_qs, u"Version"_qs, u"labelversion"_qs}.contains(
                        label->objectName()))
                    texts << label->text();
            QTest::keyClick(about, Qt::Key_Return);
            closed = !about->isVisible();
            if (!closed)
                about->close();
        });
        f.window().findChild<QAction*>(u"About1"_qs)->trigger();
        QCOMPARE(shown, u"TAboutBox"_qs);
        QVERIFY(closed);
        QCOMPARE(texts, (QStringList{u"UB-04/CMS 1450 Claimwright NPI"_qs, u"Version 4.3"_qs,
                                     u"Build 07/09/2009"_qs}));
    }
};

CW_REGISTER_TEST(HelpCommandsTest)
#include "HelpCommandsTest.moc"
