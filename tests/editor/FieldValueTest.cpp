// A value keeps exactly what it holds on every way into a field and out of it: loading,
// opening the field, automatic addition, typing and pasting, saving.

#include "EditorFixture.h"
#include "TestRegistry.h"
#include "editor/CaptionLabel.h"
#include "editor/DocumentCommands.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "editor/WindowPlacement.h"
#include "model/ClaimFile.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

using namespace cw;
using namespace cw::editor;
using model::FieldCatalogue;

namespace {

// A claim file in the data folder with these values.
QString claimFileWith(EditorFixture& f, const model::ClaimValues& values) {
    const QString path = f.dataFolder() + u"long.ub4"_qs;
    if (!model::writeClaimFile(path, values).ok())
        qFatal("cannot write the test claim");
    return path;
}

model::ClaimValues savedAs(EditorFixture& f, const QString& name) {
    const QString path = f.dataFolder() + name;
    f.dialogs().saveAsAnswers.push_back(path);
    f.window().commands().SaveAs1Click();
    return *model::readClaimFile(path);
}

} // namespace

class FieldValueTest : public QObject {
    Q_OBJECT

private slots:
    void longerValuesThanTheLimitSurviveOpeningAndSaving() {
        EditorFixture f;
        // edit6a has an editor before the load, edit12a gets one when it is opened.
        f.open("edit6a");
        model::ClaimValues claim;
        const QString eighty = QString(u'8').repeated(79) + u'|';
        const QString sixty = QString(u'6').repeated(59) + u'|';
        const QString huge = QString(u'x').repeated(40000);
        claim.setValue(u"edit12a", eighty);
        claim.setValue(u"edit6a", sixty);
        claim.setValue(u"edit2c", huge);
        f.window().commands().openClaimFile(claimFileWith(f, claim), false);
        QCOMPARE(f.text("edit6a"), sixty);

        for (const char* name : {"edit12a", "edit2c", "edit1a"})
            f.open(name);
        QCOMPARE(f.text("edit12a"), eighty);
        QCOMPARE(f.labelText("edit12a"), eighty);
        QCOMPARE(f.text("edit2c"), huge);
        QVERIFY(!f.window().commands().status().modified);

        const model::ClaimValues saved = savedAs(f, u"saved.ub4"_qs);
        QCOMPARE(saved.value(u"edit12a"), eighty);
        QCOMPARE(saved.value(u"edit6a"), sixty);
        QCOMPARE(saved.value(u"edit2c"), huge);
    }

    void automaticAdditionWritesLongTotalsWhole() {
        EditorFixture f;
        f.open("edit38f");
        f.type("edit16f", QStringLiteral("9999999999"));
        f.type("edit17f", QStringLiteral("9999999999"));
        QCOMPARE(f.text("edit38f"), QStringLiteral("19999999998"));
        QCOMPARE(f.labelText("edit38f"), QStringLiteral("19999999998"));
    }

