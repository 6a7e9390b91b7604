#include "editor/ClaimCheckWindow.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace cw::editor {

namespace {

constexpr int kFieldRole = Qt::UserRole;

} // namespace

ClaimCheckWindow::ClaimCheckWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("ClaimCheckWindow"));
    setWindowTitle(tr("Check Claim"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("findings"));
    m_list->setAccessibleName(tr("Findings"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("FL"), tr("Problem")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setWordWrap(false);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 84);
    // Enter, and a double click, where the style does not open rows with a single click.
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { emit fieldChosen(item->data(0, kFieldRole).toInt()); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    resize(740, 220);
}

void ClaimCheckWindow::showFindings(const std::vector<check::Finding>& findings) {
    QTreeWidgetItem* current = m_list->currentItem();
    const int currentField = current ? current->data(0, kFieldRole).toInt() : -1;
    const int currentRow = current ? m_list->indexOfTopLevelItem(current) : -1;

    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QTreeWidgetItem* keep = nullptr;
    for (const check::Finding& finding : findings) {
        auto* item = new QTreeWidgetItem(m_list, {finding.locator, finding.message});
        const bool isError = finding.severity == check::Severity::Error;
        const QString severity = isError ? tr("Error") : tr("Warning");
        item->setIcon(0, isError ? error : warning);
        item->setToolTip(0, severity);
        item->setData(0, Qt::AccessibleTextRole, severity + u' ' + finding.locator);
        item->setToolTip(1, finding.message);
        item->setData(0, kFieldRole, finding.field);
        if (!keep && finding.field == currentField)
            keep = item;
    }
    if (!keep && currentRow >= 0 && m_list->topLevelItemCount() > 0)
        keep = m_list->topLevelItem(std::min(currentRow, m_list->topLevelItemCount() - 1));
    if (keep)
        m_list->setCurrentItem(keep);
    m_list->setUpdatesEnabled(true);
}

} // namespace cw::editor
