#include "editor/DesktopRequests.h"

#include "EditorFixture.h"
#include "Fixtures.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "desktop/InstanceMessage.h"
#include "editor/AutomaticSettings.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "model/ClaimDocument.h"
#include "platform/DebugOutput.h"

#include <QTest>

using cw::desktop::ReplyKind;
using cw::editor::SaveAnswer;

namespace {

constexpr qint32 kBase = cw::desktop::kFieldMessageBase;

} // namespace

// What the running window does with a later start's hand-over and another program's field
// message; tests/app sends them from real processes.
class DesktopRequestsTest : public QObject {
    Q_OBJECT

private slots:
    // The field message sets the field by catalogue index with both automatic settings off,
    // then puts them back as they were; the value counts as the user's for closing.
    void fieldMessageSetsTheFieldAndRestoresTheSettings_data() {
        QTest::addColumn<bool>("autoFill");
        QTest::addColumn<bool>("autoAddition");
        QTest::newRow("both on") << true << true;
        QTest::newRow("both off") << false << false;
        QTest::newRow("AutoFill only") << true << false;
    }
    void fieldMessageSetsTheFieldAndRestoresTheSettings() {
        QFETCH(bool, autoFill);
        QFETCH(bool, autoAddition);
        EditorFixture f;
        cw::editor::AutomaticSettings& settings = f.window().settings();
        settings.setAutoFill(autoFill);
        settings.setAutoAddition(autoAddition);
        f.window().document().clearModified();
        const QString title = f.window().windowTitle();

        cw::platform::DebugOutputCapture log;
        const auto reply =
            f.window().desktopRequests().receiveFieldMessage(kBase + 1, u"1234567Ü9"_qs);
        QCOMPARE(reply.kind, ReplyKind::Done);
        QCOMPARE(f.window().document().value(1), u"1234567Ü9"_qs);
        QCOMPARE(f.window().canvas().editor(1)->text(), u"1234567Ü9"_qs);
        QCOMPARE(settings.isAutoFillOn(), autoFill);
        QCOMPARE(settings.isAutoAdditionOn(), autoAddition);
        QCOMPARE(log.lines(), QStringList{u"HCFAMSG:500001"_qs});
        QCOMPARE(f.window().windowTitle(), title);
        QVERIFY(f.window().document().status().modified);
    }

    // A charge set by the message is not summed into the totals: automatic addition was off.
    void fieldMessageStartsNoAutomaticAddition() {
        EditorFixture f;
        f.window().settings().setAutoAddition(true);
        f.window().desktopRequests().receiveFieldMessage(kBase + fieldIndex("edit16f"), u"125"_qs);
        QCOMPARE(f.text("edit16f"), u"125"_qs);
        QCOMPARE(f.text("edit38f"), QString());
    }

    // Outside 500000 to 500508 the text is the window's title and the claim stays as it was.
    void outsideTheRangeOnlyTheTitleChanges_data() {
        QTest::addColumn<qint32>("parameter");
        QTest::newRow("one below") << kBase - 1;
        QTest::newRow("one above") << kBase + 509;
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -kBase;
    }
    void outsideTheRangeOnlyTheTitleChanges() {
        QFETCH(qint32, parameter);
        EditorFixture f;
        f.window().document().clearModified();
        const cw::model::ClaimValues before = f.window().document().values();
        cw::platform::DebugOutputCapture log;
        const auto reply =
            f.window().desktopRequests().receiveFieldMessage(parameter, u"Claims of Ward 4"_qs);
        QCOMPARE(reply.kind, ReplyKind::Done);
        QCOMPARE(f.window().windowTitle(), u"Claims of Ward 4"_qs);
        QVERIFY(f.window().document().values() == before);
        QVERIFY(!f.window().document().status().modified);
        QCOMPARE(log.lines(), QStringList{u"HCFAMSG:"_qs + QString::number(parameter)});
    }

    // Text a claim file cannot hold is refused, as typing refuses it, and the field stays.
    void textAClaimCannotHoldIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("Greek") << u"Ωmega"_qs << u"cannot be stored in a claim file"_qs;
        QTest::newRow("emoji") << u"a\U0001F600"_qs << u"cannot be stored in a claim file"_qs;
        QTest::newRow("line break") << u"a\nb"_qs << u"line break"_qs;
    }
    void textAClaimCannotHoldIsRefused() {
        QFETCH(QString, text);
        QFETCH(QString, says);
        EditorFixture f;
        f.window().document().clearModified();
        const auto reply = f.window().desktopRequests().receiveFieldMessage(kBase + 1, text);
        QCOMPARE(reply.kind, ReplyKind::Refused);
        QVERIFY2(reply.message.contains(says), qPrintable(reply.message));
        QCOMPARE(f.window().document().value(1), QString());
        QVERIFY(!f.window().document().status().modified);
    }

    // The hand-over opens as File > Open does: unsaved typing is offered for saving first, and
    // Cancel keeps the claim.
    void handOverAsksFirstAboutUnsavedTyping_data() {
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("No") << SaveAnswer::No << true;
        QTest::newRow("Cancel") << SaveAnswer::Cancel << false;
    }
    void handOverAsksFirstAboutUnsavedTyping() {
        QFETCH(SaveAnswer, answer);
        QFETCH(bool, opened);
        EditorFixture f;
        const QString claim = f.home().file(u"sample.ub4"_qs);
        cw::test::writeFile(claim, cw::test::fixture("claim-sample.ub4"));
        f.type("edit6a", u"Typed, Not Saved"_qs);
        f.dialogs().saveAnswers.push_back(answer);

        const auto reply = f.window().desktopRequests().receiveHandOver(claim);
        QCOMPARE(f.dialogs().promptsShown.size(), size_t(1));
        QCOMPARE(reply.kind, ReplyKind::Done);
        QCOMPARE(f.text("edit6a"), opened ? u"Doe, Jane"_qs : u"Typed, Not Saved"_qs);
        QCOMPARE(reply.message.isEmpty(), opened);
    }

    // A longer name is refused whole, with a message in the window that names the problem; a
    // name cut short might name another file.
    void overLongHandOverIsRefused() {
        EditorFixture f;
        f.type("edit6a", u"Typed, Not Saved"_qs);
        const QString name = u"/tmp/"_qs + QString(596, u'a') + u".ub4"_qs;
        QCOMPARE(name.size(), 605);
        const auto reply = f.window().desktopRequests().receiveHandOver(name);
        QCOMPARE(reply.kind, ReplyKind::Refused);
        QCOMPARE(f.dialogs().errors.size(), 1);
        QVERIFY2(f.dialogs().errors[0].contains(u"605 characters"_qs), qPrintable(reply.message));
        QVERIFY(f.dialogs().promptsShown.empty());
        QCOMPARE(f.text("edit6a"), u"Typed, Not Saved"_qs);
    }
};

CW_REGISTER_TEST(DesktopRequestsTest)

#include "DesktopRequestsTest.moc"