    void typingAndPastingStopAtTheLimit() {
        EditorFixture f;
        f.type("edit6a", QString(u'a').repeated(40));
        QCOMPARE(f.text("edit6a"), QString(u'a').repeated(37));

        // A paste is cut to the room that is left, where it goes in.
        FieldEditor* e = f.open("edit12d"); // a cents field: two characters
        e->setText(QString());
        QApplication::clipboard()->setText(QStringLiteral("12345"));
        e->paste();
        QCOMPARE(e->text(), QStringLiteral("12"));

        // A loaded value longer than the limit takes no more typing, but can be shortened.
        model::ClaimValues claim;
        claim.setValue(u"edit12a", QString(u'L').repeated(60));
        f.window().commands().openClaimFile(claimFileWith(f, claim), false);
        e = f.open("edit12a");
        e->end(false);
        QTest::keyClicks(e, QStringLiteral("xyz"));
        QCOMPARE(e->text(), QString(u'L').repeated(60));
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QString(u'L').repeated(59));
        QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier); // undo back to the loaded value
        QCOMPARE(e->text(), QString(u'L').repeated(60));
    }

    void pastedLineBreaksBecomeBlanks_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("byKeys");
        const QString text = QStringLiteral("AB\r\nCD\nEF\rGH\u2028IJ\u2029KL\tMN");
        QTest::newRow("Ctrl+V") << text << true;
        QTest::newRow("context menu's Paste") << text << false;
    }
    void pastedLineBreaksBecomeBlanks() {
        QFETCH(QString, clipboard);
        QFETCH(bool, byKeys);
        EditorFixture f;
        f.type("edit14a", QStringLiteral("next line"));
        FieldEditor* e = f.open("edit13a");
        QApplication::clipboard()->setText(clipboard);
        if (byKeys)
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        else
            e->paste(); // what the context menu's Paste calls
        const QString seen = QStringLiteral("AB CD EF GH IJ KL MN");
        QCOMPARE(e->text(), seen);
        QCOMPARE(e->cursorPosition(), seen.size());

        const model::ClaimValues saved = savedAs(f, u"pasted.ub4"_qs);
        QCOMPARE(saved.value(u"edit13a"), seen);
        QCOMPARE(saved.value(u"edit14a"), QStringLiteral("next line"));
    }

    void refusedCharactersAreSaidInTheStatusBar() {
        EditorFixture f;
        FieldEditor* e = f.open("edit6a");
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QStringLiteral("\u0141"),
                            Qt::NoModifier);
        QTest::keyClicks(e, QStringLiteral("ukasz"));
        QCOMPARE(e->text(), QStringLiteral("ukasz"));
        QVERIFY2(f.window().statusMessage().contains(QStringLiteral("U+0141")),
                 qPrintable(f.window().statusMessage()));
        // The settings panels stay in view beside it.
        QCOMPARE(f.window().statusPanelText(1), QStringLiteral("Automatic Addition On"));
    }

    void fieldEditorsHaveTheirOwnBackground() {
        EditorFixture f;
        const FieldEditor* e = f.open("edit2c");
        QCOMPARE(e->palette().color(QPalette::Base), QColor(255, 251, 240));
        QCOMPARE(e->typingLimit(), 30);
    }

    void onlyTheCurrentFieldsHintIconShows() {
        EditorFixture f;
        f.type("edit18c", QStringLiteral("99213"));
        QVERIFY(f.window().canvas().hintIcon(u"label16c")->isVisible());
        // Blank Form after answering No: the prompt held the focus when edit18c closed.
        f.dialogs().saveAnswers.push_back(SaveAnswer::No);
        f.dialogs().duringPrompt = [] {
            QWidget prompt;
            prompt.show();
            QApplication::setActiveWindow(&prompt);
            QTRY_VERIFY(prompt.isActiveWindow());
        };
        f.window().commands().BlankForm1Click();
        QApplication::setActiveWindow(&f.window());
        QTRY_VERIFY(f.window().isActiveWindow());
        QCOMPARE(f.window().canvas().openEditor()->objectName(), QStringLiteral("edit1a"));
        QStringList shown;
        for (const QLabel* icon : f.window().canvas().hintIcons())
            if (icon->isVisible())
                shown << icon->objectName();
        QCOMPARE(shown, QStringList{u"label1a"_qs});
    }

    void theWindowOpensInsideTheScreen_data() {
        QTest::addColumn<QRect>("available");
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1040);
        QTest::newRow("1366 x 768 with a panel above") << QRect(0, 27, 1366, 741);
        QTest::newRow("1280 x 1024 at scale 1.5") << QRect(0, 0, 853, 682);
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024);
    }
    void theWindowOpensInsideTheScreen() {
        QFETCH(QRect, available);
        const QMargins frame(8, 40, 8, 8);
        const QRect window = firstWindowGeometry(available, QSize(805, 734), {80, 1031}, frame);
        const QRect framed = window.marginsAdded(frame);
        QCOMPARE(window.width(), 805);
        QVERIFY(window.height() >= 80 && window.height() <= 734);
        QVERIFY(framed.top() >= available.top() && framed.bottom() <= available.bottom());
        QVERIFY(framed.left() >= available.left());
        if (framed.width() <= available.width())
            QVERIFY(framed.right() <= available.right());
        if (available.height() >= 734 + 48)
            QCOMPARE(window.height(), 734);
    }
};

CW_REGISTER_TEST(FieldValueTest)
#include "FieldValueTest.moc"
