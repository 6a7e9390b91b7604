// The batch queue and the progress window of a batch run: what the clerk does to the queue,
// and Stop.

#include "DialogControls.h"
#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "printdialogs/BatchProgressWindow.h"
#include "printdialogs/BatchQueueWindow.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace cw::printdialogs;
using cw::test::child;
using cw::test::click;

namespace {

// A queue window shown as the batch shows it; Add Files picks what chosen holds.
struct Queue {
    cw::test::TempHome home;
    QStringList chosen;
    BatchQueueWindow window{[this] {
        return chosen;
    }};
    QTableWidget* grid = nullptr;

    Queue() {
        window.show();
        grid = child<QTableWidget>(window, "Grid");
    }

    QString path(const QString& relative) const { return home.file(relative); }
    void add(const QStringList& paths) {
        chosen = paths;
        click(window, "Button2");
    }
    // Queues a.ub4, b.ub4, ... in that order.
    void addLetters(int count) {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << path(QString(QChar(u'a' + i)) + u".ub4"_qs);
        add(paths);
    }
    QStringList names() const {
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row)
            texts << grid->item(row, BatchQueueWindow::NameColumn)->text();
        return texts;
    }
    int selectedRow() const {
        const auto ranges = grid->selectedRanges();
        return ranges.isEmpty() ? -1 : ranges.constFirst().topRow();
    }
    QPoint cellCentre(int row, int column) const {
        return grid->visualItemRect(grid->item(row, column)).center();
    }
};

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every button, label, grid and bar the window names can be named by a screen reader.
void verifyAccessibleNames(QWidget& window) {
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls)
        if (!control->objectName().isEmpty() &&
            (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control) ||
             qobject_cast<QTableWidget*>(control) || qobject_cast<QProgressBar*>(control)))
            QVERIFY2(!accessibleName(control).isEmpty(), qPrintable(control->objectName()));
}

// A double click as the system delivers it: the second press comes before the double click.
void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    const QPointF global = widget->mapToGlobal(QPointF(at));
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(at), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

QMimeData* filesData(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

} // namespace

class BatchWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void queueWindowIsTheBatchPrintingQueue() {
        Queue q;
        BatchQueueWindow& window = q.window;
        QCOMPARE(window.objectName(), QStringLiteral("TfrmBatchPrinting"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Batch Printing Queue"));
        QCOMPARE(window.minimumSize(), QSize(385, 340));
        QCOMPARE(window.maximumSize(), QSize(385, 340));
        QVERIFY(window.isModal());
        QVERIFY(q.grid->isColumnHidden(0));
        QVERIFY(q.grid->isColumnHidden(4));
        QCOMPARE(q.grid->horizontalHeaderItem(1)->text(), QStringLiteral("Queued to Print"));
        QCOMPARE(q.grid->horizontalHeaderItem(2)->text(), QStringLiteral("Copies"));
        QVERIFY(q.grid->horizontalHeaderItem(3)->text().isEmpty());
        const int w = q.grid->width();
        QCOMPARE(q.grid->columnWidth(1), int(w * 0.63));
        QCOMPARE(q.grid->columnWidth(2), int(w * 0.2));
        QCOMPARE(q.grid->columnWidth(3), int(w * 0.13));

        q.add({q.path(u"Doe, Jane 2007-03 (March) Page 1.ub4"_qs)});
        QCOMPARE(q.names(), QStringList{u"Doe, Jane 2007-03 (March) Page 1"_qs});
        QCOMPARE(q.grid->rowHeight(0), 18);
        QCOMPARE(q.grid->item(0, 0)->data(Qt::DisplayRole).toInt(), 0);
        QCOMPARE(q.grid->item(0, 2)->data(Qt::EditRole).toInt(), 1);
        QVERIFY(q.grid->item(0, 2)->flags() & Qt::ItemIsEditable);
        QVERIFY(!(q.grid->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(!q.grid->item(0, 3)->icon().isNull());
        QVERIFY(q.grid->item(0, 3)->text().isEmpty());
        QCOMPARE(q.grid->item(0, 3)->toolTip(),
                 QStringLiteral("Double-Click to Remove from Queue"));
        verifyAccessibleNames(window);
    }

    // A file is known by its exact full path: the same path again is skipped, the same name in
    // another folder (or spelt in other letter case) is another file.
    void eachFileIsQueuedOnce() {
        Queue q;
        const QString a = q.path(u"one/claim.ub4"_qs);
        const QString b = q.path(u"two/claim.ub4"_qs);
        const QString c = q.path(u"one/Claim.ub4"_qs);
        q.add({a, a});
        q.add({a, b, c, b});
        const QList<QueuedClaim> expected = {{a, 1}, {b, 1}, {c, 1}};
        QCOMPARE(q.window.printList(), expected);
        QCOMPARE(q.names(), (QStringList{u"claim"_qs, u"claim"_qs, u"Claim"_qs}));
    }

    // The arrows move the selected row and keep it selected; at the ends, or with no row
    // selected, they do nothing.
    void arrowsMoveTheSelectedRow_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("up on the first") << 0 << "BtnUp"
                                         << "abc" << 0;
        QTest::newRow("down on the last") << 2 << "BtnDown"
                                          << "abc" << 2;
        QTest::newRow("up, none selected") << -1 << "BtnUp"
                                           << "abc" << -1;
        QTest::newRow("down, none selected") << -1 << "BtnDown"
                                             << "abc" << -1;
        QTest::newRow("up on the second") << 1 << "BtnUp"
                                          << "bac" << 0;
        QTest::newRow("down on the first") << 0 << "BtnDown"
                                           << "bac" << 1;
    }
    void arrowsMoveTheSelectedRow() {
        QFETCH(int, selected);
        QFETCH(QString, button);
        QFETCH(QString, order);
        QFETCH(int, selectedAfter);
        Queue q;
        q.addLetters(3);
        q.grid->item(0, 2)->setData(Qt::EditRole, 7);
        if (selected >= 0)
            q.grid->selectRow(selected);
        click(q.window, button.toLatin1().constData());
        QCOMPARE(q.names().join(QString()), order);
        QCOMPARE(q.selectedRow(), selectedAfter);
        // The whole row moves, copies and path with the name.
        const QList<QueuedClaim> list = q.window.printList();
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(QFileInfo(list[row].path).completeBaseName(), order.mid(row, 1));
            QCOMPARE(list[row].copies, order[row] == u'a' ? 7 : 1);
        }
        // The row indicator follows the selection.
        for (int row = 0; row < 3; ++row)
            QCOMPARE(q.grid->verticalHeaderItem(row)->text().isEmpty(), row != selectedAfter);
    }

    // Delete released in the grid, or a double click on the remove mark, removes the row;
    // a double click elsewhere, or Delete with no row selected, does not.
    void rowsAreRemovedByDeleteOrTheMark_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("doubleClickedColumn"); // -1: the Delete key
        QTest::addColumn<QString>("left");
        QTest::newRow("Delete") << 1 << -1 << "ac";
        QTest::newRow("Delete, none selected") << -1 << -1 << "abc";
        QTest::newRow("double click on the mark") << 1 << 3 << "ac";
        QTest::newRow("double click on the name") << 1 << 1 << "abc";
    }
    void rowsAreRemovedByDeleteOrTheMark() {
        QFETCH(int, selected);
        QFETCH(int, doubleClickedColumn);
        QFETCH(QString, left);
        Queue q;
        q.addLetters(3);
        if (selected >= 0)
            q.grid->selectRow(selected);
        if (doubleClickedColumn < 0) {
            QTest::keyPress(q.grid, Qt::Key_Delete);
            QTest::keyRelease(q.grid, Qt::Key_Delete);
        } else {
            doubleClick(q.grid->viewport(), q.cellCentre(1, doubleClickedColumn));
        }
        QCOMPARE(q.names().join(QString()), left);
    }

    // Column 1 makes room for the scroll bar while more than 13 rows are queued.
    void fourteenRowsNarrowTheNameColumn() {
        Queue q;
        q.addLetters(13);
        const int thirteen = q.grid->columnWidth(1);
        QCOMPARE(thirteen, int(q.grid->width() * 0.63));
        q.add({q.path(u"n.ub4"_qs)});
        QCOMPARE(q.grid->columnWidth(1), thirteen - 18);
        q.grid->selectRow(0);
        QTest::keyRelease(q.grid, Qt::Key_Delete);
        QCOMPARE(q.grid->rowCount(), 13);
        QCOMPARE(q.grid->columnWidth(1), thirteen);
    }

