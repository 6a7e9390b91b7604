#include "editor/UndoCommands.h"

#include "editor/DocumentCommands.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"

#include <QAction>
#include <QMenu>

namespace cw::editor {

UndoCommands::UndoCommands(model::ClaimDocument& document, FormCanvas& canvas,
                           DocumentCommands& commands, QMenu& edit)
    : QObject(&edit)
    , m_history(document)
    , m_canvas(canvas) {
    m_undo = edit.addAction(tr("&Undo"), this, &UndoCommands::undoClick);
    m_undo->setObjectName(QStringLiteral("Undo1"));
    m_undo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    m_redo = edit.addAction(tr("&Redo"), this, &UndoCommands::redoClick);
    m_redo->setObjectName(QStringLiteral("Redo1"));
    m_redo->setShortcuts({QKeySequence(tr("Ctrl+Y")), QKeySequence(tr("Ctrl+Shift+Z"))});

    connect(&m_history, &model::ClaimHistory::availabilityChanged, this,
            &UndoCommands::updateActions);
    // The open field's own undo changes with every key; the menu asks when it opens.
    connect(&edit, &QMenu::aboutToShow, this, &UndoCommands::updateActions);
    connect(&canvas, &FormCanvas::fieldLeft, this, [this] { m_history.endTypingBurst(); });
    connect(&commands, &DocumentCommands::claimReplaced, this, [this] { m_history.clear(); });
    updateActions();
}

void UndoCommands::undoClick() {
    if (FieldEditor* open = m_canvas.openEditor(); open && open->isUndoAvailable()) {
        open->undo();
        return;
    }
    openTypedField(m_history.undo());
}

void UndoCommands::redoClick() {
    if (FieldEditor* open = m_canvas.openEditor(); open && open->isRedoAvailable()) {
        open->redo();
        return;
    }
    openTypedField(m_history.redo());
}

void UndoCommands::openTypedField(std::optional<int> field) {
    if (field && m_canvas.openEditor() != m_canvas.editor(*field))
        m_canvas.openFieldEditor(m_canvas.captionLabel(*field));
}

void UndoCommands::updateActions() {
    const FieldEditor* open = m_canvas.openEditor();
    m_undo->setEnabled(m_history.canUndo() || (open && open->isUndoAvailable()));
    m_redo->setEnabled(m_history.canRedo() || (open && open->isRedoAvailable()));
}

} // namespace cw::editor
