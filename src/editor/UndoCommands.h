#pragma once

// The Edit menu's Undo and Redo over the whole claim. The open field's editor keeps its own
// undo while it has something to undo (the typing since the field was opened); after that,
// and once the field is left, the claim's history (model::ClaimHistory) takes over, one
// typing burst with the copies and totals it caused at a time. The field a step was typed in
// opens, so the user sees what changed.

#include "model/ClaimHistory.h"

#include <QObject>

class QAction;
class QMenu;

namespace cw::editor {

class DocumentCommands;
class FormCanvas;

class UndoCommands : public QObject {
    Q_OBJECT

public:
    // Adds Undo and Redo to the edit menu. The history starts afresh whenever the commands
    // load or start a claim.
    UndoCommands(model::ClaimDocument& document, FormCanvas& canvas, DocumentCommands& commands,
                 QMenu& edit);

    void undoClick();
    void redoClick();

private:
    void openTypedField(std::optional<int> field);
    void updateActions();

    model::ClaimHistory m_history;
    FormCanvas& m_canvas;
    QAction* m_undo;
    QAction* m_redo;
};

} // namespace cw::editor
