#include "EditorFixture.h"
#include "Fixtures.h"
#include "TestRegistry.h"
#include "editor/AutomaticSettings.h"
#include "editor/CaptionLabel.h"
#include "editor/DocumentCommands.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "model/ClaimFile.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace cw;
using namespace cw::editor;
using model::DocumentState;
using model::FieldCatalogue;
using test::fixturePath;

namespace {

const QString kTitle = QStringLiteral("UB-04/CMS 1450 Claimwright NPI");

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A copy of a fixture in the data folder, so that saving to it is harmless.
QString copyToDataFolder(EditorFixture& f, const char* fixture, const QString& name) {
    const QString path = f.dataFolder() + name;
    QFile::remove(path);
    QFile::copy(fixturePath(fixture), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithANewPatientAndTheFirstFieldOpen() {
        EditorFixture f;
        QCOMPARE(f.window().windowTitle(), kTitle);
        QCOMPARE(f.window().objectName(), QStringLiteral("TForm1"));
        QCOMPARE(f.window().width(), 805);
        QCOMPARE(f.window().canvas().openEditor()->objectName(), QStringLiteral("edit1a"));
        QCOMPARE(f.window().commands().status().state, DocumentState::New);
        QCOMPARE(f.window().statusPanelText(0), QStringLiteral("AutoFill Off"));
        QCOMPARE(f.window().statusPanelText(1), QStringLiteral("Automatic Addition On"));
        const FieldEditor* e = f.window().canvas().editor(u"edit12d");
        QCOMPARE(e->typingLimit(), 2);
        QCOMPARE(e->geometry(), QRect(497, 195, 21, 17));
        QCOMPARE(f.window().canvas().captionLabel(FieldCatalogue::indexOf(u"edit1a"))->geometry(),
                 QRect(21, 18, 218, 17));

        // The marker stands left of line 22; the hint icons are there, hidden, at the anchors.
        const QLabel* marker = f.window().canvas().revenueRowMarker();
        QCOMPARE(f.window().canvas().markerRow(), 37);
        QCOMPARE(marker->geometry(), QRect(13 - 9, 584 + 4, 10, 10));
        QVERIFY(marker->toolTip().startsWith(QStringLiteral("Triple Click on any one")));
        const QLabel* hint = f.window().canvas().hintIcon(u"label4b");
        QVERIFY(hint && hint->isHidden());
        QCOMPARE(hint->geometry(), QRect(550, 42, 24, 15));
    }

    void clickingACaptionLabelOpensItsField() {
        EditorFixture f;
        f.type("edit1a", QStringLiteral("Provider"));
        FormCanvas& canvas = f.window().canvas();
        QTest::mouseClick(canvas.captionLabel(FieldCatalogue::indexOf(u"edit6a")), Qt::LeftButton);
        QVERIFY(canvas.editor(u"edit6a")->isVisible());
        QVERIFY(canvas.editor(u"edit6a")->hasFocus());
        QVERIFY(!canvas.editor(u"edit1a")->isVisible());
        QCOMPARE(f.labelText("edit1a"), QStringLiteral("Provider"));
        QCOMPARE(canvas.selectedField(), 10);
    }

    void oneEditorIsOpenEvenWhenTheWindowWasInactive() {
        EditorFixture f;
        FormCanvas& canvas = f.window().canvas();
        QVERIFY(!canvas.editor(u"edit1a")->isHidden());
        // Deactivating the window takes the focus away without closing the open editor.
        QApplication::setActiveWindow(nullptr);
        QVERIFY(!canvas.editor(u"edit1a")->isHidden());
        QTest::mouseClick(canvas.captionLabel(FieldCatalogue::indexOf(u"edit2c")), Qt::LeftButton);
        QVERIFY(canvas.editor(u"edit1a")->isHidden());
        QCOMPARE(canvas.openEditor()->objectName(), QStringLiteral("edit2c"));
    }

    void loadingFillsEveryCaptionLabelAndTheTitle() {
        EditorFixture f;
        f.window().commands().openClaimFile(fixturePath("claim-full.ub4"), true);
        const auto claim = *model::readClaimFile(fixturePath("claim-full.ub4"));
        for (int i = 0; i < model::kFieldCount; ++i) {
            QCOMPARE(f.window().document().value(i), claim[i]);
            QCOMPARE(f.window().canvas().captionLabel(i)->text(), claim[i]);
        }
        QCOMPARE(f.window().windowTitle(), QStringLiteral("claim-full.ub4 - ") + kTitle);
        QCOMPARE(f.window().commands().status().state, DocumentState::Open);
        QVERIFY(!f.window().commands().status().modified);
    }

    void loadingSuspendsBothSettingsAndRestoresThem() {
        EditorFixture f;
        AutomaticSettings& settings = f.window().settings();
        settings.setAutoFill(true);
        QStringList seen;
        connect(&settings, &AutomaticSettings::autoFillChanged, this,
                [&](const QString& text) { seen << text; });
        f.window().commands().openClaimFile(fixturePath("claim-sample.ub4"), true);
        QCOMPARE(seen, (QStringList{u"AutoFill Off"_qs, u"AutoFill On"_qs}));
        QCOMPARE(settings.isAutoFillOn(), true);
        QCOMPARE(settings.isAutoAdditionOn(), true);
        QVERIFY(settings.isGateOpen());
    }

    void openingWithoutAFileNameEmptiesTheClaim() {
        EditorFixture f;
        f.type("edit2c", QStringLiteral("123"));
        f.window().document().clearModified();
        f.window().commands().openClaimFile(QString(), false);
        QCOMPARE(f.text("edit2c"), QString());
        QCOMPARE(f.window().windowTitle(), QStringLiteral(" - ") + kTitle);
    }

    void unreadableFileLeavesTheClaimAsItWas_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing") << u"missing.ub4"_qs;
        QTest::newRow("a folder") << u"folder.ub4"_qs;
        QTest::newRow("too large") << u"big.ub4"_qs;
    }
    void unreadableFileLeavesTheClaimAsItWas() {
        QFETCH(QString, relative);
        EditorFixture f;
        const QString loaded = copyToDataFolder(f, "claim-sample.ub4", u"Doe.ub4"_qs);
        f.window().commands().openClaimFile(loaded, false);
        f.type("edit2c", QStringLiteral("9"));
        QDir(f.dataFolder()).mkdir(QStringLiteral("folder.ub4"));
        QFile big(f.dataFolder() + u"big.ub4"_qs);
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(20 * 1024 * 1024));
        big.close();

        const model::ClaimValues before = f.window().document().values();
        const QString title = f.window().windowTitle();
        const QString path = f.dataFolder() + relative;
        f.window().commands().openClaimFile(path, false);

        QCOMPARE(f.window().document().values(), before);
        QCOMPARE(f.window().windowTitle(), title);
        QCOMPARE(f.window().commands().status().currentFileName, loaded);
        QVERIFY(f.window().commands().status().modified);
        QCOMPARE(f.dialogs().errors.size(), 1);
        QVERIFY(f.dialogs().errors[0].startsWith(
            QStringLiteral("There has been an error in the program.")));
        QVERIFY2(f.dialogs().errors[0].contains(path), qPrintable(f.dialogs().errors[0]));
    }

