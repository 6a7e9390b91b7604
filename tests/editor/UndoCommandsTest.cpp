// Undo and redo across the form through the real widgets and keys: AutoFill cascades and
// totals undo with their keystroke, the open field keeps its own undo, and a new or loaded
// claim starts without history.

#include "EditorFixture.h"
#include "TestRegistry.h"
#include "editor/AutomaticCommands.h"
#include "editor/DocumentCommands.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "model/ClaimFile.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>

using namespace cw;
using namespace cw::editor;

namespace {

QString openField(EditorFixture& f) {
    const FieldEditor* e = f.window().canvas().openEditor();
    return e ? e->objectName() : QStringLiteral("none");
}

// The key goes to the open field, as the user's would.
void press(EditorFixture& f, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(f.window().canvas().openEditor(), key, modifiers);
}
void undoKey(EditorFixture& f) {
    press(f, Qt::Key_Z, Qt::ControlModifier);
}

QAction* action(EditorFixture& f, const char* name) {
    return f.window().findChild<QAction*>(QString::fromLatin1(name));
}

// The service-line column from line 16 to 37 and its total on line 38.
QString columnAndTotal(EditorFixture& f, char column) {
    QStringList texts;
    for (int group = 16; group <= 38; ++group)
        texts << f.text(QStringLiteral("edit%1%2").arg(group).arg(QLatin1Char(column)).toLatin1());
    return texts.join(u'|');
}

} // namespace

class UndoCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void editMenuFollowsFileWithUndoAndRedo() {
        EditorFixture f;
        const QList<QAction*> menus = f.window().menuBar()->actions();
        QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(menus.at(1)->text(), QStringLiteral("&Edit"));
        QAction* undo = action(f, "Undo1");
        QAction* redo = action(f, "Redo1");
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redo->text(), QStringLiteral("&Redo"));
        QCOMPARE(redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
        // No other item of the window owns these keys.
        for (const QAction* other : f.window().findChildren<QAction*>()) {
            if (other == undo || other == redo)
                continue;
            for (const QKeySequence& keys : undo->shortcuts() + redo->shortcuts())
                QVERIFY2(!other->shortcuts().contains(keys), qPrintable(other->text()));
        }
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        f.type("edit2a", QStringLiteral("x"));
        QVERIFY(undo->isEnabled());
    }

    void autoFillKeystrokeUndoesWithItsCopiesAndTotals_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("redoModifiers");
        QTest::addColumn<int>("redoKey");
        QTest::newRow("Ctrl+Y") << Qt::KeyboardModifiers(Qt::ControlModifier) << int(Qt::Key_Y);
        QTest::newRow("Ctrl+Shift+Z")
            << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << int(Qt::Key_Z);
    }
    void autoFillKeystrokeUndoesWithItsCopiesAndTotals() {
        QFETCH(Qt::KeyboardModifiers, redoModifiers);
        QFETCH(int, redoKey);
        EditorFixture f;
        f.window().automaticCommands().urnAutoFillOn1Click();
        f.type("edit16f", QStringLiteral("5"));
        f.open("edit1a");
        const QString before = columnAndTotal(f, 'f');
        QCOMPARE(f.text("edit38f"), QStringLiteral("110")); // 22 lines of 5

        f.type("edit16f", QStringLiteral("100"));
        f.open("edit2a");
        const QString after = columnAndTotal(f, 'f');
        QCOMPARE(f.text("edit37f"), QStringLiteral("100"));
        QCOMPARE(f.text("edit38f"), QStringLiteral("2200"));

        undoKey(f);
        QCOMPARE(columnAndTotal(f, 'f'), before);
        // The typed field opens, so the user sees what was undone.
        QCOMPARE(openField(f), QStringLiteral("edit16f"));

        // The line edit of the opened field has nothing of its own to redo.
        press(f, Qt::Key(redoKey), redoModifiers);
        QCOMPARE(columnAndTotal(f, 'f'), after);
        undoKey(f);
        undoKey(f);
        QCOMPARE(columnAndTotal(f, 'f'), QString(22, u'|'));
    }

    void anOpenFieldUndoesItsOwnTypingFirst_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Ctrl+Z") << false;
        QTest::newRow("Edit > Undo") << true;
    }
    void anOpenFieldUndoesItsOwnTypingFirst() {
        QFETCH(bool, byMenu);
        EditorFixture f;
        const auto undo = [&] {
            if (byMenu)
                action(f, "Undo1")->trigger();
            else
                undoKey(f);
        };
        f.type("edit2a", QStringLiteral("xy"));
        f.type("edit3a", QStringLiteral("abc"));
        undo();
        QCOMPARE(f.text("edit3a"), QString());
        QCOMPARE(f.text("edit2a"), QStringLiteral("xy"));
        QCOMPARE(openField(f), QStringLiteral("edit3a"));

        // The field's own undo is used up: the claim's history takes the next one.
        undo();
        QCOMPARE(f.text("edit2a"), QString());
        QCOMPARE(openField(f), QStringLiteral("edit2a"));
        action(f, "Redo1")->trigger();
        QCOMPARE(f.text("edit2a"), QStringLiteral("xy"));
        QCOMPARE(f.text("edit3a"), QString());
    }

    void leavingAFieldEndsItsOwnUndo() {
        EditorFixture f;
        f.type("edit2a", QStringLiteral("first"));
        f.open("edit3a");
        FieldEditor* e = f.open("edit2a");
        QVERIFY(!e->isUndoAvailable());
        QTest::keyClicks(e, QStringLiteral("second"));
        f.open("edit3a");
        undoKey(f);
        QCOMPARE(f.text("edit2a"), QStringLiteral("first"));
        undoKey(f);
        QCOMPARE(f.text("edit2a"), QString());
    }

    void undoBackToTheSavedClaimIsUnmodified() {
        EditorFixture f;
        f.type("edit2a", QStringLiteral("kept"));
        f.dialogs().saveAsAnswers.push_back(f.dataFolder() + QStringLiteral("undo.ub4"));
        QCOMPARE(f.window().commands().SaveAs1Click(), SaveAsOutcome::Saved);
        f.type("edit3a", QStringLiteral("more"));
        f.open("edit4a");
        QVERIFY(f.window().commands().status().modified);
        undoKey(f);
        QVERIFY(!f.window().commands().status().modified);
        undoKey(f);
        QVERIFY(f.window().commands().status().modified);
        QCOMPARE(f.text("edit2a"), QString());
    }

    void aNewOrLoadedClaimHasNoHistory_data() {
        QTest::addColumn<bool>("load");
        QTest::newRow("New > Blank Form") << false;
        QTest::newRow("a claim file loaded") << true;
    }
    void aNewOrLoadedClaimHasNoHistory() {
        QFETCH(bool, load);
        EditorFixture f;
        f.type("edit2a", QStringLiteral("typed"));
        f.dialogs().saveAnswers.push_back(SaveAnswer::No);
        if (load) {
            model::ClaimValues claim;
            claim.setValue(u"edit3a", QStringLiteral("loaded"));
            const QString path = f.dataFolder() + QStringLiteral("loaded.ub4");
            QVERIFY(model::writeClaimFile(path, claim).ok());
            QVERIFY(f.window().commands().openClaimFile(path, true));
        } else {
            f.window().commands().BlankForm1Click();
        }
        f.open("edit4a");
        QVERIFY(!action(f, "Undo1")->isEnabled());
        undoKey(f);
        QCOMPARE(f.text("edit2a"), QString());
        QCOMPARE(f.text("edit3a"), load ? QStringLiteral("loaded") : QString());
        QVERIFY(!f.window().commands().status().modified);
    }
};

CW_REGISTER_TEST(UndoCommandsTest)
#include "UndoCommandsTest.moc"
