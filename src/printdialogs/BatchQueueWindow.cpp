#include "printdialogs/BatchQueueWindow.h"

#include "resources/ResourcePaths.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>

namespace cw::printdialogs {

namespace {

constexpr QSize kClientSize(385, 340);
constexpr QRect kGridGeometry(8, 26, 330, 256);
constexpr int kRowHeight = 18;
constexpr int kHeaderHeight = 20;
constexpr int kRowIndicatorWidth = 12;
// More rows than fit bring the vertical scroll bar, which column 1 makes room for.
constexpr int kRowsThatFit = 13;
constexpr int kScrollBarRoom = 18;

// The copies are edited as a whole number from 1 to 100; the remove mark stands centred.
class QueueCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* copies = new QSpinBox(parent);
        copies->setRange(1, kMaxBatchCopies);
        copies->setFrame(false);
        copies->setAlignment(Qt::AlignCenter);
        copies->setButtonSymbols(QAbstractSpinBox::NoButtons);
        copies->setAccessibleName(BatchQueueWindow::tr("Copies"));
        return copies;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // Above its (empty) text a picture is centred across the cell.
        option->decorationPosition = QStyleOptionViewItem::Top;
    }
};

QTableWidgetItem* cell(Qt::ItemFlags flags) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | flags);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QToolButton* arrowButton(const char* objectName, const resources::Picture& picture,
                         const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1StringView(objectName));
    button->setIcon(QIcon(resources::path(picture)));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

QPushButton* pushButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1StringView(objectName));
    // Enter belongs to the copies cell; nothing prints by accident.
    button->setAutoDefault(false);
    return button;
}

// The regular files among what was dropped.
QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            files << url.toLocalFile();
    return files;
}

} // namespace