    void saveAsksForANameAfterPatientOrLineTyping_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("asksForName");
        QTest::newRow("patient name") << u"edit6a"_qs << true;
        QTest::newRow("service line") << u"edit17c"_qs << true;
        QTest::newRow("patient control number") << u"edit2c"_qs << false;
    }
    void saveAsksForANameAfterPatientOrLineTyping() {
        QFETCH(QString, field);
        QFETCH(bool, asksForName);
        EditorFixture f;
        const QString path = copyToDataFolder(f, "claim-sample.ub4", u"Doe.ub4"_qs);
        f.window().commands().openClaimFile(path, false);
        f.type(qPrintable(field), QStringLiteral("X"));

        QTest::keyClick(&f.window(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.dialogs().saveRequests.size(), asksForName ? 1 : 0);
        if (asksForName) {
            QCOMPARE(f.dialogs().saveRequests[0].proposedName, QStringLiteral("Doe"));
            QVERIFY(f.window().commands().status().modified); // the dialog was cancelled
        } else {
            QVERIFY(!f.window().commands().status().modified);
            QCOMPARE(model::readClaimFile(path)->value(field), f.text(qPrintable(field)));
        }
    }

    void saveAsProposesTheNextFreePage() {
        EditorFixture f;
        for (const char* page : {"Page 1.ub4", "Page 2.ub4"})
            copyToDataFolder(f, "claim-empty.ub4",
                             QStringLiteral("Doe, Jane 2007-03 (March) ") +
                                 QLatin1StringView(page));
        f.type("edit6a", QStringLiteral("Doe, Jane"));
        f.type("edit16d", QStringLiteral("031507"));
        const QString chosen = f.dataFolder() + u"Doe, Jane 2007-03 (March) Page 3.ub4"_qs;
        f.dialogs().saveAsAnswers.push_back(chosen);
        f.window().commands().Save1Click();

        QCOMPARE(f.dialogs().saveRequests.at(0).proposedName,
                 QStringLiteral("Doe, Jane 2007-03 (March) Page 3"));
        QCOMPARE(f.dialogs().saveRequests.at(0).folder, f.dataFolder());
        QCOMPARE(model::readClaimFile(chosen)->value(u"edit6a"), QStringLiteral("Doe, Jane"));
        QCOMPARE(f.window().windowTitle(),
                 QStringLiteral("Doe, Jane 2007-03 (March) Page 3.ub4 - ") + kTitle);
        QCOMPARE(f.window().commands().status().state, DocumentState::SaveAs);
        // The provider lines saved become the template New > Patient fills in.
        f.type("edit1a", QStringLiteral("Provider"));
        f.window().commands().Save1Click();
        f.window().commands().Pa1Click();
        QCOMPARE(f.text("edit1a"), QStringLiteral("Provider"));
        QCOMPARE(f.text("edit6a"), QString());
    }

    void failedSaveKeepsTheOldFileAndTheClaimUnsaved() {
        EditorFixture f;
        const QString path = copyToDataFolder(f, "claim-sample.ub4", u"Doe.ub4"_qs);
        f.window().commands().openClaimFile(path, false);
        f.type("edit6a", QStringLiteral("Roe, Richard"));
        // A folder where the file should go: the write cannot succeed.
        const QString blocked = f.dataFolder() + u"blocked.ub4"_qs;
        QDir().mkpath(blocked);
        f.dialogs().saveAsAnswers.push_back(blocked);
        QCOMPARE(f.window().commands().SaveAs1Click(), SaveAsOutcome::Failed);

        QCOMPARE(f.dialogs().errors.size(), 1);
        QVERIFY(f.dialogs().errors[0].startsWith(QStringLiteral("The file could not be saved.")));
        QVERIFY(f.window().commands().status().modified);
        QCOMPARE(f.window().commands().status().currentFileName, path);
        QCOMPARE(f.window().windowTitle(), QStringLiteral("Doe.ub4 - ") + kTitle);
        QCOMPARE(contents(path), contents(fixturePath("claim-sample.ub4")));
    }

    void yesThenCancelledSaveStillReplacesTheClaim() {
        EditorFixture f;
        f.type("edit2c", QStringLiteral("typed"));
        f.dialogs().saveAnswers.push_back(SaveAnswer::Yes);
        f.dialogs().saveAsAnswers.push_back(QString());
        f.window().commands().BlankForm1Click();
        QCOMPARE(f.dialogs().promptsShown.size(), 1u);
        QCOMPARE(f.dialogs().saveRequests.size(), 1u);
        QCOMPARE(f.text("edit2c"), QString());
        QVERIFY(!f.window().commands().status().modified);
    }

    void promptAnswersBeforeReplacing_data() {
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("No") << SaveAnswer::No << true;
        QTest::newRow("Cancel") << SaveAnswer::Cancel << false;
        QTest::newRow("close box") << SaveAnswer::Closed << false;
    }
    void promptAnswersBeforeReplacing() {
        QFETCH(SaveAnswer, answer);
        QFETCH(bool, replaced);
        EditorFixture f;
        f.type("edit2c", QStringLiteral("typed"));
        f.dialogs().saveAnswers.push_back(answer);
        f.window().commands().openClaimFile(fixturePath("claim-sample.ub4"), true);
        QCOMPARE(f.text("edit2c"),
                 replaced ? QStringLiteral("123456789") : QStringLiteral("typed"));
        QCOMPARE(f.window().commands().status().modified, !replaced);
        QCOMPARE(f.dialogs().promptsShown, std::vector<SavePrompt>{SavePrompt::BeforeReplacing});
    }

    void newFormForCurrentPatientKeepsThePatient() {
        EditorFixture f;
        const QString path = copyToDataFolder(f, "claim-sample.ub4", u"Doe.ub4"_qs);
        f.window().commands().openClaimFile(path, false);
        f.window().commands().FormforCurrentPatient1Click();
        QCOMPARE(f.text("edit6a"), QStringLiteral("Doe, Jane"));
        QCOMPARE(f.text("edit16a"), QString());
        QCOMPARE(f.text("edit38f"), QString());
        QCOMPARE(f.window().windowTitle(), kTitle);
        // Saving proposes the loaded file's name.
        f.window().commands().Save1Click();
        QCOMPARE(f.dialogs().saveRequests.at(0).proposedName, QStringLiteral("Doe"));
    }

    void closingAsksAndCancelKeepsEverything() {
        EditorFixture f;
        f.type("edit2c", QStringLiteral("typed"));
        f.dialogs().saveAnswers.push_back(SaveAnswer::Cancel);
        QVERIFY(!f.window().close());
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.text("edit2c"), QStringLiteral("typed"));
        QVERIFY(f.window().commands().status().modified);
        QCOMPARE(f.dialogs().promptsShown, std::vector<SavePrompt>{SavePrompt::BeforeClosing});

        f.dialogs().saveAnswers.push_back(SaveAnswer::No);
        f.window().close();
        QTRY_VERIFY(!f.window().isVisible());
    }

    void closingWithYesSavesThenCloses() {
        EditorFixture f;
        f.type("edit6a", QStringLiteral("Doe, Jane"));
        const QString chosen = f.dataFolder() + u"Doe.ub4"_qs;
        f.dialogs().saveAnswers.push_back(SaveAnswer::Yes);
        f.dialogs().saveAsAnswers.push_back(chosen);
        f.window().close();
        QTRY_VERIFY(!f.window().isVisible());
        QCOMPARE(model::readClaimFile(chosen)->value(u"edit6a"), QStringLiteral("Doe, Jane"));
    }

    void charactersAClaimFileCannotHoldAreNotTyped() {
        EditorFixture f;
        FieldEditor* e = f.window().canvas().editor(u"edit6a");
        QTest::mouseClick(f.window().canvas().captionLabel(10), Qt::LeftButton);
        // Typed as a keyboard layout would deliver them: one key event per character.
        for (const QChar c : QStringLiteral("Mu\u2603ñoz"))
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(e->text(), QStringLiteral("Muñoz"));

        QApplication::clipboard()->setText(QStringLiteral(" \U0001F600Jr\u20AC"));
        e->paste();
        QCOMPARE(e->text(), QStringLiteral("Muñoz Jr€"));
    }

    void anEditorOpensInView() {
        EditorFixture f;
        f.window().resize(805, 400);
        QScrollArea& box = f.window().scrollBox();
        QTRY_VERIFY(box.verticalScrollBar()->maximum() > 0);
        QTest::mouseClick(f.window().canvas().captionLabel(FieldCatalogue::indexOf(u"edit55a")),
                          Qt::LeftButton);
        const FieldEditor* e = f.window().canvas().editor(u"edit55a");
        const QRect shown(e->mapTo(box.viewport(), QPoint(0, 0)), e->size());
        QVERIFY(box.viewport()->rect().contains(shown));
        QVERIFY(box.viewport()->rect().bottom() - shown.bottom() <= 1); // just far enough
    }

    void wheelScrollsTheFormFromAnywhere() {
        EditorFixture f;
        f.window().resize(805, 400);
        QScrollBar* bar = f.window().scrollBox().verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QWidget* over = f.window().canvas().captionLabel(FieldCatalogue::indexOf(u"edit2c"));
        QWheelEvent toward(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(),
                           QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &toward);
        QCOMPARE(bar->value(), (QApplication::wheelScrollLines() + 1) * bar->singleStep());
    }
};

CW_REGISTER_TEST(MainWindowTest)
#include "MainWindowTest.moc"
