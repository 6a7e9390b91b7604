#include "TestRegistry.h"
#include "UrlCatcher.h"
#include "helpwindows/FillingHelpWindow.h"
#include "helpwindows/HelpChoiceWindow.h"
#include "helpwindows/ProgramHelpWindow.h"
#include "platform/MakerValues.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace cw::helpwindows;

namespace {

QPushButton* button(QWidget& window, const QString& name) {
    return window.findChild<QPushButton*>(name);
}

// The label showing text, or nothing.
QLabel* labelWith(QWidget& window, const QString& text) {
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

void expectButton(QWidget& window, const QString& name, const QString& text, const QRect& rect) {
    QPushButton* b = button(window, name);
    QVERIFY2(b, qPrintable(name));
    QCOMPARE(b->text(), text);
    QCOMPARE(b->geometry(), rect);
    QVERIFY(!b->accessibleName().isEmpty());
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theChoiceWindow() {
        HelpChoiceWindow window;
        QCOMPARE(window.objectName(), u"TFormHelp"_qs);
        QCOMPARE(window.windowTitle(), u"Help"_qs);
        QCOMPARE(window.size(), QSize(270, 265));
        QVERIFY(!window.isModal());
        expectButton(window, u"Button3"_qs, u"I need help on filling out the UB-04."_qs,
                     QRect(15, 24, 241, 41));
        expectButton(window, u"buttonexithelp"_qs, u"Exit Help"_qs, QRect(91, 208, 89, 25));
        QPushButton* program = button(window, u"Button2"_qs);
        QCOMPARE(program->geometry(), QRect(15, 112, 241, 57));
        // Wrapped onto lines, the words as they stand.
        QCOMPARE(program->text().replace(u'\n', u' '),
                 u"I already know how to fill out the UB-04, and I need help on using this "
                 u"program."_qs);
        QVERIFY(program->text().contains(u'\n'));
        QCOMPARE(program->accessibleName(), program->text().replace(u'\n', u' '));
        QLabel* orLabel = labelWith(window, u"OR"_qs);
        QVERIFY(orLabel);
        QCOMPARE(orLabel->pos(), QPoint(125, 80));
        QVERIFY(orLabel->font().bold());
        QCOMPARE(orLabel->font().pixelSize(), 13);
    }

    // Each button hides the window; the choices say which.
    void theChoicesHideTheWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filling");
        QTest::addColumn<int>("program");
        QTest::newRow("filling") << u"Button3"_qs << 1 << 0;
        QTest::newRow("program") << u"Button2"_qs << 0 << 1;
        QTest::newRow("exit") << u"buttonexithelp"_qs << 0 << 0;
    }
    void theChoicesHideTheWindow() {
        QFETCH(QString, name);
        QFETCH(int, filling);
        QFETCH(int, program);
        HelpChoiceWindow window;
        window.show();
        QSignalSpy fillingChosen(&window, &HelpChoiceWindow::fillingHelpChosen);
        QSignalSpy programChosen(&window, &HelpChoiceWindow::programHelpChosen);
        QTest::mouseClick(button(window, name), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(fillingChosen.size(), filling);
        QCOMPARE(programChosen.size(), program);
    }

    void theFillingHelpWindow() {
        FillingHelpWindow window;
        QCOMPARE(window.objectName(), u"Tformhelpfilling"_qs);
        QCOMPARE(window.windowTitle(), u"Help"_qs);
        QCOMPARE(window.size(), QSize(342, 263));
        QLabel* text = labelWith(
            window,
            u"The instructions that pop up when you move your mouse over the \"Help\" buttons on "
            u"the on the form are specific to Medicare Part A claims. If you are billing an "
            u"insurance company, the instructions may differ. The best way to obtain "
            u"instructions for a specific insurance company is to contact them by phone or "
            u"search their web site."_qs);
        QVERIFY(text);
        QCOMPARE(text->geometry(), QRect(32, 32, 287, 112));
        QVERIFY(text->wordWrap());
        QVERIFY(text->alignment() & Qt::AlignHCenter);
        expectButton(window, u"Button1"_qs, u"Back"_qs, QRect(50, 197, 89, 25));
        expectButton(window, u"buttonexithelp"_qs, u"Exit Help"_qs, QRect(194, 197, 89, 25));
        window.show();
        QSignalSpy back(&window, &FillingHelpWindow::backChosen);
        QTest::mouseClick(button(window, u"Button1"_qs), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(back.size(), 1);
    }

    void theProgramHelpWindow() {
        ProgramHelpWindow window;
        QCOMPARE(window.objectName(), u"Tformhelpprogram"_qs);
        QCOMPARE(window.windowTitle(), u"Help"_qs);
        QCOMPARE(window.size(), QSize(306, 217));
        QLabel* please = labelWith(window, u"For help on using this program, please email us:"_qs);
        QVERIFY(please);
        QCOMPARE(please->geometry(), QRect(72, 35, 150, 32));
        QLabel* note = labelWith(window, u"(clicking this link will open your email program)"_qs);
        QVERIFY(note);
        QCOMPARE(note->pos(), QPoint(42, 133));
        QCOMPARE(note->font().pixelSize(), 11);
        expectButton(window, u"Button1"_qs, u"Back"_qs, QRect(28, 180, 89, 25));
        expectButton(window, u"buttonexithelp"_qs, u"Exit Help"_qs, QRect(188, 180, 89, 25));
        window.show();
        QSignalSpy back(&window, &ProgramHelpWindow::backChosen);
        QTest::mouseClick(button(window, u"buttonexithelp"_qs), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(back.size(), 0);
    }

    // The address opens in the e-mail program; the pointer is a hand over it.
    void theEmailLinkOpensTheMailProgram() {
        ProgramHelpWindow window;
        window.show();
        auto* email = window.findChild<QLabel*>(u"email"_qs);
        QVERIFY(email);
        const QString address = cw::platform::makerValues().supportEmail;
        QCOMPARE(email->text(), address);
        QCOMPARE(email->pos(), QPoint(89, 90));
        QVERIFY(email->font().underline());
        QCOMPARE(email->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(email->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(email->accessibleName(), address);
        UrlCatcher mail(u"mailto"_qs);
        QTest::mouseClick(email, Qt::LeftButton);
        QCOMPARE(mail.opened, QList<QUrl>{QUrl(u"mailto:"_qs + address)});
        QVERIFY(window.isVisible());
    }
};

CW_REGISTER_TEST(HelpWindowsTest)
#include "HelpWindowsTest.moc"
