// The claim check in the editor: the findings window and the status panel follow the typing,
// a finding opens its field, and the check before printing asks only when it is switched on
// and the claim has errors.

#include "editor/ClaimCheckCommands.h"

#include "EditorFixture.h"
#include "Fixtures.h"
#include "PrintFixture.h"
#include "TestRegistry.h"
#include "editor/ClaimCheckWindow.h"
#include "editor/DocumentCommands.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "platform/UserRegistry.h"

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace cw::editor;

namespace {

QTreeWidget& findingsList(ClaimCheckCommands& check) {
    auto* list = check.findingsWindow()->findChild<QTreeWidget*>(QStringLiteral("findings"));
    if (!list)
        qFatal("no findings list");
    return *list;
}

QStringList rows(QTreeWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        texts << list.topLevelItem(i)->text(0) + u' ' + list.topLevelItem(i)->text(1);
    return texts;
}

QAction& checkBeforePrinting(MainWindow& window) {
    auto* action = window.findChild<QAction*>(QStringLiteral("CheckBeforePrinting1"));
    if (!action)
        qFatal("no Check claims before printing");
    return *action;
}

} // namespace

class ClaimCheckCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void theListFollowsOneKeystroke() {
        EditorFixture f({cw::test::fixturePath("claim-valid.ub4")});
        ClaimCheckCommands& check = f.window().claimCheck();
        QCOMPARE(check.statusPanel().text(), QStringLiteral("Claim check: no problems"));
        check.statusPanel().click();
        QVERIFY(check.findingsWindow() && check.findingsWindow()->isVisible());
        QTreeWidget& list = findingsList(check);
        QCOMPARE(list.topLevelItemCount(), 0);

        FieldEditor* sex = f.open("edit8b");
        sex->selectAll();
        QTest::keyClick(sex, Qt::Key_F);
        QTRY_COMPARE(rows(list), QStringList{QStringLiteral(
                                     "FL 11 sex f: the sex is M, F or U, a capital letter")});
        QCOMPARE(check.statusPanel().text(), QStringLiteral("Claim check: 1 error"));

        f.type("edit2d", QStringLiteral("111"));
        QTRY_COMPARE(list.topLevelItemCount(), 2);
        QCOMPARE(check.statusPanel().text(), QStringLiteral("Claim check: 1 error, 1 warning"));
        // What the clerk typed is left as it is.
        QCOMPARE(f.window().document().value(fieldIndex("edit8b")), QStringLiteral("f"));
    }

    void enterAndDoubleClickOpenTheField() {
        EditorFixture f({cw::test::fixturePath("claim-valid.ub4")});
        ClaimCheckCommands& check = f.window().claimCheck();
        f.type("edit39i", QStringLiteral("1234567890"));
        f.type("edit8b", QStringLiteral("m"));
        check.CheckClaimClick();
        QTreeWidget& list = findingsList(check);
        QCOMPARE(list.topLevelItemCount(), 2);
        FormCanvas& canvas = f.window().canvas();

        list.setCurrentItem(list.topLevelItem(1)); // FL 56
        QTest::keyClick(&list, Qt::Key_Return);
        QVERIFY(canvas.openEditor());
        QCOMPARE(canvas.openEditor()->catalogueIndex(), fieldIndex("edit39i"));

        QTreeWidgetItem* sex = list.topLevelItem(0);
        const QPoint at = list.visualItemRect(sex).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(canvas.openEditor()->catalogueIndex(), fieldIndex("edit8b"));
    }

    void printingAsksAboutErrorsOnlyWhenSwitchedOn() {
        PrintFixture p;
        p.printModeAnswer = cw::printing::PrintModeChoice{.textOnly = false, .colour = false};
        QAction& setting = checkBeforePrinting(p.f.window());
        QVERIFY(!setting.isChecked());
        // A blank claim lacks every required locator.
        p.print(1);
        QCOMPARE(p.dialogs().questions, QStringList());
        QCOMPARE(p.dialogs().printDialogsShown, 1);

        setting.trigger();
        QCOMPARE(cw::platform::UserRegistry()
                     .readInteger(u"Software\\Quillmark\\Claimwright", u"CheckClaimsBeforePrinting")
                     ->value_or(0),
                 1);
        p.dialogs().yesNoAnswers.push_back(false);
        p.f.window().printCommands().Print1Click();
        QCOMPARE(p.dialogs().questions,
                 QStringList{QStringLiteral("This claim has 21 errors. Print anyway?")});
        QCOMPARE(p.dialogs().printDialogsShown, 1);

        p.dialogs().yesNoAnswers.push_back(true);
        p.print(1);
        QCOMPARE(p.dialogs().questions.size(), 2);
        QCOMPARE(p.dialogs().printDialogsShown, 2);
    }

    void aClaimWithoutErrorsPrintsWithoutAQuestion() {
        PrintFixture p;
        p.printModeAnswer = cw::printing::PrintModeChoice{.textOnly = false, .colour = false};
        p.f.window().commands().openClaimFile(cw::test::fixturePath("claim-valid.ub4"), false);
        checkBeforePrinting(p.f.window()).trigger();
        // A warning alone does not stop a print.
        p.f.type("edit2d", QStringLiteral("111"));
        p.print(1);
        QCOMPARE(p.dialogs().questions, QStringList());
        QCOMPARE(p.dialogs().printDialogsShown, 1);
    }
};

CW_REGISTER_TEST(ClaimCheckCommandsTest)
#include "ClaimCheckCommandsTest.moc"