    // The copies cell takes a whole number from 1 to 100 and nothing else.
    void copiesStayWithinOneToAHundred_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::newRow("7") << "7" << true;
        QTest::newRow("100") << "100" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("101") << "101" << false;
        QTest::newRow("250") << "250" << false;
        QTest::newRow("-5") << "-5" << false;
        QTest::newRow("2.5") << "2.5" << false;
        QTest::newRow("letters") << "ab" << false;
    }
    void copiesStayWithinOneToAHundred() {
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        Queue q;
        q.addLetters(1);
        q.grid->edit(q.grid->model()->index(0, 2));
        auto* editor = q.grid->viewport()->findChild<QSpinBox*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits after the editor's own turn
        QVERIFY(!editor->isVisible());
        const int copies = q.window.printList().constFirst().copies;
        if (taken)
            QCOMPARE(copies, typed.toInt());
        else
            QVERIFY2(copies >= 1 && copies <= 100 && QString::number(copies) != typed,
                     qPrintable(QString::number(copies)));
    }

    // Delete pressed while the copies are edited belongs to the editor, not to the queue.
    void deleteWhileEditingTheCopiesKeepsTheRow() {
        Queue q;
        q.addLetters(2);
        QVERIFY(QTest::qWaitForWindowActive(&q.window));
        q.grid->selectRow(0);
        q.grid->edit(q.grid->model()->index(0, 2));
        auto* editor = q.grid->viewport()->findChild<QSpinBox*>();
        QVERIFY(editor);
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(q.grid->rowCount(), 2);
    }

    void queueIsEmptiedAtEveryShowing() {
        Queue q;
        q.addLetters(14);
        q.window.hide();
        q.window.show();
        QCOMPARE(q.grid->rowCount(), 0);
        QCOMPARE(q.grid->columnWidth(1), int(q.grid->width() * 0.63));
    }

    // Files dropped from the file manager are queued as Add Files queues them; folders and
    // what is not a local file are not.
    void droppedFilesAreQueued() {
        Queue q;
        const QString a = q.path(u"a.ub4"_qs);
        const QString b = q.path(u"b.ub4"_qs);
        cw::test::writeFile(a, "a");
        cw::test::writeFile(b, "b");
        QVERIFY(QDir(q.home.path()).mkdir(u"folder.ub4"_qs));
        q.add({a});

        const auto drop = [&](const QStringList& paths) {
            std::unique_ptr<QMimeData> data(filesData(paths));
            const QPoint at = q.window.rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(&q.window, &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent dropped(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(&q.window, &dropped);
            return true;
        };
        QVERIFY(!drop({q.path(u"folder.ub4"_qs)}));
        QVERIFY(drop({b, a, q.path(u"folder.ub4"_qs)}));
        const QList<QueuedClaim> expected = {{a, 1}, {b, 1}};
        QCOMPARE(q.window.printList(), expected);
    }

    // Print All gives the queue top to bottom with its copies; Cancel gives nothing.
    void printAllGivesTheQueue_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("rows");
        QTest::newRow("Print All") << "BtnPrintAll" << 2;
        QTest::newRow("Cancel") << "Button1" << 0;
    }
    void printAllGivesTheQueue() {
        QFETCH(QString, button);
        QFETCH(int, rows);
        Queue q;
        q.addLetters(3); // emptied when shown for the batch
        q.window.hide();
        QTimer::singleShot(0, &q.window, [&] {
            q.add({q.path(u"x.ub4"_qs), q.path(u"y.ub4"_qs)});
            q.grid->item(1, 2)->setData(Qt::EditRole, 5);
            click(q.window, button.toLatin1().constData());
        });
        const QList<QueuedClaim> list = q.window.showModally();
        QCOMPARE(list.size(), rows);
        if (rows > 0) {
            const QList<QueuedClaim> expected = {{q.path(u"x.ub4"_qs), 1},
                                                 {q.path(u"y.ub4"_qs), 5}};
            QCOMPARE(list, expected);
        }
    }

    // The window names the claim being printed; Stop, like the close box, asks the run to end
    // and keeps the window up until it has.
    void progressWindowNamesTheClaimAndTakesStop() {
        BatchProgressWindow progress;
        progress.show();
        progress.showClaim(3, 40, u"Doe, Jane.ub4"_qs);
        QCOMPARE(child<QLabel>(progress, "LabelClaim")->text(),
                 QStringLiteral("Printing claim 3 of 40: Doe, Jane.ub4"));
        const QProgressBar* bar = child<QProgressBar>(progress, "ProgressBar");
        QCOMPARE(bar->maximum(), 40);
        QCOMPARE(bar->value(), 2);
        verifyAccessibleNames(progress);
        // A long name is shortened where it shows, and whole in the tooltip.
        const QString longName = QString(300, u'x') + u".ub4"_qs;
        const int width = progress.width();
        progress.showClaim(4, 40, longName);
        QCOMPARE(progress.width(), width);
        QVERIFY(child<QLabel>(progress, "LabelClaim")->text().contains(QChar(0x2026)));
        QCOMPARE(child<QLabel>(progress, "LabelClaim")->toolTip(),
                 u"Printing claim 4 of 40: "_qs + longName);
        QVERIFY(!progress.isStopRequested());
        progress.close();
        QVERIFY(progress.isStopRequested());
        QVERIFY(progress.isVisible());

        BatchProgressWindow stopped;
        stopped.show();
        click(stopped, "BtnStop");
        QVERIFY(stopped.isStopRequested());
        QVERIFY(stopped.isVisible());
        QVERIFY(!child<QPushButton>(stopped, "BtnStop")->isEnabled());
    }
};

CW_REGISTER_TEST(BatchWindowsTest)
#include "BatchWindowsTest.moc"
