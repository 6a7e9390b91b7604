#pragma once

// The claim check's findings, beside the form while the clerk types: one row per finding with
// its severity's icon, its form locator and its message. Enter or a double click on a row asks
// for that field's editor. The window does not wait for an answer, so the form stays in use.

#include "check/ClaimCheck.h"

#include <QWidget>

#include <vector>

class QTreeWidget;

namespace cw::editor {

class ClaimCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit ClaimCheckWindow(QWidget* parent);

    // Keeps the row the clerk is on where the same field still has a finding.
    void showFindings(const std::vector<check::Finding>& findings);

signals:
    void fieldChosen(int catalogueIndex);

private:
    QTreeWidget* m_list;
};

} // namespace cw::editor