BatchQueueWindow::BatchQueueWindow(std::function<QStringList()> chooseFiles, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_chooseFiles(std::move(chooseFiles)) {
    setObjectName(QStringLiteral("TfrmBatchPrinting"));
    setWindowTitle(tr("Batch Printing Queue"));
    setFixedSize(kClientSize);
    setModal(true);
    setAcceptDrops(true);

    auto* label = new QLabel(tr("Queued to Print"), this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->move(8, 6);

    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_grid->setAccessibleName(tr("Queued to Print"));
    m_grid->setGeometry(kGridGeometry);
    m_grid->setHorizontalHeaderLabels(
        {QString(), tr("Queued to Print"), tr("Copies"), QString(), QString()});
    m_grid->setColumnHidden(ImageColumn, true);
    m_grid->setColumnHidden(PathColumn, true);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setIconSize(QSize(resources::kRemoveMark.width, resources::kRemoveMark.height));
    m_grid->setItemDelegate(new QueueCellDelegate(m_grid));
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setFixedHeight(kHeaderHeight);
    QHeaderView* rows = m_grid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setSectionsClickable(false);
    rows->setFixedWidth(kRowIndicatorWidth);
    // FormCreate: the widths from the grid's own, cut down to whole pixels.
    const int width = m_grid->width();
    m_nameColumnWidth = int(width * 0.63);
    m_grid->setColumnWidth(NameColumn, m_nameColumnWidth);
    m_grid->setColumnWidth(CopiesColumn, int(width * 0.2));
    m_grid->setColumnWidth(RemoveColumn, int(width * 0.13));
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &BatchQueueWindow::GridCellDblClick);
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, &BatchQueueWindow::markSelectedRow);

    QToolButton* up = arrowButton("BtnUp", resources::kArrowUp, tr("Move Up"), this);
    up->setGeometry(346, 112, 30, 30);
    connect(up, &QToolButton::clicked, this, &BatchQueueWindow::BtnUpClick);
    QToolButton* down = arrowButton("BtnDown", resources::kArrowDown, tr("Move Down"), this);
    down->setGeometry(346, 150, 30, 30);
    connect(down, &QToolButton::clicked, this, &BatchQueueWindow::BtnDownClick);

    QPushButton* add = pushButton("Button2", tr("Add Files"), this);
    add->setGeometry(8, 298, 90, 28);
    connect(add, &QPushButton::clicked, this, &BatchQueueWindow::Button2Click);
    QPushButton* printAll = pushButton("BtnPrintAll", tr("Print All"), this);
    printAll->setGeometry(196, 298, 86, 28);
    connect(printAll, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = pushButton("Button1", tr("Cancel"), this);
    cancel->setGeometry(290, 298, 86, 28);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QList<QueuedClaim> BatchQueueWindow::showModally() {
    if (exec() != QDialog::Accepted)
        return {};
    return printList();
}

void BatchQueueWindow::showEvent(QShowEvent* event) {
    m_grid->setRowCount(0);
    fitNameColumn();
    QDialog::showEvent(event);
}

void BatchQueueWindow::addFiles(const QStringList& paths) {
    const QList<QueuedClaim> queued = printList();
    QStringList known;
    for (const QueuedClaim& claim : queued)
        known << claim.path;
    for (const QString& path : paths) {
        if (known.contains(path))
            continue;
        known << path;
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        m_grid->setVerticalHeaderItem(row, new QTableWidgetItem);
        QTableWidgetItem* image = cell({});
        image->setData(Qt::DisplayRole, 0);
        m_grid->setItem(row, ImageColumn, image);
        QTableWidgetItem* name = cell({});
        name->setText(QFileInfo(path).completeBaseName());
        // Names can be long, and two files of one name can wait in different folders.
        name->setToolTip(QDir::toNativeSeparators(path));
        m_grid->setItem(row, NameColumn, name);
        QTableWidgetItem* copies = cell(Qt::ItemIsEditable);
        copies->setData(Qt::EditRole, 1);
        m_grid->setItem(row, CopiesColumn, copies);
        QTableWidgetItem* remove = cell({});
        remove->setIcon(QIcon(resources::path(resources::kRemoveMark)));
        remove->setToolTip(tr("Double-Click to Remove from Queue"));
        m_grid->setItem(row, RemoveColumn, remove);
        QTableWidgetItem* full = cell({});
        full->setText(path);
        m_grid->setItem(row, PathColumn, full);
    }
    fitNameColumn();
}

QList<QueuedClaim> BatchQueueWindow::printList() const {
    QList<QueuedClaim> list;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        list.append({m_grid->item(row, PathColumn)->text(),
                     m_grid->item(row, CopiesColumn)->data(Qt::EditRole).toInt()});
    return list;
}

int BatchQueueWindow::selectedRow() const {
    const QList<QTableWidgetSelectionRange> ranges = m_grid->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.constFirst().topRow();
}

void BatchQueueWindow::Button2Click() {
    addFiles(m_chooseFiles());
}

void BatchQueueWindow::BtnUpClick() {
    const int row = selectedRow();
    if (row > 0)
        exchangeRows(row, row - 1);
}

void BatchQueueWindow::BtnDownClick() {
    const int row = selectedRow();
    if (row >= 0 && row < m_grid->rowCount() - 1)
        exchangeRows(row, row + 1);
}

void BatchQueueWindow::exchangeRows(int row, int otherRow) {
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem* item = m_grid->takeItem(row, column);
        m_grid->setItem(row, column, m_grid->takeItem(otherRow, column));
        m_grid->setItem(otherRow, column, item);
    }
    m_grid->selectRow(otherRow);
}

void BatchQueueWindow::GridCellDblClick(int row, int column) {
    if (column == RemoveColumn)
        removeRow(row);
}

bool BatchQueueWindow::eventFilter(QObject* watched, QEvent* event) {
    // A held key repeats its release on X11; one Delete removes one row, as on other systems.
    if (watched == m_grid && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && !key->isAutoRepeat() && selectedRow() >= 0) {
            removeRow(selectedRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BatchQueueWindow::removeRow(int row) {
    m_grid->removeRow(row);
    fitNameColumn();
    // The row that took its place is the one a second Delete removes.
    if (m_grid->rowCount() > 0)
        m_grid->selectRow(std::min(row, m_grid->rowCount() - 1));
}

void BatchQueueWindow::fitNameColumn() {
    const bool scrolls = m_grid->rowCount() > kRowsThatFit;
    m_grid->setColumnWidth(NameColumn, m_nameColumnWidth - (scrolls ? kScrollBarRoom : 0));
}

void BatchQueueWindow::markSelectedRow() {
    const int selected = selectedRow();
    for (int row = 0; row < m_grid->rowCount(); ++row)
        m_grid->verticalHeaderItem(row)->setText(row == selected ? QString(QChar(0x25B8))
                                                                 : QString());
}

void BatchQueueWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BatchQueueWindow::dropEvent(QDropEvent* event) {
    addFiles(droppedFiles(event->mimeData()));
    event->acceptProposedAction();
}

} // namespace cw::printdialogs
