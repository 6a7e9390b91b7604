#pragma once

// TfrmBatchPrinting: the queue of saved claim files a batch prints, each with its number of
// copies, in the order they print. Files come from the claim-file dialog ("Add Files") or are
// dropped from the file manager; a file (by its exact full path) is queued once. The queue is
// emptied every time the window is shown.

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QTableWidget;

namespace cw::printdialogs {

inline constexpr int kMaxBatchCopies = 100;

struct QueuedClaim {
    QString path;
    int copies = 1; // 1 to kMaxBatchCopies
    bool operator==(const QueuedClaim&) const = default;
};

class BatchQueueWindow : public QDialog {
    Q_OBJECT

public:
    // The grid's columns; 0 and 4 are hidden.
    enum Column { ImageColumn, NameColumn, CopiesColumn, RemoveColumn, PathColumn, ColumnCount };

    // chooseFiles is the claim-file dialog with several files to pick.
    explicit BatchQueueWindow(std::function<QStringList()> chooseFiles, QWidget* parent = nullptr);

    // Shown modally, emptied, over the window it belongs to: the print list after Print All,
    // top to bottom; nothing after Cancel.
    QList<QueuedClaim> showModally();

    // The queue, top to bottom.
    QList<QueuedClaim> printList() const;

protected:
    // FormShow: the queue starts empty.
    void showEvent(QShowEvent* event) override;
    // GridKeyUp: Delete removes the selected row.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Button2Click();
    void BtnUpClick();
    void BtnDownClick();
    void GridCellDblClick(int row, int column);
    // At the end, in the order given, all but the files already queued.
    void addFiles(const QStringList& paths);
    // The queued row that is selected; -1 when none is.
    int selectedRow() const;
    void removeRow(int row);
    void exchangeRows(int row, int otherRow);
    // Column 1 makes room for the scroll bar while more than 13 rows are queued.
    void fitNameColumn();
    // The row indicator points at the selected row.
    void markSelectedRow();

    std::function<QStringList()> m_chooseFiles;
    QTableWidget* m_grid;
    // Column 1's width from creation, while 13 rows or fewer are queued.
    int m_nameColumnWidth = 0;
};

} // namespace cw::printdialogs
