// The field handlers through the real widgets: keys, flags, warnings, AutoFill, automatic
// addition, the revenue-row marker and the hint icons.

#include "EditorFixture.h"
#include "Fixtures.h"
#include "TestRegistry.h"
#include "editor/AutomaticCommands.h"
#include "editor/AutomaticSettings.h"
#include "editor/CaptionLabel.h"
#include "editor/DocumentCommands.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "model/ClaimFile.h"
#include "printing/PrintFontSettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace cw;
using namespace cw::editor;
using model::FieldCatalogue;

namespace {

QString fieldName(int group, char column) {
    return QStringLiteral("edit%1%2").arg(group).arg(QLatin1Char(column));
}

// The open editor's name, or "none".
QString openField(const EditorFixture& f) {
    const FieldEditor* e = const_cast<EditorFixture&>(f).window().canvas().openEditor();
    return e ? e->objectName() : QStringLiteral("none");
}

void press(EditorFixture& f, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(f.window().canvas().openEditor(), key, mods);
}

QString column(EditorFixture& f, char c, int fromGroup, int toGroup) {
    QStringList texts;
    for (int g = fromGroup; g <= toGroup; ++g)
        texts << f.window().document().value(FieldCatalogue::indexOf(fieldName(g, c)));
    texts.removeDuplicates();
    return texts.join(u'|');
}

void turnAutoFillOn(EditorFixture& f) {
    f.window().automaticCommands().urnAutoFillOn1Click();
}

QAction* action(EditorFixture& f, const char* name) {
    return f.window().findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

class FieldBehavioursTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheFocus_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("to");
        const auto row = [](const char* tag, const char* from, Qt::Key key,
                            Qt::KeyboardModifiers mods, const char* to) {
            QTest::newRow(tag) << QString::fromLatin1(from) << int(key) << int(mods)
                               << QString::fromLatin1(to);
        };
        row("Tab from edit4d", "edit4d", Qt::Key_Tab, Qt::NoModifier, "edit3c");
        row("Tab from edit55d wraps", "edit55d", Qt::Key_Tab, Qt::NoModifier, "edit1a");
        row("Shift+Tab from edit1a", "edit1a", Qt::Key_Backtab, Qt::ShiftModifier, "edit55d");
        row("Enter in edit37b", "edit37b", Qt::Key_Return, Qt::NoModifier, "edit38b");
        row("Enter in edit38a", "edit38a", Qt::Key_Return, Qt::NoModifier, "edit16b");
        row("Enter in edit38j", "edit38j", Qt::Key_Return, Qt::NoModifier, "edit38j");
        row("Enter in edit4a", "edit4a", Qt::Key_Enter, Qt::NoModifier, "edit4a");
        row("Enter in edit5a", "edit5a", Qt::Key_Return, Qt::NoModifier, "edit6b");
        row("Enter in edit54c", "edit54c", Qt::Key_Return, Qt::NoModifier, "edit54c");
        row("Ctrl+Up in edit2c", "edit2c", Qt::Key_Up, Qt::ControlModifier, "edit54b");
        row("Ctrl+Up in edit1b", "edit1b", Qt::Key_Up, Qt::ControlModifier, "edit54a");
        row("Ctrl+Down in edit55a", "edit55a", Qt::Key_Down, Qt::ControlModifier, "edit55a");
        row("Ctrl+Left wraps", "edit1a", Qt::Key_Left, Qt::ControlModifier, "edit2c");
        row("Up alone moves nothing", "edit20a", Qt::Key_Up, Qt::NoModifier, "edit20a");
    }
    void keysMoveTheFocus() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, to);
        EditorFixture f;
        f.open(from.toLatin1().constData());
        press(f, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(openField(f), to);
        // Tab and Enter never reach the field as characters.
        QCOMPARE(f.window().document().value(FieldCatalogue::indexOf(from)), QString());
        QVERIFY(f.window().canvas().editor(FieldCatalogue::indexOf(to))->hasFocus());
    }

    void ctrlAltLetterIsAShortcutNotEnter() {
        EditorFixture f;
        // X11 puts the control character of the letter into the key's text: CR for M.
        FieldEditor* e = f.open("edit2a");
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_M, u"\r"_qs,
                            Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(openField(f), QStringLiteral("edit2a"));
        QVERIFY(!f.window().commands().status().modified);
    }

    void aMoveSelectsTheValueExceptDownTheServiceDates() {
        EditorFixture f;
        FormCanvas& canvas = f.window().canvas();
        model::ClaimDocument& document = f.window().document();
        document.setValue(fieldIndex("edit3c"), QStringLiteral("42"), model::ValueSource::Program);
        document.setValue(fieldIndex("edit17d"), QStringLiteral("010125"),
                          model::ValueSource::Program);
        f.open("edit4d");
        press(f, Qt::Key_Tab);
        QCOMPARE(canvas.editor(fieldIndex("edit3c"))->selectedText(), QStringLiteral("42"));
        f.open("edit16d");
        press(f, Qt::Key_Return);
        const FieldEditor* date = canvas.editor(fieldIndex("edit17d"));
        QVERIFY(!date->hasSelectedText());
        QCOMPARE(date->cursorPosition(), 0);
    }

    void wrapsBetweenTopAndBottomScrollTheForm() {
        EditorFixture f;
        f.window().resize(805, 400);
        QScrollArea& box = f.window().scrollBox();
        QTRY_VERIFY(box.verticalScrollBar()->maximum() > 0);
        f.open("edit1b");
        press(f, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(openField(f), QStringLiteral("edit54a"));
        const FieldEditor* bottom = f.window().canvas().editor(fieldIndex("edit54a"));
        QVERIFY(box.viewport()->rect().contains(
            QRect(bottom->mapTo(box.viewport(), QPoint(0, 0)), bottom->size())));
        press(f, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(openField(f), QStringLiteral("edit1a"));
        QCOMPARE(box.verticalScrollBar()->value(), 0);

        // A field that has no place on the form does not scroll the form to its corner.
        f.open("edit37b");
        const int shown = box.verticalScrollBar()->value();
        press(f, Qt::Key_Return);
        QCOMPARE(openField(f), QStringLiteral("edit38b"));
        QCOMPARE(box.verticalScrollBar()->value(), shown);
    }

    void typedCharactersSetTheFlags_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("patientOrLines");
        QTest::addColumn<bool>("typedCell");
        const auto row = [](const char* tag, const char* name, const char* before, Qt::Key key,
                            const QString& text, bool modified, bool lines, bool cell) {
            QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(before)
                               << int(key) << text << modified << lines << cell;
        };
        row("a digit in a service cell", "edit16f", "", Qt::Key_1, u"1"_qs, true, true, true);
        row("a letter in the patient name", "edit6a", "", Qt::Key_D, u"D"_qs, true, true, false);
        row("a letter elsewhere", "edit2c", "", Qt::Key_D, u"D"_qs, true, false, false);
        row("in the page number of line 23", "edit38k", "", Qt::Key_1, u"1"_qs, true, true, false);
        row("Backspace in an empty cell", "edit16f", "", Qt::Key_Backspace, u"\b"_qs, false, false,
            false);
        row("Delete in an empty cell", "edit16f", "", Qt::Key_Delete, QString(), false, false,
            false);
        // Edits the character rule does not count still make the claim modified, so closing
        // asks before the change is lost.
        row("Backspace deleting a digit", "edit16f", "12", Qt::Key_Backspace, u"\b"_qs, true, false,
            false);
        row("an accented letter", "edit16b", "", Qt::Key_unknown, u"é"_qs, true, false, false);
        row("typing into edit54c", "edit54c", "", Qt::Key_7, u"7"_qs, true, false, false);
    }
    void typedCharactersSetTheFlags() {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, modified);
        QFETCH(bool, patientOrLines);
        QFETCH(bool, typedCell);
        EditorFixture f;
        f.window().document().setValue(FieldCatalogue::indexOf(name), before,
                                       model::ValueSource::Program);
        FieldEditor* e = f.open(name.toLatin1().constData());
        e->end(false);
        QVERIFY(!f.window().commands().status().modified);
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key(key), text, Qt::NoModifier);
        const auto& status = f.window().commands().status();
        QCOMPARE(status.modified, modified);
        QCOMPARE(status.patientOrLinesTyped, patientOrLines);
        const auto at = FieldCatalogue::coordinates(FieldCatalogue::indexOf(name));
        QCOMPARE(f.window().settings().typedCells().isSet(at.group, at.column), typedCell);
    }

    void pasteCountsAsTyping() {
        EditorFixture f;
        QApplication::clipboard()->setText(QStringLiteral("0250"));
        FieldEditor* e = f.open("edit20a");
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e->text(), QStringLiteral("0250"));
        QVERIFY(f.window().settings().typedCells().isSet(20, 'a'));
        QVERIFY(f.window().commands().status().patientOrLinesTyped);
    }

    void fontWarningsComeOncePerRunAboveEightPoints() {
        EditorFixture f;
        f.type("edit20a", QStringLiteral("12345"));
        QVERIFY(f.dialogs().messages.isEmpty());

        f.window().printFont().commit(9, false);
        f.type("edit20a", QStringLiteral("1234"));
        QVERIFY(f.dialogs().messages.isEmpty());
        QTest::keyClicks(f.window().canvas().openEditor(), QStringLiteral("5"));
        QCOMPARE(f.dialogs().messages,
                 QStringList{u"Warning: five digit revenue codes will usually not print properly "
                             u"if the font size is more than 8."_qs});
        QCOMPARE(f.text("edit20a"), QStringLiteral("12345")); // typed all the same
        f.type("edit21a", QStringLiteral("12345"));
        QCOMPARE(f.dialogs().messages.size(), 1);

        f.type("edit12j", QStringLiteral("5"));
        QCOMPARE(f.dialogs().messages.size(), 1);
        QTest::keyClicks(f.window().canvas().openEditor(), QStringLiteral("0"));
        QCOMPARE(f.dialogs().messages.size(), 2);
        QCOMPARE(f.dialogs().messages.back(),
                 u"Warning: cent amounts in the rightmost value codes field will\r\n     usually "
                 u"not print properly if the font size is more than 8."_qs);
        f.type("edit13j", QStringLiteral("50"));
        QCOMPARE(f.dialogs().messages.size(), 2);
    }

    void autoFillCopiesDownToTheMarkerAndSparesTypedCells() {
        EditorFixture f;
        turnAutoFillOn(f);
        f.type("edit16a", QStringLiteral("0250"));
        QCOMPARE(column(f, 'a', 17, 37), QStringLiteral("0250"));
        QCOMPARE(f.text("edit38a"), QString());
        // The copies are the program's, not the user's: the caption labels follow.
        QCOMPARE(f.labelText("edit37a"), QStringLiteral("0250"));

        f.type("edit20a", QStringLiteral("0300"));
        QCOMPARE(column(f, 'a', 17, 19), QStringLiteral("0250"));
        QCOMPARE(column(f, 'a', 21, 37), QStringLiteral("0300"));

        // A right click in the open editor makes the cell the user's own.
        FieldEditor* cell = f.open("edit30a");
        QTest::mouseClick(cell, Qt::RightButton);
        QTRY_VERIFY(!QApplication::activePopupWidget() ||
                    (QApplication::activePopupWidget()->close(), true));
        f.type("edit20a", QStringLiteral("0400"));
        QCOMPARE(f.text("edit30a"), QStringLiteral("0300"));
        QCOMPARE(column(f, 'a', 31, 37), QStringLiteral("0400"));

        // Reset lets AutoFill overwrite every cell again.
        f.window().automaticCommands().ResetAutoFill1Click();
        f.type("edit16a", QStringLiteral("0500"));
        QCOMPARE(column(f, 'a', 16, 37), QStringLiteral("0500"));
    }

    void serviceDatesCopyOnlyFromTheFirstLine() {
        EditorFixture f;
        turnAutoFillOn(f);
        f.type("edit20d", QStringLiteral("010125"));
        QCOMPARE(f.text("edit21d"), QString());
        f.type("edit16d", QStringLiteral("010225"));
        QCOMPARE(column(f, 'd', 17, 19), QStringLiteral("010225"));
        QCOMPARE(f.text("edit20d"), QStringLiteral("010125"));
        QCOMPARE(column(f, 'd', 21, 37), QStringLiteral("010225"));
    }

    void tripleClickMovesTheMarker() {
        EditorFixture f;
        turnAutoFillOn(f);
        FormCanvas& canvas = f.window().canvas();
        FieldEditor* e = f.open("edit25b");
        QTest::mouseDClick(e, Qt::LeftButton);
        QCOMPARE(canvas.markerRow(), 25);
        const auto& row = FieldCatalogue::entry(fieldIndex("edit25a"));
        QCOMPARE(canvas.revenueRowMarker()->geometry(), QRect(row.left - 10, row.top + 4, 10, 10));
        QVERIFY(canvas.revenueRowMarker()->toolTip().startsWith(
            QStringLiteral("Triple click on any one of the transaction rows")));
        f.type("edit16b", QStringLiteral("Room"));
        QCOMPARE(column(f, 'b', 17, 25), QStringLiteral("Room"));
        QCOMPARE(f.text("edit26b"), QString());
        // Below the marker nothing is copied.
        f.type("edit30c", QStringLiteral("99"));
        QCOMPARE(f.text("edit31c"), QString());

        QTest::mouseDClick(f.open("edit38k"), Qt::LeftButton);
        QCOMPARE(canvas.markerRow(), 38);
        QTest::mouseDClick(f.open("edit12b"), Qt::LeftButton);
        QCOMPARE(canvas.markerRow(), 38);
    }

    void autoFillOffCopiesNothingButFlagsStillGrow() {
        EditorFixture f;
        f.type("edit16c", QStringLiteral("A"));
        QCOMPARE(f.text("edit17c"), QString());
        QVERIFY(f.window().settings().typedCells().isSet(16, 'c'));
        QVERIFY(!action(f, "ResetAutoFill1")->isVisible());
        QVERIFY(action(f, "urnAutoFillOn1")->isVisible());
    }

    void autoFillMenuFollowsTheSetting() {
        EditorFixture f;
        auto& prefs = f.window().preferences().preferences();
        turnAutoFillOn(f);
        QVERIFY(!action(f, "urnAutoFillOn1")->isVisible());
        QVERIFY(action(f, "urnAutoFillOff1")->isVisible());
        QVERIFY(action(f, "ResetAutoFill1")->isVisible());
        QCOMPARE(f.window().statusPanelText(0), QStringLiteral("AutoFill On"));
        QCOMPARE(prefs[prefs::Pref::AutoFillOn], QStringLiteral("true"));
        f.window().automaticCommands().urnAutoFillOff1Click();
        QCOMPARE(f.window().statusPanelText(0), QStringLiteral("AutoFill Off"));
        QCOMPARE(prefs[prefs::Pref::AutoFillOn], QStringLiteral("false"));
    }

    void columnFCopiesDriveTheTotals() {
        EditorFixture f;
        turnAutoFillOn(f);
        f.type("edit16f", QStringLiteral("100"));
        f.type("edit16g", QStringLiteral("5"));
        QCOMPARE(f.text("edit38f"), QStringLiteral("2201"));
        QCOMPARE(f.text("edit38g"), QStringLiteral("10"));
        QCOMPARE(f.labelText("edit38f"), QStringLiteral("2201"));
        QCOMPARE(f.text("edit38h"), QString());
    }

    void automaticAdditionFollowsEachKeystroke() {
        EditorFixture f;
        f.type("edit16f", QStringLiteral("x"));
        QCOMPARE(f.text("edit38f"), QStringLiteral("0"));
        QCOMPARE(f.text("edit38g"), QStringLiteral("00"));
        f.type("edit16f", QStringLiteral("125"));
        f.type("edit16g", QStringLiteral("5"));
        f.type("edit17f", QStringLiteral("1,200"));
        QCOMPARE(f.text("edit38f"), QStringLiteral("1325"));
        QCOMPARE(f.text("edit38g"), QStringLiteral("05"));

        // A hand-typed total stays until the next charge change; column h leaves it alone.
        f.type("edit38f", QStringLiteral("7"));
        f.type("edit16h", QStringLiteral("40"));
        QCOMPARE(f.text("edit38f"), QStringLiteral("7"));
        QCOMPARE(f.text("edit38h"), QStringLiteral("40"));
        f.type("edit18f", QStringLiteral("1"));
        QCOMPARE(f.text("edit38f"), QStringLiteral("1326"));

        // The new-claim commands leave the totals empty like every other field.
        f.window().document().clearModified();
        f.window().commands().BlankForm1Click();
        for (const char* total : {"edit38f", "edit38g", "edit38h", "edit38i"})
            QCOMPARE(f.text(total), QString());
    }

    void automaticAdditionMenuAndStartUp() {
        EditorFixture f;
        QAction* item = action(f, "mnuAutoAddition");
        QCOMPARE(item->text(), QStringLiteral("Disable Automatic Addition"));
        item->trigger();
        QCOMPARE(item->text(), QStringLiteral("Enable Automatic Addition"));
        QCOMPARE(f.window().statusPanelText(1), QStringLiteral("Automatic Addition Off"));
        f.type("edit16f", QStringLiteral("5"));
        QCOMPARE(f.text("edit38f"), QString());
        QCOMPARE(f.window().preferences().preferences()[prefs::Pref::AutoAdditionOn],
                 QStringLiteral("false"));

        // The next run starts with the feature off.
        f.window().preferences().savePreferencesNew();
        ScriptedDialogs dialogs;
        MainWindow next(
            {platform::UserRegistry(), EditorFixture::foldersIn(f.home()), &dialogs, {}});
        QCOMPARE(next.findChild<QAction*>(u"mnuAutoAddition"_qs)->text(),
                 QStringLiteral("Enable Automatic Addition"));
        QCOMPARE(next.statusPanelText(1), QStringLiteral("Automatic Addition Off"));
    }

    void loadingCopiesNothingAndKeepsTheFlags() {
        EditorFixture f;
        turnAutoFillOn(f);
        f.type("edit20a", QStringLiteral("0100"));
        f.window().document().clearModified();
        f.window().commands().openClaimFile(test::fixturePath("claim-full.ub4"), false);
        QCOMPARE(f.window().document().values(),
                 *model::readClaimFile(test::fixturePath("claim-full.ub4")));
        QCOMPARE(f.window().statusPanelText(0), QStringLiteral("AutoFill On"));
        QCOMPARE(f.window().statusPanelText(1), QStringLiteral("Automatic Addition On"));
        QVERIFY(f.window().settings().typedCells().isSet(20, 'a'));
    }

    void newPatientBringsBackTheProviderWhateverTheSetting() {
        EditorFixture f;
        f.type("edit1a", QStringLiteral("Lakeside Clinic"));
        f.type("edit4b", QStringLiteral("12-3456789"));
        f.type("edit6a", QStringLiteral("Roe, Ann"));
        f.dialogs().saveAsAnswers.push_back(f.dataFolder() + u"Roe.ub4"_qs);
        f.window().commands().Save1Click();
        f.window().commands().Pa1Click();
        QCOMPARE(f.text("edit1a"), QStringLiteral("Lakeside Clinic"));
        QCOMPARE(f.text("edit4b"), QStringLiteral("12-3456789"));
        QCOMPARE(f.text("edit6a"), QString());
        f.window().commands().BlankForm1Click();
        QCOMPARE(f.text("edit1a"), QString());
    }

    void hintIconsFollowTheFocus() {
        EditorFixture f;
        FormCanvas& canvas = f.window().canvas();
        const auto visible = [&canvas](const char* icon) {
            return canvas.hintIcon(QString::fromLatin1(icon))->isVisible();
        };
        f.open("edit16f");
        QVERIFY(visible("label16f"));
        press(f, Qt::Key_Tab);
        QCOMPARE(openField(f), QStringLiteral("edit16g"));
        QVERIFY(visible("label16f"));
        press(f, Qt::Key_Tab);
        QVERIFY(!visible("label16f"));
        QVERIFY(visible("label16h"));

        f.open("edit38d");
        QVERIFY(visible("label38k"));
        QVERIFY(!visible("label16d"));
        QVERIFY(!visible("label16h"));

        f.open("edit7a");
        QVERIFY(!visible("label38k"));
        const auto shown = [&canvas] {
            int n = 0;
            for (const QLabel* icon : canvas.hintIcons())
                n += icon->isVisible();
            return n;
        };
        QCOMPARE(shown(), 0);
    }

    void hintToolTipsShowSeveralLines() {
        EditorFixture f;
        const QString tip = f.window().canvas().hintIcon(u"label1a")->toolTip();
        QVERIFY(tip.startsWith(u"Provider Name, Address, and Telephone Number Required.\n"_qs));
        QVERIFY(!tip.contains(u'\r'));
        QVERIFY(tip.count(u'\n') >= 2);
    }
};

CW_REGISTER_TEST(FieldBehavioursTest)
#include "FieldBehavioursTest.moc"
