// The advanced-alignment window: its controls, the amounts it shows, pending values against
// saved ones, the save and the two resets with the settings file, a save that cannot be
// written, the blinking "Reset" and where the window appears.

#include "printdialogs/AdvancedAlignmentWindow.h"

#include "DialogControls.h"
#include "FileSizeLimit.h"
#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <cstring>
#include <memory>

using namespace cw::printdialogs;
using namespace cw::printing;
using cw::test::child;

namespace {

struct AdvancedRun {
    cw::test::TempHome home;
    QString settingsPath = home.file(u"CWMAIN_Settings.ini"_qs);
    cw::platform::UserRegistry registry{home.file(u"registry.txt"_qs)};
    FieldOffsets offsets;
    std::unique_ptr<AdvancedAlignmentWindow> window;
    QStringList questions;
    QStringList errors;
    bool answer = true;

    void open(int currentField = 1) {
        window = std::make_unique<AdvancedAlignmentWindow>(offsets, FieldOffsetsFile(settingsPath),
                                                           registry, currentField);
        window->setResetAllQuestion([this](const QString& text) {
            questions << text;
            return answer;
        });
        window->setErrorShower([this](const QString& text) { errors << text; });
    }
    QSlider* vertical() { return child<QSlider>(*window, "trkVert"); }
    QSlider* horizontal() { return child<QSlider>(*window, "trkHorz"); }
    QString shown(const char* label) { return child<QLabel>(*window, label)->text(); }
    void save() { child<QToolButton>(*window, "SpeedButton1")->click(); }
    void menu(const char* item) { child<QAction>(*window, item)->trigger(); }
};

} // namespace

class AdvancedAlignmentWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsTheAdvancedAlignment() {
        AdvancedRun r;
        r.open();
        AdvancedAlignmentWindow& w = *r.window;
        QCOMPARE(w.objectName(), u"TfrmAdvancedAlignment"_qs);
        QCOMPARE(w.windowTitle(), u"Advanced Alignment"_qs);
        QVERIFY(w.isWindow());
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.minimumSize(), QSize(256, 149));
        QCOMPARE(w.maximumSize(), QSize(256, 149));
        for (QSlider* s : {r.vertical(), r.horizontal()}) {
            QCOMPARE(s->minimum(), -10);
            QCOMPARE(s->maximum(), 10);
            QCOMPARE(s->tickPosition(), QSlider::TicksBothSides);
            QVERIFY(!s->invertedAppearance());
            QVERIFY(!s->accessibleName().isEmpty());
        }
        QCOMPARE(r.vertical()->orientation(), Qt::Vertical);
        QCOMPARE(r.horizontal()->orientation(), Qt::Horizontal);
        QVERIFY(!child<QToolButton>(w, "SpeedButton1")->accessibleName().isEmpty());
        auto* reset = child<QLabel>(w, "LbReset");
        QCOMPARE(reset->text(), u"Reset"_qs);
        QVERIFY(reset->font().bold());
        QCOMPARE(reset->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(child<QAction>(w, "ResetAlignmentforthisFieldOnly1")->text(),
                 u"Reset Alignment for this Field Only"_qs);
        QCOMPARE(child<QAction>(w, "ResetAlignmentforAll1")->text(), u"Reset Alignment for All"_qs);
        QCOMPARE(r.shown("lbV"), u"Center"_qs);
        QCOMPARE(r.shown("LbH"), u"Center"_qs);
    }

    void amountsAreSixHundredthsAStep_data() {
        QTest::addColumn<int>("vertical");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<QString>("lbV");
        QTest::addColumn<QString>("LbH");
        QTest::newRow("up and left") << 3 << -2 << "Up : 0.18"
                                     << "Left : 0.12";
        QTest::newRow("the far ends") << -10 << 10 << "Down : 0.60"
                                      << "Right : 0.60";
        QTest::newRow("one step") << 1 << -1 << "Up : 0.06"
                                  << "Left : 0.06";
        QTest::newRow("centre") << 0 << 0 << "Center"
                                << "Center";
    }
    void amountsAreSixHundredthsAStep() {
        QFETCH(int, vertical);
        QFETCH(int, horizontal);
        QFETCH(QString, lbV);
        QFETCH(QString, LbH);
        AdvancedRun r;
        r.open();
        r.vertical()->setValue(5); // from elsewhere, so that every row is a change
        r.horizontal()->setValue(5);
        r.vertical()->setValue(vertical);
        r.horizontal()->setValue(horizontal);
        QCOMPARE(r.shown("lbV"), lbV);
        QCOMPARE(r.shown("LbH"), LbH);
        QCOMPARE(r.window->pendingVertical(), vertical);
        QCOMPARE(r.window->pendingHorizontal(), horizontal);
    }

    // A moved slider is only pending: another field's click drops it, and nothing is stored.
    void movedSliderIsDroppedByAnotherField() {
        AdvancedRun r;
        r.offsets.set(20, 2, -1);
        r.open(20);
        QCOMPARE(r.vertical()->value(), 2);
        QCOMPARE(r.horizontal()->value(), -1);
        QCOMPARE(r.shown("lbV"), u"Up : 0.12"_qs);
        r.vertical()->setValue(7);
        r.horizontal()->setValue(7);
        r.window->loadField(30);
        QCOMPARE(r.window->currentField(), 30);
        QCOMPARE(r.vertical()->value(), 0);
        QCOMPARE(r.shown("lbV"), u"Center"_qs);
        r.window->loadField(20);
        QCOMPARE(r.vertical()->value(), 2);
        QCOMPARE(r.offsets.upShift(20), qint16(2));
        QVERIFY(!QFile::exists(r.settingsPath));
    }

    void saveWritesTheFieldAndTheRunsOffsets() {
        AdvancedRun r;
        r.open(12);
        r.vertical()->setValue(3);
        r.horizontal()->setValue(-2);
        r.save();
        QCOMPARE(r.offsets.upShift(12), qint16(3));
        QCOMPARE(r.offsets.rightShift(12), qint16(-2));
        QCOMPARE(cw::test::fileBytes(r.settingsPath),
                 QByteArray("[Alignment]\r\nControl 012 Top=3\r\nControl 012 Left=-2\r\n"));
        // Saving at 0/0 writes both keys with 0; they are not removed.
        r.menu("ResetAlignmentforthisFieldOnly1");
        QCOMPARE(r.vertical()->value(), 0);
        QCOMPARE(r.offsets.upShift(12), qint16(3)); // the reset is only pending
        r.save();
        QCOMPARE(cw::test::fileBytes(r.settingsPath),
                 QByteArray("[Alignment]\r\nControl 012 Top=0\r\nControl 012 Left=0\r\n"));
        QCOMPARE(r.offsets.upShift(12), qint16(0));
        QVERIFY(r.errors.isEmpty());
    }

    void resetForAllAsksFirst() {
        AdvancedRun r;
        const QByteArray file = "[Alignment]\r\nControl 012 Top=3\r\nControl 300 Left=4\r\n"
                                "Other=kept\r\n[Printer]\r\nControl 012 Top=9\r\n";
        cw::test::writeFile(r.settingsPath, file);
        r.offsets.set(12, 3, 0);
        r.offsets.set(300, 0, 4);
        r.open(12);
        r.answer = false;
        r.menu("ResetAlignmentforAll1");
        QCOMPARE(r.questions,
                 QStringList{u"Are you sure you want to reset all fields alignments?"_qs});
        QCOMPARE(cw::test::fileBytes(r.settingsPath), file);
        QCOMPARE(r.vertical()->value(), 3);
        QCOMPARE(r.offsets.rightShift(300), qint16(4));

        r.answer = true;
        r.menu("ResetAlignmentforAll1");
        QCOMPARE(cw::test::fileBytes(r.settingsPath),
                 QByteArray("[Alignment]\r\nOther=kept\r\n[Printer]\r\nControl 012 Top=9\r\n"));
        QCOMPARE(r.offsets.upShift(12), qint16(0));
        QCOMPARE(r.offsets.rightShift(300), qint16(0));
        QCOMPARE(r.vertical()->value(), 0);
        QCOMPARE(r.shown("LbH"), u"Center"_qs);
    }

    // A save the disk refuses says which file and why, and the run's offsets stay as they were;
    // what the user set stays pending, to be saved again.
    void saveThatCannotBeWrittenIsToldAndChangesNothing() {
        AdvancedRun r;
        const QByteArray file = "[Alignment]\r\nControl 012 Top=1\r\n";
        cw::test::writeFile(r.settingsPath, file);
        r.offsets.set(12, 1, 0);
        r.open(12);
        r.vertical()->setValue(-4);
        {
            const cw::test::FileSizeLimit noRoom(0);
            r.save();
        }
        QCOMPARE(r.errors.size(), 1);
        const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
        QVERIFY2(r.errors[0].contains(r.settingsPath) && r.errors[0].endsWith(reason),
                 qPrintable(r.errors[0]));
        QCOMPARE(r.offsets.upShift(12), qint16(1));
        QCOMPARE(cw::test::fileBytes(r.settingsPath), file);
        QCOMPARE(r.vertical()->value(), -4);
        QCOMPARE(cw::test::filesIn(r.home.path()).filter(u"CWMAIN"_qs).size(), 1);
    }

    void resetBlinksBlueWhileTheMouseIsOverIt() {
        AdvancedRun r;
        r.open();
        auto* reset = child<QLabel>(*r.window, "LbReset");
        auto* blink = child<QTimer>(*r.window, "ResetBlink");
        const QColor normal = reset->palette().color(QPalette::WindowText);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(reset, &enter);
        QVERIFY(blink->isActive());
        QCOMPARE(blink->interval(), 500);
        QCOMPARE(reset->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(QMetaObject::invokeMethod(blink, "timeout"));
        QCOMPARE(reset->palette().color(QPalette::WindowText), normal);
        QVERIFY(QMetaObject::invokeMethod(blink, "timeout"));
        QCOMPARE(reset->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(reset, &leave);
        QVERIFY(!blink->isActive());
        QCOMPARE(reset->palette().color(QPalette::WindowText), normal);
    }

    void clickOnResetOpensItsMenu() {
        AdvancedRun r;
        r.open();
        r.window->show();
        QTest::mouseClick(child<QLabel>(*r.window, "LbReset"), Qt::LeftButton);
        auto* menu = child<QMenu>(*r.window, "PopupMenu1");
        QVERIFY(menu->isVisible());
        menu->close();
    }

    // Whole inside the work area, however the stored position lies.
    void storedPositionIsPulledIntoTheWorkArea_data() {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QPoint>("placed");
        const QRect area(0, 0, 1024, 738);
        QTest::newRow("inside") << QPoint(500, 300) << QPoint(500, 300);
        QTest::newRow("saved on a larger screen") << QPoint(1800, 1100) << QPoint(768, 589);
        QTest::newRow("left edge just inside") << QPoint(1000, 100) << QPoint(768, 100);
        QTest::newRow("negative") << QPoint(-40, -5) << QPoint(0, 0);
    }
    void storedPositionIsPulledIntoTheWorkArea() {
        QFETCH(QPoint, stored);
        QFETCH(QPoint, placed);
        QCOMPARE(cw::platform::placeInside(stored, QSize(256, 149), QRect(0, 0, 1024, 738)),
                 placed);
        // A work area beside a panel on the left starts where the panel ends.
        QCOMPARE(cw::platform::placeInside(QPoint(10, 10), QSize(256, 149), QRect(48, 0, 976, 738)),
                 QPoint(48, 10));
    }

    // The window comes back where it was and says where it is when it goes; a registry that
    // cannot be read leaves it at its designed place.
    void positionIsKeptInTheRegistry() {
        AdvancedRun r;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(r.registry.writeInteger(AdvancedAlignmentWindow::kPositionKey,
                                        AdvancedAlignmentWindow::kLeftValue, 100000));
        QVERIFY(r.registry.writeInteger(AdvancedAlignmentWindow::kPositionKey,
                                        AdvancedAlignmentWindow::kTopValue, 20));
        r.open();
        QCOMPARE(r.window->pos(), QPoint(area.right() + 1 - 256, std::max(20, area.top())));
        r.window->move(area.left() + 30, area.top() + 40);
        r.window.reset();
        QCOMPARE(*r.registry.readInteger(AdvancedAlignmentWindow::kPositionKey,
                                         AdvancedAlignmentWindow::kLeftValue),
                 std::optional<qint32>(area.left() + 30));
        QCOMPARE(*r.registry.readInteger(u"Software\\Quillmark\\Preferences",
                                         u"advanced alignment box top"),
                 std::optional<qint32>(area.top() + 40));

        AdvancedRun unreadable;
        QVERIFY(QDir().mkpath(unreadable.registry.filePath())); // a folder in the file's place
        unreadable.open();
        QCOMPARE(unreadable.window->pos(),
                 cw::platform::placeInside(AdvancedAlignmentWindow::kDesignedPosition,
                                           QSize(256, 149), area));
    }
};

CW_REGISTER_TEST(AdvancedAlignmentWindowTest)
#include "AdvancedAlignmentWindowTest.moc"
