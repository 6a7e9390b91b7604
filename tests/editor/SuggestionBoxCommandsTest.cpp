#include "editor/SuggestionBoxCommands.h"

#include "EditorFixture.h"
#include "TempHome.h"
#include "TestRegistry.h"
#include "onlinewindows/SuggestionBoxWindow.h"
#include "prefs/Preferences.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using cw::editor::SuggestionBoxCommands;
using cw::prefs::Pref;

namespace {

// The commands on a window of their own, with the preference text given.
struct Commands {
    explicit Commands(const QString& stored) {
        preferences.resetToDefaults();
        preferences[Pref::SuggestionBoxOn] = stored;
        commands = std::make_unique<SuggestionBoxCommands>(typed, options,
                                                           cw::platform::UserRegistry(), main);
    }
    bool showItemVisible() const {
        return options.findChild<QAction*>(u"ShowSuggestionBox1"_qs)->isVisible();
    }
    bool hideItemVisible() const {
        return options.findChild<QAction*>(u"HideSuggestionBox1"_qs)->isVisible();
    }
    bool boxVisible() const { return commands->window().isVisible(); }

    cw::test::TempHome home;
    cw::prefs::Preferences preferences;
    cw::prefs::TypedPreferences typed{preferences};
    QWidget main;
    QMenu options;
    std::unique_ptr<SuggestionBoxCommands> commands;
};

} // namespace

class SuggestionBoxCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // At start-up "true" in any case shows the box, anything else hides it and stores "false".
    void startUpFollowsThePreference_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("true") << u"true"_qs << true << u"true"_qs;
        QTest::newRow("TRUE") << u"TRUE"_qs << true << u"true"_qs;
        QTest::newRow("false") << u"false"_qs << false << u"false"_qs;
        QTest::newRow("other text") << u"yes"_qs << false << u"false"_qs;
    }
    void startUpFollowsThePreference() {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        QFETCH(QString, storedAfter);
        Commands c(stored);
        QCOMPARE(c.boxVisible(), shown);
        QCOMPARE(c.showItemVisible(), !shown);
        QCOMPARE(c.hideItemVisible(), shown);
        QCOMPARE(c.preferences[Pref::SuggestionBoxOn], storedAfter);
    }

    // At the first show only "false" hides: a text that is neither word leaves the box as it is.
    void firstShowHidesOnlyForFalse() {
        Commands c(u"true"_qs);
        c.preferences[Pref::SuggestionBoxOn] = u"maybe"_qs;
        c.commands->applyPreferenceAtFirstShow();
        QVERIFY(c.boxVisible());
        QCOMPARE(c.preferences[Pref::SuggestionBoxOn], u"maybe"_qs);
        c.preferences[Pref::SuggestionBoxOn] = u"FALSE"_qs;
        c.commands->applyPreferenceAtFirstShow();
        QVERIFY(!c.boxVisible());
        QVERIFY(c.showItemVisible());
        QCOMPARE(c.preferences[Pref::SuggestionBoxOn], u"false"_qs);
    }

    void menuItemsShowAndHide() {
        Commands c(u"false"_qs);
        c.options.findChild<QAction*>(u"ShowSuggestionBox1"_qs)->trigger();
        QVERIFY(c.boxVisible());
        QVERIFY(!c.showItemVisible());
        QVERIFY(c.hideItemVisible());
        QCOMPARE(c.preferences[Pref::SuggestionBoxOn], u"true"_qs);
        c.options.findChild<QAction*>(u"HideSuggestionBox1"_qs)->trigger();
        QVERIFY(!c.boxVisible());
        QVERIFY(c.showItemVisible());
        QVERIFY(!c.hideItemVisible());
        QCOMPARE(c.preferences[Pref::SuggestionBoxOn], u"false"_qs);
    }

    // The title bar's close button counts as Hide, so the next start keeps the box hidden.
    void closeButtonCountsAsHide() {
        EditorFixture f;
        auto& commands = f.window().suggestionBox();
        commands.ShowSuggestionBox1Click();
        QVERIFY(commands.window().isVisible());
        QVERIFY(commands.window().close());
        const auto& settings = f.window().preferences().settings();
        QCOMPARE(settings.flagState(Pref::SuggestionBoxOn), cw::prefs::FlagState::False);
        QVERIFY(f.window().findChild<QAction*>(u"ShowSuggestionBox1"_qs)->isVisible());
        QVERIFY(!f.window().findChild<QAction*>(u"HideSuggestionBox1"_qs)->isVisible());
    }

    // Ctrl+S stays with File > Save; the Options item only shows it.
    void saveKeepsCtrlS() {
        EditorFixture f;
        auto* show = f.window().findChild<QAction*>(u"ShowSuggestionBox1"_qs);
        QVERIFY(show->shortcut().isEmpty());
        QVERIFY(show->text().endsWith(u"\tCtrl+S"));
        QCOMPARE(f.window().findChild<QAction*>(u"HideSuggestionBox1"_qs)->shortcut(),
                 QKeySequence(u"Ctrl+H"_qs));
    }
};

CW_REGISTER_TEST(SuggestionBoxCommandsTest)
#include "SuggestionBoxCommandsTest.moc"
